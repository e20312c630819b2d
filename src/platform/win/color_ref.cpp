#include "platform/win/color_ref.h"

namespace nuvopick::win {

COLORREF ToColorRef(std::int32_t color) {
  const auto value = static_cast<std::uint32_t>(color);
  if (value & 0x80000000u) return GetSysColor(static_cast<int>(value & 0xFF));
  return static_cast<COLORREF>(value & 0xFFFFFF);
}

}  // namespace nuvopick::win
