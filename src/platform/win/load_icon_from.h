// The icon of an extension's file type as the setup window shows it.
#pragma once

#include <string>

#include "platform/win/gdi_owners.h"

namespace nuvopick::win {

// The icon at Index of the file at Path. When no file is there, the program's own
// document icon (index 1 of the running exe) whatever Index was. An empty icon
// when the file has no icon at that index.
TIcon LoadIconFrom(const std::string& path, int index);

}  // namespace nuvopick::win
