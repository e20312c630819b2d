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

}  // namespace
}  // namespace nuvopick
