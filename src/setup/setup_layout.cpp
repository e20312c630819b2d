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

int UnscaledTextWidth(int pixels, const TDpiScale& dpi) {
  const long long scaled = static_cast<long long>(pixels) * kDefaultDpi;
  return static_cast<int>((scaled + dpi.Dpi() - 1) / dpi.Dpi());
}

TPoint UnscaledPoint(TPoint at, const TDpiScale& dpi) {
  const auto down = [&dpi](std::int32_t pixel) {
    const long long scaled = static_cast<long long>(pixel) * kDefaultDpi;
    const long long whole = scaled / dpi.Dpi();
    return static_cast<std::int32_t>(scaled % dpi.Dpi() < 0 ? whole - 1 : whole);
  };
  return {down(at.X), down(at.Y)};
}

}  // namespace nuvopick
