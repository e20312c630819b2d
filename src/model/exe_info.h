// One application entry: how a file is opened (program, working folder, parameter
// template, window state, command interpreter) and the shortcut key that picks it.
#pragma once

#include <cstdint>
#include <string>

#include "model/entry_owner.h"
#include "model/shortcut_key.h"

namespace nuvopick {

class TExeInfo {
 public:
  // Told when the modified mark changes; not owned. Only entries of the setup
  // window's working lists have one.
  IEntryOwner* Owner = nullptr;
  std::string Name;
  // Program and working folder as the user typed them, possibly in double quotes.
  std::string AppPath;
  std::string DirPath;
  // Parameter template: "%1" stands for the file being opened.
  std::string Param;
  bool IsUseCmdp = false;
  // Show-window code handed to the launch unchanged.
  std::int32_t ShowCmd = 0;
  // Changed since the last apply; never stored in the settings file.
  bool Modified = false;
  TShortcutKey ShortcutKey;

  // Copies everything but Owner: the target stays with its own window. The
  // modified mark is copied without telling anyone.
  void Assign(const TExeInfo& source);

  // Sets the mark and then tells the owner, also when the mark is cleared, so that
  // the setup window can recount its unsaved changes.
  void SetModified(bool value);
};

}  // namespace nuvopick
