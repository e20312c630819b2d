// Where the small icon of a row of the gate's list comes from. The row's entry
// names its program as the user typed it; the icon is that of the program the
// launch would start: quotes off, environment variables expanded, a bare name
// found on the search path. What is not a program (a document, a folder, an
// address) shows the icon the shell shows for it.
#pragma once

#include <optional>
#include <string>

namespace nuvopick {

enum class TRowIconKind {
  None,         // no program: no icon
  ProgramFile,  // the program file's first icon
  ShellItem,    // a document or folder: the shell's icon for it
  Url,          // an address: the shell's icon for addresses
};

struct TRowIconSource {
  TRowIconKind Kind = TRowIconKind::None;
  std::u16string Path;

  bool operator==(const TRowIconSource&) const = default;
};

// What the icon source asks of the system, as the launch would.
class IProgramLocator {
 public:
  virtual ~IProgramLocator() = default;

  // Text with each %NAME% of a set environment variable replaced by its value.
  virtual std::u16string ExpandVariables(const std::u16string& text) const = 0;
  // The full path of a program named without folder (".exe" added when the name
  // has no extension), looked for where the system looks; nothing when not found.
  virtual std::optional<std::u16string> FindOnSearchPath(const std::u16string& name) const = 0;
};

// The icon source of an entry whose program is AppPath (the settings' text, ANSI).
// The locator may be slow (a search path on the network): call it off the window's thread.
TRowIconSource RowIconSourceOf(const std::string& appPath, const IProgramLocator& locator);

}  // namespace nuvopick
