// A skin's images enlarged for a screen of a whole multiple of 96 DPI.
#include "skin/pixel_image.h"

#include <gtest/gtest.h>

#include "skin/skin_settings.h"
#include "skin_images.h"

namespace nuvopick::testing {
namespace {

// Every pixel of the enlarged image shows the one it lies over, so a pixel taken
// from a neighbour or blended with one gives itself away by its coordinates.
TEST(PixelImageEnlarged, EachPixelBecomesASquareOfItself) {
  const TPixelImage image = CoordinateImage(3, 2);
  for (const std::int32_t factor : {2, 3}) {
    SCOPED_TRACE(factor);
    const TPixelImage enlarged = image.Enlarged(factor);
    ASSERT_EQ(enlarged.Width(), 3 * factor);
    ASSERT_EQ(enlarged.Height(), 2 * factor);
    for (std::int32_t y = 0; y < enlarged.Height(); ++y) {
      for (std::int32_t x = 0; x < enlarged.Width(); ++x) {
        ASSERT_EQ(enlarged.Pixel(x, y), image.Pixel(x / factor, y / factor)) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(image.Enlarged(1), image);
  EXPECT_EQ(image.Enlarged(0), image);
  EXPECT_TRUE(TPixelImage().Enlarged(2).IsEmpty());
}

TEST(PixelImageEnlarged, AnImageThatWouldGrowTooLargeBecomesEmpty) {
  EXPECT_TRUE(TPixelImage(kMaxImageSide / 2 + 1, 1).Enlarged(2).IsEmpty());
  EXPECT_EQ(TPixelImage(kMaxImageSide / 2, 1).Enlarged(2).Width(), kMaxImageSide);
  EXPECT_TRUE(TPixelImage(6000, 6000).Enlarged(2).IsEmpty());  // 144 M pixels
}

TEST(EnlargeSkinImages, EnlargesAllNineImages) {
  TSkinSettings skin;
  TPixelImage* images[] = {&skin.BmpLeft,       &skin.BmpRight,       &skin.BmpTop,
                           &skin.BmpBottom,     &skin.BmpTopLeft,     &skin.BmpTopRight,
                           &skin.BmpBottomLeft, &skin.BmpBottomRight, &skin.BmpBack};
  std::int32_t side = 1;
  for (TPixelImage* image : images) {
    *image = CoordinateImage(side, side + 1);
    ++side;
  }
  EnlargeSkinImages(skin, 2);
  side = 1;
  for (TPixelImage* image : images) {
    SCOPED_TRACE(side);
    EXPECT_EQ(image->Width(), 2 * side);
    EXPECT_EQ(*image, CoordinateImage(side, side + 1).Enlarged(2));
    ++side;
  }
}

}  // namespace
}  // namespace nuvopick::testing
