// The window's outline as runs of visible pixels, and the runs joined into bands.
#include "skin/region_runs.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "skin/skin_composition.h"
#include "skin_images.h"

namespace nuvopick::testing {
namespace {

constexpr TRgb kTrans{255, 0, 255};

// One row per text: "." the transparent colour, "r", "g", "b" one unit off it in
// that channel, "#" anything else.
TPixelImage Picture(const std::vector<std::string>& rows) {
  TPixelImage image(static_cast<std::int32_t>(rows[0].size()),
                    static_cast<std::int32_t>(rows.size()));
  for (std::int32_t y = 0; y < image.Height(); ++y) {
    for (std::int32_t x = 0; x < image.Width(); ++x) {
      TRgb color{0, 0, 0};
      switch (rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]) {
        case '.':
          color = kTrans;
          break;
        case 'r':
          color = TRgb{254, 0, 255};
          break;
        case 'g':
          color = TRgb{255, 1, 255};
          break;
        case 'b':
          color = TRgb{255, 0, 254};
          break;
        default:
          break;
      }
      image.SetPixel(x, y, color);
    }
  }
  return image;
}

// The pixels a list of rectangles covers.
std::set<std::pair<std::int32_t, std::int32_t>> Pixels(const std::vector<TRect>& rects) {
  std::set<std::pair<std::int32_t, std::int32_t>> pixels;
  for (const TRect& r : rects) {
    for (std::int32_t y = r.Top; y < r.Bottom; ++y) {
      for (std::int32_t x = r.Left; x < r.Right; ++x) pixels.insert({x, y});
    }
  }
  return pixels;
}

TEST(RegionRuns, OneRectanglePerRunRowByRow) {
  const TPixelImage image = Picture({
      "..##..",  //
      "......",  // wholly transparent: nothing
      "#.#..#",  // the last run reaches the width
      "######",  //
      "r.g.b.",  // one unit off in any channel stays visible
  });
  const std::vector<TRect> expected = {
      {2, 0, 4, 1}, {0, 2, 1, 3}, {2, 2, 3, 3}, {5, 2, 6, 3},
      {0, 3, 6, 4}, {0, 4, 1, 5}, {2, 4, 3, 5}, {4, 4, 5, 5},
  };
  EXPECT_EQ(RegionRuns(image, kTrans), expected);
  EXPECT_TRUE(RegionRuns(TPixelImage(), kTrans).empty());
}

TEST(RegionRuns, CutCornersOfAComposedFrame) {
  TSkinSettings skin;
  skin.TransColor = kTrans;
  skin.BmpTop = TPixelImage(4, 3, TRgb{9, 9, 9});
  skin.BmpBottom = skin.BmpTop;
  skin.BmpLeft = TPixelImage(3, 4, TRgb{9, 9, 9});
  skin.BmpRight = skin.BmpLeft;
  skin.BmpTopLeft = Picture({"..#", ".##", "###"});
  skin.BmpTopRight = Picture({"#..", "##.", "###"});
  const std::optional<TComposedSkin> composed = ComposeSkin(skin, 3, 3, 1);
  ASSERT_TRUE(composed);
  ASSERT_EQ(composed->Layout.FrameSize, (TSize{10, 10}));
  const std::vector<TRect> runs = RegionRuns(composed->Frame, kTrans);
  // The rounded top corners; the bottom has no corner images, so its corners are
  // cut square.
  const std::vector<TRect> expected = {
      {2, 0, 8, 1},  {1, 1, 9, 2},  {0, 2, 10, 3}, {0, 3, 10, 4}, {0, 4, 10, 5},
      {0, 5, 10, 6}, {0, 6, 10, 7}, {3, 7, 7, 8},  {3, 8, 7, 9},  {3, 9, 7, 10},
  };
  EXPECT_EQ(runs, expected);
}

TEST(RegionRuns, BandsJoinRowsWithTheSameRuns) {
  const TPixelImage image = Picture({
      "#..#",  //
      "#..#",  // same runs as above: one band of two rows
      "####",  //
      "....",  //
      "####",  // same runs as two rows up, but not its neighbour
      ".##.",  //
      ".##.",  //
  });
  const std::vector<TRect> runs = RegionRuns(image, kTrans);
  const std::vector<TRect> expected = {
      {0, 0, 1, 2}, {3, 0, 4, 2}, {0, 2, 4, 3}, {0, 4, 4, 5}, {1, 5, 3, 7},
  };
  const std::vector<TRect> bands = MergeRunBands(runs);
  EXPECT_EQ(bands, expected);
  EXPECT_EQ(Pixels(bands), Pixels(runs));
}

}  // namespace
}  // namespace nuvopick::testing
