#include "support/win/recorder_output.h"

#include <windows.h>

#include <algorithm>
#include <sstream>
#include <utility>

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

std::vector<std::u16string> RecordedStartArguments(const std::string& recorderExe) {
  std::string logPath = recorderExe;
  logPath.replace(logPath.size() - 4, 4, ".log");
  std::istringstream lines(ReadFileText(logPath));
  std::vector<std::pair<unsigned long long, std::u16string>> starts;
  for (std::string line; std::getline(lines, line);) {
    const auto tab = line.find('\t');
    if (tab == std::string::npos) continue;
    starts.emplace_back(std::stoull(line.substr(0, tab)),
                        RecorderWideValue({{"", line.substr(tab + 1)}}, ""));
  }
  std::stable_sort(starts.begin(), starts.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::u16string> arguments;
  for (auto& start : starts) arguments.push_back(std::move(start.second));
  return arguments;
}

}  // namespace nuvopick::testing
