// The small program icon of a list row, drawn in the row's icon column.
#pragma once

#include <windows.h>

#include "platform/row_icon_layout.h"

namespace nuvopick::win {

// Draws Icon at the layout's size, centred in the height of Row; nothing for no
// icon or a layout without icons.
void DrawRowIcon(HDC dc, const RECT& row, HICON icon, const TRowIconLayout& icons);

}  // namespace nuvopick::win
