// The full path of the running executable, whatever its length.
#pragma once

#include <string>

namespace nuvopick::win {

std::string RunningExePath();

}  // namespace nuvopick::win
