#include "support/win/recorder_output.h"

#include <sstream>

#include "support/win/temp_folder.h"

namespace nuvopick::testing {

std::map<std::string, std::string> ReadRecorderOutput(const std::string& recorderExe) {
  std::string outPath = recorderExe;
  outPath.replace(outPath.size() - 4, 4, ".out");
  std::istringstream lines(ReadFileText(outPath));
  std::map<std::string, std::string> values;
  for (std::string line; std::getline(lines, line);) {
    const auto equals = line.find('=');
    if (equals != std::string::npos) values[line.substr(0, equals)] = line.substr(equals + 1);
  }
  return values;
}

}  // namespace nuvopick::testing
