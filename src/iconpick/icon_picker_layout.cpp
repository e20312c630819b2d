#include "iconpick/icon_picker_layout.h"

namespace nuvopick {
namespace {

// Rounded down, so that the pixels left of and above the grid stay outside it.
int FloorDiv(int value, int divisor) {
  const int whole = value / divisor;
  return value % divisor < 0 ? whole - 1 : whole;
}

}  // namespace

TIconCell TIconGridMetrics::CellAt(TPoint at, int topRow) const {
  return {topRow + FloorDiv(at.Y, Pitch), FloorDiv(at.X, Pitch)};
}

// The line between the cells grows with the cells: 1 pixel up to 120 DPI, 2
// from 144.
TIconGridMetrics IconGridMetrics(const TDpiScale& dpi) {
  return {dpi.Px(kIconCellSize), dpi.Px(kIconCellSize + 1)};
}

TIconPickerLayout IconPickerLayout(TSize client, int scrollBarWidth, const TDpiScale& dpi) {
  const TIconGridMetrics grid = IconGridMetrics(dpi);
  const int right = client.Width - dpi.Px(6);
  TIconPickerLayout layout;
  layout.Path = {dpi.Px(6), dpi.Px(6), right - dpi.Px(30), dpi.Px(28)};
  layout.Browse = {right - dpi.Px(26), dpi.Px(6), right, dpi.Px(28)};
  // Six cells with their lines, the scroll bar and the sunken edge; five rows.
  const int gridLeft = dpi.Px(6);
  const int gridTop = dpi.Px(34);
  layout.Grid = {gridLeft, gridTop,
                 gridLeft + kIconColumns * grid.Pitch + scrollBarWidth + dpi.Px(4),
                 gridTop + 5 * grid.Pitch + dpi.Px(4)};
  const int below = layout.Grid.Bottom + dpi.Px(8);
  layout.IndexCaption = {dpi.Px(6), below, dpi.Px(150), below + dpi.Px(16)};
  layout.Index = {dpi.Px(154), below, dpi.Px(220), below + dpi.Px(16)};
  const int buttons = client.Height - dpi.Px(31);
  layout.Ok = {right - dpi.Px(158), buttons, right - dpi.Px(82), buttons + dpi.Px(25)};
  layout.Cancel = {right - dpi.Px(76), buttons, right, buttons + dpi.Px(25)};
  return layout;
}

}  // namespace nuvopick
