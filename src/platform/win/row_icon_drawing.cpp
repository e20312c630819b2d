#include "platform/win/row_icon_drawing.h"

namespace nuvopick::win {

void DrawRowIcon(HDC dc, const RECT& row, HICON icon, const TRowIconLayout& icons) {
  if (icon == nullptr || !icons.HasIcons()) return;
  const int top = row.top + (row.bottom - row.top - icons.IconSize) / 2;
  DrawIconEx(dc, row.left + icons.IconLeft, top, icon, icons.IconSize, icons.IconSize, 0, nullptr,
             DI_NORMAL);
}

}  // namespace nuvopick::win
