// The mode the program runs in, chosen once at start from its first argument.
#pragma once

#include <string>

namespace nuvopick {

enum class TStartMode {
  Setup,     // no argument: the setup window
  TestForm,  // "/test": the gate window with its demonstration list
  OpenFile,  // anything else: the gate window for the file named by the argument
};

// The argument that starts the gate window with its demonstration list.
inline constexpr char16_t kTestFormArgument[] = u"/test";

// "/test" is matched character for character: "/TEST" is a file name.
TStartMode SelectStartMode(const std::u16string& firstArgument);

}  // namespace nuvopick
