#include "setup/setup_layout.h"

#include <gtest/gtest.h>

namespace nuvopick {
namespace {

TEST(SetupLayoutTest, TrayTitleRunsFromBlackInStepsOfSix) {
  const auto greys = TrayTitleGreys();
  EXPECT_EQ(greys[0], 0);
  EXPECT_EQ(greys[1], 6);
  EXPECT_EQ(greys[31], 186);
}

TEST(SetupLayoutTest, CentringRoundsTowardZero) {
  // An icon larger than its panel sits left of and above the panel's corner.
  EXPECT_EQ(CenterIn({0, 0, 41, 41}, {32, 32}), (TPoint{4, 4}));
  EXPECT_EQ(CenterIn({0, 0, 20, 20}, {32, 33}), (TPoint{-6, -6}));
  EXPECT_EQ(CenterIn({10, 100, 110, 120}, {50, 13}), (TPoint{35, 103}));
}

TEST(SetupLayoutTest, AMeasuredTextScaledBackIsNeverShorter) {
  for (const int dpi : {96, 120, 144, 192}) {
    const TDpiScale scale(dpi);
    for (int pixels = 0; pixels <= 600; ++pixels) {
      const int unscaled = UnscaledTextWidth(pixels, scale);
      EXPECT_GE(scale.Px(unscaled), pixels) << dpi << " DPI, " << pixels << " pixels";
      // Not a pixel of the 96-DPI layout more than the text needs.
      EXPECT_LT((unscaled - 1) * dpi, pixels * kDefaultDpi) << dpi << " DPI, " << pixels;
    }
  }
  EXPECT_EQ(UnscaledTextWidth(250, TDpiScale(96)), 250);
  EXPECT_EQ(UnscaledTextWidth(250, TDpiScale(120)), 200);
  EXPECT_EQ(UnscaledTextWidth(250, TDpiScale(144)), 167);
  EXPECT_EQ(UnscaledTextWidth(251, TDpiScale(192)), 126);
}

TEST(SetupLayoutTest, APixelGoesBackToThe96DpiPointThatHoldsIt) {
  const struct {
    int dpi;
    TPoint at;
    TPoint unscaled;
  } cases[] = {
      {96, {-1, 48}, {-1, 48}},  {120, {-1, 0}, {-1, 0}},    // left of the origin stays outside
      {144, {-2, -1}, {-2, -1}}, {144, {73, 74}, {48, 49}},  // 49 is 74 pixels: its last one (73)
                                                             // is 48
      {144, {1, 2}, {0, 1}},     {192, {-1, 97}, {-1, 48}}, {192, {-3, 98}, {-2, 49}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UnscaledPoint(c.at, TDpiScale(c.dpi)), c.unscaled)
        << c.dpi << " DPI, " << c.at.X << "," << c.at.Y;
  }
}

}  // namespace
}  // namespace nuvopick
