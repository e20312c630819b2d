// Reading back what recorder.exe wrote.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace nuvopick::testing {

// The key=value lines of recorder.out beside the recorder exe at Path.
std::map<std::string, std::string> ReadRecorderOutput(const std::string& recorderExe);

// The first argument of every start that recorder.log holds, in the order the
// starts were made.
std::vector<std::u16string> RecordedStartArguments(const std::string& recorderExe);

// A value that the recorder wrote in UTF-8 (the keys starting with "wide"), as
// UTF-16; empty when it is missing.
std::u16string RecorderWideValue(const std::map<std::string, std::string>& output,
                                 const std::string& key);

}  // namespace nuvopick::testing
