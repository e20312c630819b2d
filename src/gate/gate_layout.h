// Size and place of the gate window without a skin: the rows decide the size, the
// pointer the place, and the monitor under the pointer the limits.
#pragma once

#include <cstdint>

#include "platform/dpi_scale.h"
#include "platform/geometry.h"
#include "platform/row_icon_layout.h"

namespace nuvopick {

// Room left beside the widest row and below the last one, on a 96-DPI screen.
inline constexpr std::int32_t kGateListMargin = 5;

// The client size of the plain window: every row at its height, the widest row
// text after the icon column, and the margin on both, the margin grown with the
// DPI of the monitor the window appears on. Row height and text width are
// measured in the font made for that DPI already; rows with icons are at least
// as high as the icons need.
TSize PlainGateSize(int rowCount, std::int32_t rowHeight, std::int32_t maxItemWidth,
                    const TRowIconLayout& icons, const TDpiScale& dpi);

// The window at TopLeft, moved left and up when it would stick out over the right
// or bottom edge of Monitor. The left and top edges are not looked at: the window
// starts at the pointer, which is on the monitor.
TRect PlaceOnMonitor(TPoint topLeft, TSize size, const TRect& monitor);

}  // namespace nuvopick
