// Small images and the bytes of BMP files for the skin tests.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/pixel_image.h"

namespace nuvopick::testing {

// A BMP file laid out field by field; Rows are the pixel data as stored, padding
// included.
struct TBmpFields {
  std::uint32_t headerSize = 40;
  std::int32_t width = 0;
  std::int32_t height = 0;  // negative: rows from the top
  std::uint16_t bitCount = 24;
  std::uint32_t compression = 0;
  std::uint32_t colorsUsed = 0;
  std::vector<TRgb> palette{};
  std::array<std::uint32_t, 3> masks{};  // written when Compression is 3 (bit fields)
  std::string rows{};
};

inline void PutU16(std::string& bytes, std::uint32_t value) {
  bytes += static_cast<char>(value & 0xFF);
  bytes += static_cast<char>(value >> 8 & 0xFF);
}

inline void PutU32(std::string& bytes, std::uint32_t value) {
  PutU16(bytes, value & 0xFFFF);
  PutU16(bytes, value >> 16);
}

inline std::string BmpBytes(const TBmpFields& fields) {
  std::string info;
  const bool core = fields.headerSize == 12;
  PutU32(info, fields.headerSize);
  if (core) {
    PutU16(info, static_cast<std::uint32_t>(fields.width));
    PutU16(info, static_cast<std::uint32_t>(fields.height));
    PutU16(info, 1);
    PutU16(info, fields.bitCount);
  } else {
    PutU32(info, static_cast<std::uint32_t>(fields.width));
    PutU32(info, static_cast<std::uint32_t>(fields.height));
    PutU16(info, 1);
    PutU16(info, fields.bitCount);
    PutU32(info, fields.compression);
    PutU32(info, static_cast<std::uint32_t>(fields.rows.size()));
    PutU32(info, 2835);  // 72 dots per inch
    PutU32(info, 2835);
    PutU32(info, fields.colorsUsed);
    PutU32(info, 0);
    if (fields.compression == 3) {
      for (std::uint32_t mask : fields.masks) PutU32(info, mask);
    }
    if (info.size() < fields.headerSize) info.resize(fields.headerSize, '\0');
  }
  for (const TRgb& c : fields.palette) {
    info += static_cast<char>(c.B);
    info += static_cast<char>(c.G);
    info += static_cast<char>(c.R);
    if (!core) info += '\0';
  }
  std::string file = "BM";
  const auto offBits = static_cast<std::uint32_t>(14 + info.size());
  PutU32(file, offBits + static_cast<std::uint32_t>(fields.rows.size()));
  PutU32(file, 0);
  PutU32(file, offBits);
  return file + info + fields.rows;
}

// Image as a paint program saves it: 24 bits, rows from the bottom, padded to 4 bytes.
inline std::string Bmp24(const TPixelImage& image) {
  TBmpFields fields;
  fields.width = image.Width();
  fields.height = image.Height();
  for (std::int32_t y = image.Height() - 1; y >= 0; --y) {
    for (std::int32_t x = 0; x < image.Width(); ++x) {
      const TRgb c = image.Pixel(x, y);
      fields.rows += {static_cast<char>(c.B), static_cast<char>(c.G), static_cast<char>(c.R)};
    }
    while (fields.rows.size() % 4 != 0) fields.rows += '\0';
  }
  return BmpBytes(fields);
}

// A tile of Color whose top-left pixel is Marker, so that the place of every copy
// drawn can be seen.
inline TPixelImage MarkedTile(std::int32_t width, std::int32_t height, TRgb color, TRgb marker) {
  TPixelImage tile(width, height, color);
  tile.SetPixel(0, 0, marker);
  return tile;
}

// An image whose pixel (x, y) is red x, green y: every pixel tells where it came from.
inline TPixelImage CoordinateImage(std::int32_t width, std::int32_t height) {
  TPixelImage image(width, height);
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x) {
      image.SetPixel(x, y, TRgb{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7});
    }
  }
  return image;
}

}  // namespace nuvopick::testing
