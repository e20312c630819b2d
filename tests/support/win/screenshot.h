// Saves what the screen shows as a BMP under the build folder's screenshots/,
// for people to look at; scripts/test turns them into PNG files.
#pragma once

#include <string>

namespace nuvopick::testing {

void SaveScreenshot(const std::string& name);

}  // namespace nuvopick::testing
