// A 24-bit image on a plain pixel buffer: the skin's bitmaps and the frame and
// background composed from them, before the window code turns them into bitmaps of
// the system.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/geometry.h"

namespace nuvopick {

// The largest image the program reads or composes: no side above 16384 pixels and
// no more than 64 M pixels (192 MB). A skin's images are a few hundred pixels.
inline constexpr std::int32_t kMaxImageSide = 16384;
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{64} * 1024 * 1024;

// One colour as three 8-bit channels.
struct TRgb {
  std::uint8_t R = 0;
  std::uint8_t G = 0;
  std::uint8_t B = 0;

  bool operator==(const TRgb&) const = default;
};

// The platform's colour value of Color: red in the lowest byte, then green, then blue.
std::uint32_t ToColorValue(TRgb color);

class TPixelImage {
 public:
  // The empty image: width and height 0.
  TPixelImage() = default;
  // Width × Height pixels of Fill; a size of 0 (or less) on either side gives the
  // empty image.
  TPixelImage(std::int32_t width, std::int32_t height, TRgb fill = {});

  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  bool IsEmpty() const { return width_ == 0; }

  // X and Y must lie inside the image.
  TRgb Pixel(std::int32_t x, std::int32_t y) const { return pixels_[Index(x, y)]; }
  void SetPixel(std::int32_t x, std::int32_t y, TRgb color) { pixels_[Index(x, y)] = color; }
  // Row Y, Width pixels from the left.
  const TRgb* Row(std::int32_t y) const { return pixels_.data() + Index(0, y); }
  TRgb* Row(std::int32_t y) { return pixels_.data() + Index(0, y); }

  void Fill(TRgb color);
  // The part of Rect that lies inside the image.
  void FillRect(const TRect& rect, TRgb color);

  // Source drawn opaque with its top-left corner at (X, Y); whatever falls outside
  // this image is cut off.
  void Draw(const TPixelImage& source, std::int32_t x, std::int32_t y);

  // Every pixel as a square of Factor × Factor pixels of its colour (nearest
  // neighbour): tiles and outlines stay sharp. A factor below 2 gives the image
  // as it is; the empty image when the result would be larger than an image may be.
  TPixelImage Enlarged(std::int32_t factor) const;

  // The pixels as the rows of a 24-bit top-down device-independent bitmap: blue,
  // green, red per pixel, each row padded with zeros to a multiple of 4 bytes.
  std::vector<std::uint8_t> TopDownBgrRows() const;

  bool operator==(const TPixelImage&) const = default;

 private:
  std::size_t Index(std::int32_t x, std::int32_t y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::vector<TRgb> pixels_;  // row by row from the top, Width per row
};

}  // namespace nuvopick
