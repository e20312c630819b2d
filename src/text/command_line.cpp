// Splitting the command line into arguments.
#include "text/command_line.h"

namespace nuvopick {

namespace {

// Every unit of a character outside the basic plane (a surrogate) is above the
// blank, so a pair is never split.
bool IsSeparator(char16_t c) {
  return c <= u' ';
}

}  // namespace

std::vector<std::u16string> SplitArguments(const std::u16string& commandLine) {
  std::vector<std::u16string> arguments;
  std::size_t i = 0;
  while (true) {
    while (i < commandLine.size() && IsSeparator(commandLine[i])) ++i;
    if (i == commandLine.size()) break;

    const std::size_t start = i;
    std::u16string argument;
    bool inQuotes = false;
    for (; i < commandLine.size() && (inQuotes || !IsSeparator(commandLine[i])); ++i) {
      if (commandLine[i] == u'"') {
        inQuotes = !inQuotes;
      } else {
        argument += commandLine[i];
      }
    }
    // A caller that passes an empty quoted argument passes nothing.
    if (commandLine.compare(start, i - start, u"\"\"") == 0) continue;
    arguments.push_back(argument);
  }
  return arguments;
}

std::u16string FirstArgument(const std::u16string& commandLine) {
  const std::vector<std::u16string> arguments = SplitArguments(commandLine);
  return arguments.size() > 1 ? arguments[1] : std::u16string();
}

}  // namespace nuvopick
