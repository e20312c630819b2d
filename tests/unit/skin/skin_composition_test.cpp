// The skinned window composed on pixel buffers: the list's size in whole tiles, the
// frame's edges and corners, the interior fill and the background.
#include "skin/skin_composition.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "skin_images.h"

namespace nuvopick::testing {
namespace {

constexpr TRgb kMarker{1, 1, 1};
constexpr TRgb kMagenta{255, 0, 255};
constexpr TRgb kBack{0xFF, 0xFF, 0xAA};

// The places in row Y (or column X) where the marker shows.
std::vector<std::int32_t> MarkersInRow(const TPixelImage& image, std::int32_t y) {
  std::vector<std::int32_t> found;
  for (std::int32_t x = 0; x < image.Width(); ++x) {
    if (image.Pixel(x, y) == kMarker) found.push_back(x);
  }
  return found;
}
std::vector<std::int32_t> MarkersInColumn(const TPixelImage& image, std::int32_t x) {
  std::vector<std::int32_t> found;
  for (std::int32_t y = 0; y < image.Height(); ++y) {
    if (image.Pixel(x, y) == kMarker) found.push_back(y);
  }
  return found;
}

// True when every pixel of Rect is Color.
bool AllOf(const TPixelImage& image, const TRect& rect, TRgb color) {
  for (std::int32_t y = rect.Top; y < rect.Bottom; ++y) {
    for (std::int32_t x = rect.Left; x < rect.Right; ++x) {
      if (!(image.Pixel(x, y) == color)) return false;
    }
  }
  return true;
}

TRgb Grey(std::uint8_t level) {
  return TRgb{level, level, level};
}

// All eight images W × H, each its own grey with the marker at its top-left pixel.
TSkinSettings EightImages(std::int32_t w, std::int32_t h) {
  TSkinSettings skin;
  TPixelImage* images[] = {&skin.BmpLeft,       &skin.BmpRight,      &skin.BmpTop,
                           &skin.BmpBottom,     &skin.BmpTopLeft,    &skin.BmpTopRight,
                           &skin.BmpBottomLeft, &skin.BmpBottomRight};
  std::uint8_t level = 10;
  for (TPixelImage* image : images) *image = MarkedTile(w, h, Grey(level += 10), kMarker);
  return skin;
}

TEST(SkinComposition, EightByEightTilesAroundOneRow) {
  const TSkinSettings skin = EightImages(8, 8);
  const std::optional<TComposedSkin> composed = ComposeSkin(skin, 17, 40, 1);
  ASSERT_TRUE(composed);
  // 40 is five tiles exactly, so a sixth is added; 17 rows of pixels need three tiles.
  EXPECT_EQ(composed->Layout, (TSkinLayout{{64, 40}, {8, 8, 56, 32}, 17}));
  const TPixelImage& frame = composed->Frame;
  ASSERT_EQ(frame.Width(), 64);
  ASSERT_EQ(frame.Height(), 40);

  // Corners at the margins, the edges' tiles between them.
  EXPECT_EQ(MarkersInRow(frame, 0), (std::vector<std::int32_t>{0, 8, 16, 24, 32, 40, 48, 56}));
  EXPECT_EQ(MarkersInRow(frame, 32), (std::vector<std::int32_t>{0, 8, 16, 24, 32, 40, 48, 56}));
  EXPECT_EQ(MarkersInColumn(frame, 0), (std::vector<std::int32_t>{0, 8, 16, 24, 32}));
  EXPECT_EQ(MarkersInColumn(frame, 56), (std::vector<std::int32_t>{0, 8, 16, 24, 32}));
  EXPECT_EQ(frame.Pixel(3, 3), skin.BmpTopLeft.Pixel(3, 3));
  EXPECT_EQ(frame.Pixel(60, 3), skin.BmpTopRight.Pixel(4, 3));
  EXPECT_EQ(frame.Pixel(3, 36), skin.BmpBottomLeft.Pixel(3, 4));
  EXPECT_EQ(frame.Pixel(60, 36), skin.BmpBottomRight.Pixel(4, 4));
  EXPECT_EQ(frame.Pixel(30, 3), skin.BmpTop.Pixel(6, 3));
  EXPECT_EQ(frame.Pixel(30, 36), skin.BmpBottom.Pixel(6, 4));
  EXPECT_EQ(frame.Pixel(3, 20), skin.BmpLeft.Pixel(3, 4));
  EXPECT_EQ(frame.Pixel(60, 20), skin.BmpRight.Pixel(4, 4));
  // The list area in the interior fill of the transparent colour black.
  EXPECT_TRUE(AllOf(frame, {8, 8, 56, 32}, TRgb{255, 0, 0}));

  EXPECT_EQ(composed->Background, TPixelImage(48, 24, kBack));
}

TEST(SkinComposition, TheListIsWholeTilesOfTheWiderEdge) {
  TSkinSettings skin;
  skin.BmpTop = MarkedTile(10, 4, Grey(50), kMarker);
  skin.BmpBottom = MarkedTile(16, 4, Grey(60), kMarker);
  skin.BmpLeft = MarkedTile(4, 8, Grey(70), kMarker);
  skin.BmpRight = MarkedTile(4, 5, Grey(80), kMarker);
  const std::optional<TComposedSkin> composed = ComposeSkin(skin, 8, 33, 2);
  ASSERT_TRUE(composed);
  // Width max(40, 48); height: 16 rows of pixels, max(24 of the left, 20 of the right).
  EXPECT_EQ(composed->Layout.ListRect, (TRect{4, 4, 52, 28}));
  EXPECT_EQ(composed->Layout.FrameSize, (TSize{56, 32}));
  // Five top tiles, the last running 2 pixels into the right margin; three bottom ones.
  EXPECT_EQ(MarkersInRow(composed->Frame, 0), (std::vector<std::int32_t>{4, 14, 24, 34, 44}));
  EXPECT_EQ(composed->Frame.Pixel(53, 1), Grey(50));
  EXPECT_EQ(MarkersInRow(composed->Frame, 28), (std::vector<std::int32_t>{4, 20, 36}));
  EXPECT_EQ(MarkersInColumn(composed->Frame, 0), (std::vector<std::int32_t>{4, 12, 20}));
  EXPECT_EQ(MarkersInColumn(composed->Frame, 52), (std::vector<std::int32_t>{4, 9, 14, 19, 24}));
}

TEST(SkinComposition, MarginsComeFromTheLargestImageAndUncoveredPixelsAreCutAway) {
  TSkinSettings skin;
  skin.TransColor = kMagenta;
  skin.BmpTop = TPixelImage(4, 2, Grey(50));
  skin.BmpBottom = TPixelImage(4, 2, Grey(60));
  skin.BmpLeft = TPixelImage(2, 4, Grey(70));
  skin.BmpRight = TPixelImage(5, 4, Grey(80));
  skin.BmpTopLeft = TPixelImage(3, 3, Grey(90));    // wider and higher than its edges
  skin.BmpTopRight = TPixelImage(2, 2, Grey(100));  // narrower than the right margin
  const std::optional<TComposedSkin> composed = ComposeSkin(skin, 3, 3, 1);
  ASSERT_TRUE(composed);
  EXPECT_EQ(composed->Layout.ListRect, (TRect{3, 3, 7, 7}));
  EXPECT_EQ(composed->Layout.FrameSize, (TSize{12, 9}));

  const TPixelImage& frame = composed->Frame;
  EXPECT_TRUE(AllOf(frame, {0, 0, 3, 3}, Grey(90)));
  EXPECT_TRUE(AllOf(frame, {3, 0, 7, 2}, Grey(50)));
  EXPECT_TRUE(AllOf(frame, {3, 2, 7, 3}, kMagenta));   // below the top edge
  EXPECT_TRUE(AllOf(frame, {7, 0, 9, 2}, Grey(100)));  // the corner at FW − R
  EXPECT_TRUE(AllOf(frame, {9, 0, 12, 3}, kMagenta));
  EXPECT_TRUE(AllOf(frame, {0, 3, 2, 7}, Grey(70)));
  EXPECT_TRUE(AllOf(frame, {2, 3, 3, 7}, kMagenta));  // beside the left edge
  EXPECT_TRUE(AllOf(frame, {3, 3, 7, 7}, TRgb{0, 255, 255}));
  EXPECT_TRUE(AllOf(frame, {7, 3, 12, 7}, Grey(80)));
  EXPECT_TRUE(AllOf(frame, {3, 7, 7, 9}, Grey(60)));
  EXPECT_TRUE(AllOf(frame, {0, 7, 3, 9}, kMagenta));  // no bottom corners
  EXPECT_TRUE(AllOf(frame, {7, 7, 12, 9}, kMagenta));
}

TEST(SkinComposition, TheInteriorFillIsNeverTheTransparentColour) {
  const struct {
    TRgb trans;
    TRgb fill;
  } cases[] = {
      {{0, 0, 0}, {255, 0, 0}},
      {{255, 0, 255}, {0, 255, 255}},
      {{0x80, 0x7F, 0x7F}, {0x7F, 0x80, 0x80}},
  };
  for (const auto& c : cases) {
    TSkinSettings skin = EightImages(8, 8);
    skin.TransColor = c.trans;
    const std::optional<TComposedSkin> composed = ComposeSkin(skin, 10, 10, 1);
    ASSERT_TRUE(composed);
    EXPECT_TRUE(AllOf(composed->Frame, composed->Layout.ListRect, c.fill));
  }
}

TEST(SkinComposition, NothingWithoutTheEdgesToCountTilesIn) {
  for (TPixelImage TSkinSettings::*edge : {&TSkinSettings::BmpLeft, &TSkinSettings::BmpRight,
                                           &TSkinSettings::BmpTop, &TSkinSettings::BmpBottom}) {
    TSkinSettings skin = EightImages(8, 8);
    skin.*edge = TPixelImage();
    EXPECT_FALSE(skin.IsUsable());
    EXPECT_FALSE(ComposeSkin(skin, 17, 40, 1));
  }
  // A window larger than an image may be.
  EXPECT_FALSE(ComposeSkin(EightImages(8, 8), 17, 20000, 1));
  EXPECT_FALSE(ComposeSkin(EightImages(8, 8), 17000, 40, 1));
}

// The room below the text grows with the fonts, by the DPI's exact factor.
TEST(SkinComposition, ItemHeightFromTheTallerFont) {
  struct Case {
    int dpi;
    std::int32_t sel;
    std::int32_t item;
    std::int32_t height;
  };
  const Case cases[] = {
      {96, 12, 14, 19}, {96, 16, 12, 21}, {120, 15, 17, 23}, {144, 18, 21, 29}, {192, 24, 28, 38},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dpi);
    EXPECT_EQ(SkinItemHeight(c.sel, c.item, TDpiScale(c.dpi)), c.height);
  }
}

// Rows with icons: the icon column comes before the text and widens the list by
// what it takes beyond the text's indent; a row is at least as high as its icon.
TEST(SkinComposition, AnIconColumnWidensAndHeightensTheRows) {
  struct Case {
    int dpi;
    std::int32_t iconSize;
    std::int32_t fontHeight;
    TSkinRowMetrics rows;
  };
  const Case cases[] = {
      {96, 0, 12, {17, 2, 40}},     // no icons: as ever
      {96, 16, 10, {18, 22, 60}},   // the icon is the taller
      {96, 16, 14, {19, 22, 60}},   // the text is the taller
      {144, 24, 10, {27, 33, 70}},  // icon and gaps grown with the DPI
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.dpi << " " << c.iconSize << " " << c.fontHeight);
    const TDpiScale dpi(c.dpi);
    const TSkinRowMetrics rows =
        SkinRowMetrics(c.fontHeight, c.fontHeight, 40, RowIconLayoutFor(c.iconSize, dpi), dpi);
    EXPECT_EQ(rows, c.rows);
  }
  // The frame is sized from those rows: two rows of 18 need 40 pixels of 8-pixel
  // tiles, and 60 pixels of text and icon 64.
  const TSkinRowMetrics rows = SkinRowMetrics(10, 10, 40, RowIconLayoutFor(16, TDpiScale()), {});
  const std::optional<TComposedSkin> composed =
      ComposeSkin(EightImages(8, 8), rows.ItemHeight, rows.ComposedTextWidth, 2);
  ASSERT_TRUE(composed);
  EXPECT_EQ(composed->Layout, (TSkinLayout{{80, 56}, {8, 8, 72, 48}, 18}));
}

// At 192 DPI the images are twice as large and so are the text and the rows:
// the composition gives the 96-DPI frame with every pixel doubled, so it stays
// sharp and whole.
TEST(SkinComposition, DoubledImagesAndTextComposeTheDoubledFrame) {
  const TSkinSettings skin = EightImages(8, 8);
  TSkinSettings doubled = skin;
  EnlargeSkinImages(doubled, 2);
  const std::optional<TComposedSkin> once = ComposeSkin(skin, 17, 40, 2);
  const std::optional<TComposedSkin> twice = ComposeSkin(doubled, 34, 80, 2);
  ASSERT_TRUE(once);
  ASSERT_TRUE(twice);
  EXPECT_EQ(twice->Layout, (TSkinLayout{{128, 112}, {16, 16, 112, 96}, 34}));
  EXPECT_EQ(once->Layout.FrameSize, (TSize{64, 56}));
  EXPECT_EQ(twice->Frame, once->Frame.Enlarged(2));
}

// The tiled background: 30 × 30 tiles over a 100 × 50 list make a 120 × 60 image,
// moved so that the anchor corners meet, then cut.
TEST(SkinBackground, TiledAndLinedUpWithTheAnchor) {
  const struct {
    TBmpAdjust adjust;
    std::int32_t dx, dy;  // the tiled image's place
  } cases[] = {
      {TBmpAdjust::TopLeft, 0, 0},      {TBmpAdjust::TopRight, -20, 0},
      {TBmpAdjust::BottomLeft, 0, -10}, {TBmpAdjust::BottomRight, -20, -10},
      {TBmpAdjust::Center, -10, -5},
  };
  TSkinSettings skin;
  skin.BmpBack = CoordinateImage(30, 30);
  skin.EnumBackBmp = true;
  for (const auto& c : cases) {
    skin.BmpAdjust = c.adjust;
    const TPixelImage background = ComposeSkinBackground(skin, TSize{100, 50});
    TPixelImage expected(100, 50);
    for (std::int32_t y = 0; y < 50; ++y) {
      for (std::int32_t x = 0; x < 100; ++x) {
        expected.SetPixel(x, y, skin.BmpBack.Pixel((x - c.dx) % 30, (y - c.dy) % 30));
      }
    }
    EXPECT_EQ(background, expected) << static_cast<int>(c.adjust);
  }
}

TEST(SkinBackground, PlacedOnceOnTheBackgroundColour) {
  const struct {
    TBmpAdjust adjust;
    TSize image;
    TPoint at;
  } cases[] = {
      // Larger than the list: the anchor's part of the image shows.
      {TBmpAdjust::BottomRight, {40, 30}, {-10, -10}},
      {TBmpAdjust::TopRight, {40, 30}, {-10, 0}},
      {TBmpAdjust::Center, {41, 31}, {-5, -5}},  // -11 div 2 towards zero
      // Smaller: the background colour around it.
      {TBmpAdjust::Center, {10, 5}, {10, 7}},
      {TBmpAdjust::BottomLeft, {10, 5}, {0, 15}},
      {TBmpAdjust::TopLeft, {10, 5}, {0, 0}},
  };
  TSkinSettings skin;
  for (const auto& c : cases) {
    skin.BmpAdjust = c.adjust;
    skin.BmpBack = CoordinateImage(c.image.Width, c.image.Height);
    TPixelImage expected(30, 20, kBack);
    expected.Draw(skin.BmpBack, c.at.X, c.at.Y);
    EXPECT_EQ(ComposeSkinBackground(skin, TSize{30, 20}), expected)
        << static_cast<int>(c.adjust) << " " << c.image.Width;
  }
}

TEST(SkinBackground, StretchedBeforeItIsPlaced) {
  TSkinSettings skin;
  skin.BmpBack = CoordinateImage(2, 2);
  const TRgb p00 = skin.BmpBack.Pixel(0, 0), p10 = skin.BmpBack.Pixel(1, 0);
  const TRgb p01 = skin.BmpBack.Pixel(0, 1), p11 = skin.BmpBack.Pixel(1, 1);
  const TSize list{4, 4};

  skin.BmpFit = TBmpFit::Both;
  TPixelImage both = ComposeSkinBackground(skin, list);
  EXPECT_TRUE(AllOf(both, {0, 0, 2, 2}, p00));
  EXPECT_TRUE(AllOf(both, {2, 2, 4, 4}, p11));

  skin.BmpFit = TBmpFit::Horz;  // 4 × 2 at the bottom, background colour above
  skin.BmpAdjust = TBmpAdjust::BottomLeft;
  TPixelImage horz = ComposeSkinBackground(skin, list);
  EXPECT_TRUE(AllOf(horz, {0, 0, 4, 2}, kBack));
  EXPECT_TRUE(AllOf(horz, {2, 2, 4, 3}, p10));
  EXPECT_TRUE(AllOf(horz, {0, 3, 2, 4}, p01));

  skin.BmpFit = TBmpFit::Vert;  // 2 × 4, tiled across
  skin.EnumBackBmp = true;
  TPixelImage vert = ComposeSkinBackground(skin, list);
  for (std::int32_t x : {0, 2}) {
    EXPECT_TRUE(AllOf(vert, {x, 0, x + 1, 2}, p00));
    EXPECT_TRUE(AllOf(vert, {x + 1, 2, x + 2, 4}, p11));
  }
}

}  // namespace
}  // namespace nuvopick::testing
