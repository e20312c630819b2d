#include "setup/setup_layout.h"

namespace nuvopick {

std::array<std::uint8_t, 32> TrayTitleGreys() {
  std::array<std::uint8_t, 32> greys{};
  for (int x = 0; x < 32; ++x)
    greys[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>((200 / 32) * x);
  return greys;
}

TPoint CenterIn(const TRect& outer, const TSize& inner) {
  return {(outer.Left + outer.Right - inner.Width) / 2,
          (outer.Top + outer.Bottom - inner.Height) / 2};
}

}  // namespace nuvopick
