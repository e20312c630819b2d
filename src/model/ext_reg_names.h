// The names under which an extension appears in the class store: the extension
// with and without its dot, and the program's own file type for it.
#pragma once

#include <string>

namespace nuvopick {

// Every file type the program creates starts with this, whatever the extension.
// Compared with letter case counting.
inline constexpr char kProgramTypePrefix[] = "NuvoPick_AutoOpen_";

struct TExtRegNames {
  std::string E;  // the extension without its dot: "txt"
  std::string D;  // the extension's class key, with its dot: ".txt"
  std::string T;  // the program's file type: "NuvoPick_AutoOpen_txt"
};

// The names for a record whose Name is ExtName. A name with a leading dot gives
// the same names as the one without.
TExtRegNames ExtRegNamesFor(const std::string& extName);

// True when a class key's value names one of the program's own file types.
bool IsProgramType(const std::string& typeName);

}  // namespace nuvopick
