// The window outline from a frame image, against the real GDI.
#include "skin/win/region.h"

#include <gtest/gtest.h>

#include "skin/region_runs.h"

namespace nuvopick::win {
namespace {

constexpr TRgb kTrans{0xFF, 0x00, 0xFF};

// A frame with cut corners, a hole, a pixel one unit off the transparent colour,
// a wholly transparent row and rows that end in visible pixels.
TPixelImage Frame() {
  TPixelImage image(24, 12, {0x20, 0x40, 0x80});
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 24; ++x) {
      const bool corner = (x + y < 3) || (23 - x + y < 3) || (x + 11 - y < 3);
      const bool hole = x >= 10 && x < 14 && y >= 4 && y < 7;
      if (corner || hole || y == 8) image.SetPixel(x, y, kTrans);
    }
  }
  image.SetPixel(11, 5, {0xFF, 0x01, 0xFF});
  return image;
}

TEST(Region, TheOutlineHoldsExactlyTheVisiblePixels) {
  const TPixelImage image = Frame();
  TRegion region;
  region.RegionFromBitmap(image, kTrans);
  ASSERT_NE(region.Handle(), nullptr);
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      EXPECT_EQ(PtInRegion(region.Handle(), x, y) != FALSE, !(image.Pixel(x, y) == kTrans))
          << x << "," << y;
    }
  }
}

// Transparent cells of Cell pixels in a board: many runs, more than one slice of
// region data.
TPixelImage Checkerboard(int width, int height, int cell) {
  TPixelImage image(width, height, {0x30, 0x60, 0x90});
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if ((x / cell + y / cell) % 2 == 0) image.SetPixel(x, y, kTrans);
    }
  }
  return image;
}

TEST(Region, RegionDataGivesTheSameRegionAsOneRectangleARun) {
  for (const TPixelImage& image : {Frame(), Checkerboard(300, 200, 3)}) {
    TRegion byRuns;
    byRuns.SetCombineMode(TCombineMode::Or);
    for (const TRect& run : RegionRuns(image, kTrans)) {
      byRuns.AddRect(run.Left, run.Top, run.Right, run.Bottom);
    }
    TRegion fromData;
    fromData.RegionFromBitmap(image, kTrans);
    EXPECT_TRUE(EqualRgn(byRuns.Handle(), fromData.Handle())) << image.Width();
  }
}

TEST(Region, CombineModes) {
  TRegion region;  // copy: each rectangle replaces the last
  region.AddRect(0, 0, 10, 10);
  region.AddRect(20, 0, 30, 10);
  EXPECT_FALSE(PtInRegion(region.Handle(), 5, 5));
  EXPECT_TRUE(PtInRegion(region.Handle(), 25, 5));

  region.SetCombineMode(TCombineMode::Diff);
  region.AddRect(20, 0, 25, 10);
  EXPECT_FALSE(PtInRegion(region.Handle(), 22, 5));
  EXPECT_TRUE(PtInRegion(region.Handle(), 27, 5));

  region.SetCombineMode(TCombineMode::And);
  region.Combine(nullptr);  // and with nothing: nothing
  EXPECT_EQ(region.Handle(), nullptr);
}

}  // namespace
}  // namespace nuvopick::win
