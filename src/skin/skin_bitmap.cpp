// Reading the skin's BMP files into pixel images.
#include "skin/skin_bitmap.h"

#include <array>
#include <exception>
#include <optional>

#include "skin/bmp_run_length.h"

namespace nuvopick {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kOs2InfoHeaderSize = 64;  // compression codes above 2 mean other things
constexpr std::uint32_t kLargestHeaderSize = 124;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;

std::uint32_t U16(std::string_view bytes, std::size_t pos) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[pos])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[pos + 1])) << 8;
}

std::uint32_t U32(std::string_view bytes, std::size_t pos) {
  return U16(bytes, pos) | U16(bytes, pos + 2) << 16;
}

std::int32_t I32(std::string_view bytes, std::size_t pos) {
  return static_cast<std::int32_t>(U32(bytes, pos));
}

// One colour channel of a 16- or 32-bit pixel, scaled to 0..255.
class TChannelMask {
 public:
  explicit TChannelMask(std::uint32_t mask) : mask_(mask) {
    if (mask == 0) return;
    while ((mask >> shift_ & 1) == 0) ++shift_;
    max_ = mask >> shift_;
  }

  std::uint8_t Value(std::uint32_t pixel) const {
    if (max_ == 0) return 0;
    return static_cast<std::uint8_t>(std::uint64_t{(pixel & mask_) >> shift_} * 255 / max_);
  }

 private:
  std::uint32_t mask_;
  int shift_ = 0;
  std::uint32_t max_ = 0;
};

struct TBmpFormat {
  std::int64_t width = 0;
  std::int64_t height = 0;  // rows; always positive here
  bool topDown = false;
  std::uint32_t bitCount = 0;
  bool runLength = false;                // 8 or 4 bits compressed
  std::array<std::uint32_t, 3> masks{};  // red, green, blue for 16 and 32 bits
  std::vector<TRgb> palette;             // for 1, 4 and 8 bits
  std::size_t dataStart = 0;
};

// The headers and the colour table, checked against the limits and the file's
// length; nothing when the file cannot be read.
std::optional<TBmpFormat> ReadFormat(std::string_view bytes) {
  if (bytes.size() < kFileHeaderSize + kCoreHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') {
    return std::nullopt;
  }
  const std::uint32_t offBits = U32(bytes, 10);
  const std::uint32_t headerSize = U32(bytes, 14);
  if (headerSize != kCoreHeaderSize &&
      (headerSize < kInfoHeaderSize || headerSize > kLargestHeaderSize)) {
    return std::nullopt;
  }
  if (bytes.size() < kFileHeaderSize + headerSize) return std::nullopt;

  TBmpFormat format;
  std::uint32_t compression = kBiRgb;
  std::uint32_t colorsUsed = 0;
  std::size_t paletteEntrySize = 4;
  std::size_t tableStart = kFileHeaderSize + headerSize;
  if (headerSize == kCoreHeaderSize) {
    format.width = U16(bytes, 18);
    format.height = U16(bytes, 20);
    format.bitCount = U16(bytes, 24);
    paletteEntrySize = 3;
  } else {
    format.width = I32(bytes, 18);
    format.height = I32(bytes, 22);
    format.bitCount = U16(bytes, 28);
    compression = U32(bytes, 30);
    colorsUsed = U32(bytes, 46);
    if (headerSize == kOs2InfoHeaderSize && compression > kBiRle4) return std::nullopt;
  }
  if (format.height < 0) {
    format.topDown = true;
    format.height = -format.height;
  }
  if (format.width <= 0 || format.height <= 0 || format.width > kMaxImageSide ||
      format.height > kMaxImageSide || format.width * format.height > kMaxImagePixels) {
    return std::nullopt;
  }

  switch (format.bitCount) {
    case 4:
    case 8:
      // Compressed rows always go from the bottom up.
      format.runLength = compression == (format.bitCount == 8 ? kBiRle8 : kBiRle4);
      if (format.runLength && format.topDown) return std::nullopt;
      if (compression != kBiRgb && !format.runLength) return std::nullopt;
      break;
    case 1:
    case 24:
      if (compression != kBiRgb) return std::nullopt;
      break;
    case 16:
    case 32:
      if (compression == kBiBitfields) {
        // The three masks follow the 40-byte header, or are its longer versions' next fields.
        if (bytes.size() < kFileHeaderSize + kInfoHeaderSize + 12) return std::nullopt;
        for (std::size_t i = 0; i < 3; ++i) {
          format.masks[i] = U32(bytes, kFileHeaderSize + kInfoHeaderSize + 4 * i);
        }
        if (headerSize == kInfoHeaderSize) tableStart += 12;
      } else if (compression == kBiRgb) {
        format.masks = format.bitCount == 16
                           ? std::array<std::uint32_t, 3>{0x7C00, 0x03E0, 0x001F}
                           : std::array<std::uint32_t, 3>{0xFF0000, 0x00FF00, 0x0000FF};
      } else {
        return std::nullopt;
      }
      break;
    default:
      return std::nullopt;
  }

  std::size_t tableEnd = tableStart;
  if (format.bitCount <= 8) {
    const std::uint32_t fullTable = 1u << format.bitCount;
    const std::uint32_t count = colorsUsed == 0 || colorsUsed > fullTable ? fullTable : colorsUsed;
    tableEnd = tableStart + count * paletteEntrySize;
    if (bytes.size() < tableEnd) return std::nullopt;
    format.palette.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t entry = tableStart + i * paletteEntrySize;
      format.palette[i] = TRgb{static_cast<std::uint8_t>(bytes[entry + 2]),
                               static_cast<std::uint8_t>(bytes[entry + 1]),
                               static_cast<std::uint8_t>(bytes[entry])};
    }
  }
  format.dataStart = offBits != 0 ? offBits : tableEnd;
  return format;
}

void DecodeRow(const TBmpFormat& format, const unsigned char* in, TRgb* out) {
  const std::int64_t width = format.width;
  switch (format.bitCount) {
    case 1:
    case 4:
    case 8: {
      const std::uint32_t bits = format.bitCount;
      const std::uint32_t perByte = 8 / bits;
      const std::uint32_t indexMask = (1u << bits) - 1;
      for (std::int64_t x = 0; x < width; ++x) {
        const std::uint32_t shift = 8 - bits * (static_cast<std::uint32_t>(x % perByte) + 1);
        const std::size_t index = in[x / perByte] >> shift & indexMask;
        // An index past the colour table draws black.
        out[x] = index < format.palette.size() ? format.palette[index] : TRgb{};
      }
      break;
    }
    case 24:
      for (std::int64_t x = 0; x < width; ++x, in += 3) out[x] = TRgb{in[2], in[1], in[0]};
      break;
    default: {
      const TChannelMask red(format.masks[0]);
      const TChannelMask green(format.masks[1]);
      const TChannelMask blue(format.masks[2]);
      const std::size_t step = format.bitCount / 8;
      for (std::int64_t x = 0; x < width; ++x, in += step) {
        std::uint32_t pixel = in[0] | std::uint32_t{in[1]} << 8;
        if (step == 4) pixel |= std::uint32_t{in[2]} << 16 | std::uint32_t{in[3]} << 24;
        out[x] = TRgb{red.Value(pixel), green.Value(pixel), blue.Value(pixel)};
      }
      break;
    }
  }
}

// The compressed pixel data, from the data's start to the end of the file.
bool DecodeRunLengthBmp(std::string_view bytes, const TBmpFormat& format, TPixelImage& image) {
  if (format.dataStart > bytes.size()) return false;
  const std::string_view stream = bytes.substr(format.dataStart);
  if (format.width * format.height >
      static_cast<std::int64_t>(stream.size()) * kMaxRunLengthPixelsPerByte) {
    return false;
  }
  TPixelImage result(static_cast<std::int32_t>(format.width),
                     static_cast<std::int32_t>(format.height));
  if (!DecodeRunLength(stream, format.bitCount, format.palette, result)) return false;
  image = std::move(result);
  return true;
}

}  // namespace

bool DecodeBmp(std::string_view bytes, TPixelImage& image) {
  const std::optional<TBmpFormat> format = ReadFormat(bytes);
  if (!format) return false;
  if (format->runLength) return DecodeRunLengthBmp(bytes, *format, image);

  // Every row but the last must be there with its padding to 4 bytes; the last
  // needs only its pixels. The size is checked before anything is allocated.
  const std::uint64_t rowBytes =
      (static_cast<std::uint64_t>(format->width) * format->bitCount + 7) / 8;
  const std::uint64_t stride = (rowBytes + 3) / 4 * 4;
  const std::uint64_t needed =
      std::uint64_t{format->dataStart} + stride * (format->height - 1) + rowBytes;
  if (needed > bytes.size()) return false;

  TPixelImage result(static_cast<std::int32_t>(format->width),
                     static_cast<std::int32_t>(format->height));
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data()) + format->dataStart;
  for (std::int64_t row = 0; row < format->height; ++row) {
    const std::int64_t y = format->topDown ? row : format->height - 1 - row;
    DecodeRow(*format, data + stride * row, result.Row(static_cast<std::int32_t>(y)));
  }
  image = std::move(result);
  return true;
}

bool LoadSkinBitmap(const IFileSystem& files, TPixelImage& image, const std::string& path) {
  try {
    const std::optional<std::string> bytes = files.ReadAll(path);
    return bytes && DecodeBmp(*bytes, image);
  } catch (const std::exception&) {
    return false;  // an unreadable file, or no memory for the image: no image
  }
}

}  // namespace nuvopick
