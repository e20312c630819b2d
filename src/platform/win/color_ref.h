// The colours of the settings as GDI takes them.
#pragma once

#include <windows.h>

#include <cstdint>

namespace nuvopick::win {

// A colour of the settings: the high bit names a system colour by its index.
COLORREF ToColorRef(std::int32_t color);

}  // namespace nuvopick::win
