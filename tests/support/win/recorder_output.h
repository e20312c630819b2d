// Reading back what recorder.exe wrote.
#pragma once

#include <map>
#include <string>

namespace nuvopick::testing {

// The key=value lines of recorder.out beside the recorder exe at Path.
std::map<std::string, std::string> ReadRecorderOutput(const std::string& recorderExe);

}  // namespace nuvopick::testing
