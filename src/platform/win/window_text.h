// The text of a window or control, read whole.
#pragma once

#include <windows.h>

#include <string>

namespace nuvopick::win {

std::string WindowTextOf(HWND window);

}  // namespace nuvopick::win
