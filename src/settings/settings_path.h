// Where the settings file lives: beside the executable, named after it.
#pragma once

#include <string>

namespace nuvopick {

// The executable's full path with its extension replaced by ".ini" (appended when
// the file name has none), so a renamed executable uses its own settings file.
std::string SettingsPathFor(const std::string& exePath);

}  // namespace nuvopick
