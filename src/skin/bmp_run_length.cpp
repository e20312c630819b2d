// The pixel data of run-length compressed BMP files.
#include "skin/bmp_run_length.h"

#include <cstddef>

namespace nuvopick {

namespace {

// The escapes that follow a count of 0; larger values start a literal run.
constexpr std::uint32_t kEndOfLine = 0;
constexpr std::uint32_t kEndOfBitmap = 1;
constexpr std::uint32_t kDelta = 2;

// Index I of indexes packed IndexBits to a byte in Bytes; of two 4-bit indexes the
// high one comes first.
std::uint32_t IndexAt(const unsigned char* bytes, std::uint32_t indexBits, std::uint32_t i) {
  if (indexBits == 8) return bytes[i];
  return i % 2 == 0 ? bytes[i / 2] >> 4 : bytes[i / 2] & 0x0Fu;
}

// Draws the stream's pixels into the image, keeping to its rows and to the image.
class TRunLengthCanvas {
 public:
  TRunLengthCanvas(const std::vector<TRgb>& palette, TPixelImage& image)
      : palette_(palette), image_(image) {}

  // Room for Count more pixels in the current row.
  bool Fits(std::uint32_t count) const {
    return row_ < image_.Height() && x_ + count <= static_cast<std::int64_t>(image_.Width());
  }

  void Put(std::uint32_t index) {
    const TRgb color = index < palette_.size() ? palette_[index] : TRgb{};
    image_.SetPixel(static_cast<std::int32_t>(x_),
                    static_cast<std::int32_t>(image_.Height() - 1 - row_), color);
    ++x_;
  }

  bool EndLine() {
    if (row_ >= image_.Height()) return false;
    x_ = 0;
    ++row_;
    return true;
  }

  // A skip may end just past the last pixel of a row or just above the top row,
  // where only an end of line or of the bitmap may follow.
  bool Move(std::uint32_t right, std::uint32_t up) {
    x_ += right;
    row_ += up;
    return x_ <= image_.Width() && row_ <= image_.Height();
  }

 private:
  const std::vector<TRgb>& palette_;
  TPixelImage& image_;
  std::int64_t x_ = 0;
  std::int64_t row_ = 0;  // from the bottom
};

}  // namespace

bool DecodeRunLength(std::string_view stream, std::uint32_t indexBits,
                     const std::vector<TRgb>& palette, TPixelImage& image) {
  const auto* in = reinterpret_cast<const unsigned char*>(stream.data());
  const std::size_t size = stream.size();
  TRunLengthCanvas canvas(palette, image);
  std::size_t pos = 0;
  while (size - pos >= 2) {
    const std::uint32_t count = in[pos];
    const std::uint32_t value = in[pos + 1];
    pos += 2;
    if (count > 0) {
      // An encoded run: Count pixels of one index, or of the byte's two 4-bit
      // indexes in turn.
      if (!canvas.Fits(count)) return false;
      const unsigned char run = in[pos - 1];
      for (std::uint32_t i = 0; i < count; ++i) {
        canvas.Put(indexBits == 8 ? run : IndexAt(&run, indexBits, i % 2));
      }
      continue;
    }
    switch (value) {
      case kEndOfLine:
        if (!canvas.EndLine()) return false;
        break;
      case kEndOfBitmap:
        return true;
      case kDelta:
        if (size - pos < 2 || !canvas.Move(in[pos], in[pos + 1])) return false;
        pos += 2;
        break;
      default: {
        // A literal run of Value indexes, padded to a whole number of 16-bit words.
        const std::size_t bytes = indexBits == 8 ? value : (value + 1) / 2;
        const std::size_t padded = (bytes + 1) / 2 * 2;
        if (size - pos < padded || !canvas.Fits(value)) return false;
        for (std::uint32_t i = 0; i < value; ++i) canvas.Put(IndexAt(in + pos, indexBits, i));
        pos += padded;
        break;
      }
    }
  }
  return false;  // cut short before its end-of-bitmap mark
}

}  // namespace nuvopick
