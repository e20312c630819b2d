#include "iconpick/icon_picker_layout.h"

#include <gtest/gtest.h>

namespace nuvopick {
namespace {

constexpr int kScrollBar = 17;

TEST(IconPickerLayoutTest, At96DpiTheControlsLieAsTheyAlwaysDid) {
  const TIconPickerLayout layout = IconPickerLayout({315, 339}, kScrollBar, TDpiScale(96));
  EXPECT_EQ(layout.Path, (TRect{6, 6, 279, 28}));
  EXPECT_EQ(layout.Browse, (TRect{283, 6, 309, 28}));
  EXPECT_EQ(layout.Grid, (TRect{6, 34, 6 + 6 * 49 + kScrollBar + 4, 34 + 5 * 49 + 4}));
  EXPECT_EQ(layout.IndexCaption, (TRect{6, 291, 150, 307}));
  EXPECT_EQ(layout.Index, (TRect{154, 291, 220, 307}));
  EXPECT_EQ(layout.Ok, (TRect{151, 308, 227, 333}));
  EXPECT_EQ(layout.Cancel, (TRect{233, 308, 309, 333}));
}

TEST(IconPickerLayoutTest, TheGridHoldsSixScaledCellsAndTheRestKeepsItsScaledMargins) {
  for (const int dpi : {96, 120, 144, 192}) {
    const TDpiScale scale(dpi);
    // The client area of the 323 x 373 window in a frame of 3 and a caption of 22.
    const TSize client = scale.Px(TSize{317, 345});
    const int scrollBar = scale.Px(kScrollBar);
    const TIconPickerLayout layout = IconPickerLayout(client, scrollBar, scale);
    const TIconGridMetrics cells = IconGridMetrics(scale);
    EXPECT_EQ(cells.Cell, scale.Px(48)) << dpi;
    EXPECT_GE(cells.Pitch - cells.Cell, 1) << dpi;
    EXPECT_EQ(layout.Grid.Width(), 6 * cells.Pitch + scrollBar + scale.Px(4)) << dpi;
    EXPECT_EQ(layout.Grid.Height(), 5 * cells.Pitch + scale.Px(4)) << dpi;
    // Nothing overlaps; the buttons keep to the client area's corner.
    EXPECT_LT(layout.Path.Right, layout.Browse.Left) << dpi;
    EXPECT_LT(layout.Grid.Bottom, layout.IndexCaption.Top) << dpi;
    EXPECT_LT(layout.IndexCaption.Right, layout.Index.Left) << dpi;
    EXPECT_LT(layout.Index.Bottom, layout.Ok.Top) << dpi;
    EXPECT_LT(layout.Ok.Right, layout.Cancel.Left) << dpi;
    EXPECT_EQ(layout.Cancel.Right, client.Width - scale.Px(6)) << dpi;
    EXPECT_EQ(layout.Cancel.Bottom, client.Height - scale.Px(6)) << dpi;
    EXPECT_EQ(layout.Ok.Height(), scale.Px(25)) << dpi;
  }
}

TEST(IconPickerLayoutTest, APointFallsInTheCellOfItsPitch) {
  const struct {
    int dpi;
    TPoint at;
    int top;
    TIconCell cell;
  } cases[] = {
      {96, {48, 48}, 0, {0, 0}},  // the line right of and below a cell is the cell's
      {96, {49, 98}, 3, {5, 1}},   {144, {73, 73}, 0, {0, 0}},
      {144, {74, 147}, 1, {2, 1}}, {144, {-1, -1}, 2, {1, -1}},  // left of and above the grid
      {192, {97, 98}, 0, {1, 0}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IconGridMetrics(TDpiScale(c.dpi)).CellAt(c.at, c.top), c.cell)
        << c.dpi << " DPI at " << c.at.X << "," << c.at.Y;
  }
}

}  // namespace
}  // namespace nuvopick
