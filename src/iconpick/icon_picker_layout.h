// Where the icon picker's controls lie at a screen's DPI: its margins and
// control sizes are those of a 96-DPI screen, scaled; the grid holds six cells
// of 48 x 48 (at 96 DPI) with their lines, and a scroll bar of the system's
// width at that DPI.
#pragma once

#include "iconpick/icon_picker.h"
#include "platform/dpi_scale.h"
#include "platform/geometry.h"

namespace nuvopick {

// The grid's cells: a cell and the line right of and below it make a pitch.
struct TIconGridMetrics {
  int Cell = kIconCellSize;
  int Pitch = kIconCellSize + 1;

  // The cell under the point At of the grid's client area with TopRow the
  // first row shown; a point left of or above the grid gives a negative cell.
  TIconCell CellAt(TPoint at, int topRow) const;
};
TIconGridMetrics IconGridMetrics(const TDpiScale& dpi);

struct TIconPickerLayout {
  TRect Path;
  TRect Browse;
  TRect Grid;
  TRect IndexCaption;
  TRect Index;
  TRect Ok;
  TRect Cancel;
};
// Client is the window's client area at that DPI.
TIconPickerLayout IconPickerLayout(TSize client, int scrollBarWidth, const TDpiScale& dpi);

}  // namespace nuvopick
