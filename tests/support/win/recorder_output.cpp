#include "support/win/recorder_output.h"

#include <windows.h>

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

std::u16string RecorderWideValue(const std::map<std::string, std::string>& output,
                                 const std::string& key) {
  const auto found = output.find(key);
  if (found == output.end() || found->second.empty()) return {};
  const std::string& utf8 = found->second;
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::u16string wide(static_cast<std::size_t>(length), u'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, reinterpret_cast<wchar_t*>(wide.data()),
                      length);
  return wide;
}

}  // namespace nuvopick::testing
