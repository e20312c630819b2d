#include "gate/gate_layout.h"

namespace nuvopick {

TSize PlainGateSize(int rowCount, std::int32_t rowHeight, std::int32_t maxItemWidth,
                    const TRowIconLayout& icons, const TDpiScale& dpi) {
  const std::int32_t margin = dpi.Px(kGateListMargin);
  return {icons.TextLeft + maxItemWidth + margin,
          rowCount * RowHeightWithIcon(rowHeight, icons) + margin};
}

TRect PlaceOnMonitor(TPoint topLeft, TSize size, const TRect& monitor) {
  std::int32_t left = topLeft.X;
  std::int32_t top = topLeft.Y;
  if (left + size.Width > monitor.Right) left = monitor.Right - size.Width;
  if (top + size.Height > monitor.Bottom) top = monitor.Bottom - size.Height;
  return {left, top, left + size.Width, top + size.Height};
}

}  // namespace nuvopick
