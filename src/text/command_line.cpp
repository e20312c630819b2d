// Splitting the command line into arguments.
#include "text/command_line.h"

#include "text/dbcs.h"

namespace nuvopick {

namespace {

bool IsSeparator(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

std::vector<std::string> SplitArguments(const std::string& commandLine) {
  std::vector<std::string> arguments;
  std::size_t i = 0;
  while (true) {
    while (i < commandLine.size() && IsSeparator(commandLine[i])) ++i;
    if (i == commandLine.size()) break;

    const std::size_t start = i;
    std::string argument;
    bool inQuotes = false;
    while (i < commandLine.size() && (inQuotes || !IsSeparator(commandLine[i]))) {
      const std::size_t next = NextCharPos(commandLine, i);
      if (commandLine[i] == '"') {
        inQuotes = !inQuotes;
      } else {
        argument.append(commandLine, i, next - i);
      }
      i = next;
    }
    // A caller that passes an empty quoted argument passes nothing.
    if (commandLine.compare(start, i - start, "\"\"") == 0) continue;
    arguments.push_back(argument);
  }
  return arguments;
}

std::string FirstArgument(const std::string& commandLine) {
  const std::vector<std::string> arguments = SplitArguments(commandLine);
  return arguments.size() > 1 ? arguments[1] : std::string();
}

}  // namespace nuvopick
