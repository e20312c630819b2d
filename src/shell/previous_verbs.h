// Import of the previous association: application entries made from the verbs
// of the file type that an extension used before the program took it over, so
// that the applications that used to open such files can still be offered.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "shell/registry_association.h"

namespace nuvopick {

// The entry made from one verb: Name is the program's file name without its
// extension, "_" and the verb ("NOTEPAD_open"); the entry runs normally
// (ShowCmd 1), not through the command interpreter, without a shortcut key.
struct TPreviousVerbEntry {
  std::string Name;
  std::string AppPath;
  std::string DirPath;
  std::string Param;

  bool operator==(const TPreviousVerbEntry&) const = default;
};

// The show command of an imported entry (SW_SHOWNORMAL).
inline constexpr std::int32_t kImportedShowCmd = 1;

// The file type whose verbs are imported for extension ExtName: the type its
// class key names now, or, when that is one of the program's own types, the type
// recorded in "regbackup.ini". Empty when the class key does not open or no
// previous type is known.
std::string PreviousFileType(const TAssociationContext& context, const std::string& extName);

// The entry for verb Verb whose command line is Command: the command split at its
// first blank outside quotes (SplitCommandLine), the program part unquoted into
// AppPath, its folder into DirPath (unexpanded: "%SystemRoot%\system32"), the rest
// into Param. Nothing when the command names no program (empty, blanks only, or
// empty quotes).
std::optional<TPreviousVerbEntry> EntryFromVerb(const std::string& verb,
                                                const std::string& command);

// Calls Append with the entry of every verb of the previous file type that has a
// command, in the order the class store lists the verbs. An error of the class
// store (a value that is not a string) ends it; what was appended stays.
void ImportPreviousVerbs(const TAssociationContext& context, const std::string& extName,
                         const std::function<void(const TPreviousVerbEntry&)>& append);

}  // namespace nuvopick
