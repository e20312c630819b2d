// A 24-bit image on a plain pixel buffer.
#include "skin/pixel_image.h"

#include <algorithm>

namespace nuvopick {

std::uint32_t ToColorValue(TRgb color) {
  return static_cast<std::uint32_t>(color.R) | (static_cast<std::uint32_t>(color.G) << 8) |
         (static_cast<std::uint32_t>(color.B) << 16);
}

TPixelImage::TPixelImage(std::int32_t width, std::int32_t height, TRgb fill) {
  if (width <= 0 || height <= 0) return;
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

void TPixelImage::Fill(TRgb color) {
  std::fill(pixels_.begin(), pixels_.end(), color);
}

void TPixelImage::FillRect(const TRect& rect, TRgb color) {
  const std::int32_t left = std::max(rect.Left, 0);
  const std::int32_t right = std::min(rect.Right, width_);
  const std::int32_t top = std::max(rect.Top, 0);
  const std::int32_t bottom = std::min(rect.Bottom, height_);
  if (left >= right) return;
  for (std::int32_t y = top; y < bottom; ++y) std::fill(Row(y) + left, Row(y) + right, color);
}

void TPixelImage::Draw(const TPixelImage& source, std::int32_t x, std::int32_t y) {
  // 64-bit sums: a position far outside must not wrap round into the image.
  const std::int64_t left = std::max<std::int64_t>(x, 0);
  const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + source.width_, width_);
  const std::int64_t top = std::max<std::int64_t>(y, 0);
  const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{y} + source.height_, height_);
  if (left >= right) return;
  for (std::int64_t row = top; row < bottom; ++row) {
    const TRgb* from = source.Row(static_cast<std::int32_t>(row - y)) + (left - x);
    std::copy(from, from + (right - left), Row(static_cast<std::int32_t>(row)) + left);
  }
}

TPixelImage TPixelImage::Enlarged(std::int32_t factor) const {
  if (factor < 2) return *this;
  const std::int64_t width = std::int64_t{width_} * factor;
  const std::int64_t height = std::int64_t{height_} * factor;
  if (width > kMaxImageSide || height > kMaxImageSide || width * height > kMaxImagePixels) {
    return {};
  }
  TPixelImage enlarged(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
  for (std::int32_t y = 0; y < enlarged.height_; ++y) {
    const TRgb* from = Row(y / factor);
    TRgb* to = enlarged.Row(y);
    for (std::int32_t x = 0; x < enlarged.width_; ++x) to[x] = from[x / factor];
  }
  return enlarged;
}

std::vector<std::uint8_t> TPixelImage::TopDownBgrRows() const {
  const std::size_t stride = (static_cast<std::size_t>(width_) * 3 + 3) / 4 * 4;
  std::vector<std::uint8_t> bytes(stride * static_cast<std::size_t>(height_), 0);
  for (std::int32_t y = 0; y < height_; ++y) {
    std::uint8_t* out = bytes.data() + stride * static_cast<std::size_t>(y);
    const TRgb* row = Row(y);
    for (std::int32_t x = 0; x < width_; ++x) {
      *out++ = row[x].B;
      *out++ = row[x].G;
      *out++ = row[x].R;
    }
  }
  return bytes;
}

}  // namespace nuvopick
