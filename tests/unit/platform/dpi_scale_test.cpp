#include "platform/dpi_scale.h"

#include <gtest/gtest.h>

namespace nuvopick {
namespace {

struct TScaleCase {
  int Dpi;
  int Pixels;
  int Scaled;
};

TEST(DpiScaleTest, ScalesLengthsRoundingHalvesAwayFromZero) {
  const TScaleCase cases[] = {
      {96, 588, 588},  {96, -12, -12},  {120, 588, 735}, {120, 391, 489},  {120, 18, 23},
      {144, 588, 882}, {144, 391, 587}, {144, -12, -18}, {144, 13, 20},    {144, -13, -20},
      {192, 391, 782}, {192, -12, -24}, {0, 391, 391},   {-144, 391, 391}, {144, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TDpiScale(c.Dpi).Px(c.Pixels), c.Scaled) << c.Dpi << " DPI, " << c.Pixels;
  }
  EXPECT_EQ(TDpiScale(144).Px(TRect{1, 2, 3, 5}), (TRect{2, 3, 5, 8}));
}

TEST(DpiScaleTest, BitmapsGrowByWholeFactorsOnly) {
  const std::pair<int, int> cases[] = {{96, 1},  {120, 1}, {144, 1}, {191, 1},
                                       {192, 2}, {288, 3}, {300, 3}, {0, 1}};
  for (const auto& [dpi, factor] : cases) EXPECT_EQ(TDpiScale(dpi).WholeFactor(), factor) << dpi;
}

}  // namespace
}  // namespace nuvopick
