// The program's arguments, split from the whole command line by the platform's
// rule, walking characters of the system's code page.
#pragma once

#include <string>
#include <vector>

namespace nuvopick {

// All arguments, the program's own name at index 0. Characters up to the blank
// separate arguments; double quotes start and end stretches in which they do not,
// and are removed. An argument written as exactly "" is left out.
std::vector<std::string> SplitArguments(const std::string& commandLine);

// The first argument after the program's name, or "" when there is none.
std::string FirstArgument(const std::string& commandLine);

}  // namespace nuvopick
