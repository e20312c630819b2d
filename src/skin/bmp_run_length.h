// The pixel data of run-length compressed BMP files: 8 bits per pixel (BI_RLE8) and
// 4 bits per pixel (BI_RLE4), as a paint program may save a skin's images.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "skin/pixel_image.h"

namespace nuvopick {

// A compressed stream takes at least one byte for this many of its image's pixels.
// Encoded runs hold at most 127.5 pixels a byte; the rest is room for the ends of
// lines and the skips. A larger image from a short stream is a damaged header and
// is refused before anything is allocated for it.
inline constexpr std::int64_t kMaxRunLengthPixelsPerByte = 1024;

// Decodes Stream, the pixel data of a run-length compressed bitmap with IndexBits
// 8 or 4 bits per pixel, into Image, whose size is the bitmap's; the stream's rows
// go from the bottom up. Encoded runs, ends of line, the end of the bitmap, skips
// (delta) and literal runs (absolute mode, padded to a 16-bit word) are read;
// pixels the stream leaves out (skipped, or after an early end of line or of the
// bitmap) keep Image's colour. An index past Palette draws black.
//
// False for a damaged stream: one that ends before its end-of-bitmap mark, or
// draws or moves past the end of a row or above the top row. Image may then be
// partly written; nothing is read or written outside Stream and Image.
bool DecodeRunLength(std::string_view stream, std::uint32_t indexBits,
                     const std::vector<TRgb>& palette, TPixelImage& image);

}  // namespace nuvopick
