// The program's arguments, split from the whole wide command line by the
// platform's rule. The line is read in UTF-16, so a file name keeps every
// character, also those that the ANSI code page cannot hold.
#pragma once

#include <string>
#include <vector>

namespace nuvopick {

// All arguments, the program's own name at index 0. Characters up to the blank
// separate arguments; double quotes start and end stretches in which they do not,
// and are removed. An argument written as exactly "" is left out.
std::vector<std::u16string> SplitArguments(const std::u16string& commandLine);

// The first argument after the program's name, or "" when there is none.
std::u16string FirstArgument(const std::u16string& commandLine);

}  // namespace nuvopick
