// Reading BMP files: the formats a skin's author may save, and every kind of
// broken file turning into no image.
#include "skin/skin_bitmap.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "skin_images.h"
#include "support/memory_file_system.h"

namespace nuvopick::testing {
namespace {

constexpr TRgb kRed{255, 0, 0};
constexpr TRgb kGreen{0, 255, 0};
constexpr TRgb kBlue{0, 0, 255};
constexpr TRgb kWhite{255, 255, 255};
constexpr TRgb kBlack{0, 0, 0};
constexpr TRgb kGrey{0x12, 0x34, 0x56};

TPixelImage ImageOf(std::int32_t width, const std::vector<TRgb>& pixels) {
  const auto height = static_cast<std::int32_t>(pixels.size()) / width;
  TPixelImage image(width, height);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    image.SetPixel(static_cast<std::int32_t>(i) % width, static_cast<std::int32_t>(i) / width,
                   pixels[i]);
  }
  return image;
}

// A colour table of Size entries, black but for the given ones.
std::vector<TRgb> Palette(std::size_t size, std::initializer_list<std::pair<int, TRgb>> set) {
  std::vector<TRgb> palette(size, kBlack);
  for (const auto& [index, color] : set) palette[static_cast<std::size_t>(index)] = color;
  return palette;
}

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) bytes += static_cast<char>(v);
  return bytes;
}

TEST(SkinBitmap, ReadsTheStoredFormats) {
  struct Case {
    const char* name;
    TBmpFields fields;
    TPixelImage expected;  // rows from the top
  };
  const Case cases[] = {
      // 3 pixels are 9 bytes, padded to 12; the bottom row comes first.
      {"24 bits, bottom-up",
       {.width = 3,
        .height = 2,
        .rows = Bytes({255,  0,    0,    0,   255, 0,   0, 0, 255, 0, 0, 0,  // blue green red
                       0x56, 0x34, 0x12, 255, 255, 255, 0, 0, 0,   0, 0, 0})},
       ImageOf(3, {kGrey, kWhite, kBlack, kBlue, kGreen, kRed})},
      {"24 bits, top-down",
       {.width = 1, .height = -2, .rows = Bytes({0, 0, 255, 0, 255, 0, 0, 0})},
       ImageOf(1, {kRed, kBlue})},
      // Three colours in the table; index 7 lies past it and draws black.
      {"8 bits with a colour table",
       {.width = 3,
        .height = 2,
        .bitCount = 8,
        .colorsUsed = 3,
        .palette = {kRed, kGrey, kWhite},
        .rows = Bytes({2, 1, 0, 0, 0, 7, 2, 0})},
       ImageOf(3, {kRed, kBlack, kWhite, kWhite, kGrey, kRed})},
      {"4 bits, high nibble first",
       {.width = 3,
        .height = 1,
        .bitCount = 4,
        .palette = Palette(16, {{1, kWhite}, {15, kRed}, {2, kGreen}}),
        .rows = Bytes({0x1F, 0x20, 0, 0})},
       ImageOf(3, {kWhite, kRed, kGreen})},
      // Nine pixels cross a byte; the first pixel is the highest bit.
      {"1 bit",
       {.width = 9,
        .height = 1,
        .bitCount = 1,
        .palette = {kBlack, kWhite},
        .rows = Bytes({0xA0, 0x80, 0, 0})},
       ImageOf(9, {kWhite, kBlack, kWhite, kBlack, kBlack, kBlack, kBlack, kBlack, kWhite})},
      {"32 bits, top-down",
       {.width = 2,
        .height = -2,
        .bitCount = 32,
        .rows = Bytes({0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 0x56, 0x34, 0x12, 0xFF})},
       ImageOf(2, {kRed, kGreen, kBlue, kGrey})},
      {"16 bits, 5-5-5",
       {.width = 2, .height = 1, .bitCount = 16, .rows = Bytes({0x00, 0x7C, 0x1F, 0x00})},
       ImageOf(2, {kRed, kBlue})},
      {"16 bits, 5-6-5 bit fields after a 40-byte header",
       {.width = 2,
        .height = 1,
        .bitCount = 16,
        .compression = 3,
        .masks = {0xF800, 0x07E0, 0x001F},
        .rows = Bytes({0xE0, 0x07, 0x1F, 0xF8})},
       ImageOf(2, {kGreen, TRgb{255, 0, 255}})},
      {"32 bits, bit fields in a version 5 header",
       {.headerSize = 124,
        .width = 1,
        .height = 1,
        .bitCount = 32,
        .compression = 3,
        .masks = {0x000000FF, 0x0000FF00, 0x00FF0000},
        .rows = Bytes({0x12, 0x34, 0x56, 0})},
       ImageOf(1, {kGrey})},
      {"OS/2 core header",
       {.headerSize = 12,
        .width = 2,
        .height = 1,
        .bitCount = 8,
        .palette = Palette(256, {{1, kGreen}}),
        .rows = Bytes({1, 0, 0, 0})},
       ImageOf(2, {kGreen, kBlack})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TPixelImage image;
    ASSERT_TRUE(DecodeBmp(BmpBytes(c.fields), image));
    EXPECT_EQ(image, c.expected);
  }
}

// A run-length compressed file of IndexBits 8 (BI_RLE8) or 4 (BI_RLE4) whose colour
// table holds red, green, blue and white.
std::string RunLengthBmp(std::uint16_t indexBits, std::int32_t width, std::int32_t height,
                         const std::string& stream) {
  return BmpBytes({.width = width,
                   .height = height,
                   .bitCount = indexBits,
                   .compression = indexBits == 8 ? 1u : 2u,
                   .colorsUsed = 4,
                   .palette = {kRed, kGreen, kBlue, kWhite},
                   .rows = stream});
}

TEST(SkinBitmap, ReadsRunLengthCompressedFiles) {
  struct Case {
    const char* name;
    std::uint16_t indexBits;
    TPixelImage expected;  // rows from the top; the stream's rows go from the bottom
    std::string stream;
  };
  const Case cases[] = {
      {"8 bits: runs and an end of line", 8, ImageOf(3, {kGreen, kGreen, kBlue, kRed, kRed, kRed}),
       Bytes({3, 0, 0, 0, 2, 1, 1, 2, 0, 1})},
      // Three indexes take a pad byte; an index past the colour table draws black.
      {"8 bits: a literal run padded to a word", 8,
       ImageOf(5, {kBlue, kGreen, kBlack, kWhite, kWhite}),
       Bytes({0, 3, 2, 1, 200, 0, 2, 3, 0, 1})},
      // One green pixel, a skip 1 right and 1 up, one blue pixel; the rest is left out.
      {"8 bits: a skip and an early end leave pixels black", 8,
       ImageOf(3, {kBlack, kBlack, kBlue, kGreen, kBlack, kBlack}),
       Bytes({1, 1, 0, 2, 1, 1, 1, 2, 0, 1})},
      {"8 bits: an end of line after the last row", 8, ImageOf(2, {kWhite, kWhite}),
       Bytes({2, 3, 0, 0, 0, 1})},
      {"4 bits: a run takes the two indexes of its byte in turn", 4,
       ImageOf(5, {kGreen, kBlue, kGreen, kBlue, kGreen}), Bytes({5, 0x12, 0, 1})},
      // Five indexes in three bytes and a pad byte.
      {"4 bits: a literal run padded to a word", 4,
       ImageOf(6, {kBlue, kWhite, kRed, kGreen, kWhite, kRed}),
       Bytes({0, 5, 0x23, 0x01, 0x30, 0xFF, 1, 0x00, 0, 1})},
      {"4 bits: rows from the bottom and a skip", 4, ImageOf(2, {kBlack, kWhite, kGreen, kBlack}),
       Bytes({1, 0x10, 0, 2, 0, 1, 1, 0x30, 0, 1})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TPixelImage image;
    ASSERT_TRUE(DecodeBmp(
        RunLengthBmp(c.indexBits, c.expected.Width(), c.expected.Height(), c.stream), image));
    EXPECT_EQ(image, c.expected);
  }
}

// A damaged stream beside a sound one for the same 4 × 2 image: the sound one is
// read, the damaged one refused without touching the image.
TEST(SkinBitmap, ADamagedRunLengthStreamIsRefused) {
  struct Case {
    const char* name;
    std::uint16_t indexBits;
    std::string sound;
    std::string damaged;
  };
  const Case cases[] = {
      {"no end of the bitmap", 8, Bytes({4, 1, 0, 1}), Bytes({4, 1})},
      {"cut inside a run", 8, Bytes({4, 1, 0, 1}), Bytes({4})},
      {"cut inside a literal run", 8, Bytes({0, 4, 1, 1, 1, 1, 0, 1}), Bytes({0, 4, 1, 1})},
      {"literal run without its pad byte", 8, Bytes({0, 3, 1, 1, 1, 0, 0, 1}),
       Bytes({0, 3, 1, 1, 1})},
      {"cut inside a skip", 8, Bytes({0, 2, 1, 0, 0, 1}), Bytes({0, 2, 1})},
      {"run past the end of the row", 8, Bytes({4, 1, 0, 1}), Bytes({5, 1, 0, 1})},
      {"4-bit run past the end of the row", 4, Bytes({4, 0x12, 0, 1}), Bytes({5, 0x12, 0, 1})},
      {"literal run past the end of the row", 8, Bytes({1, 1, 0, 3, 1, 1, 1, 0, 0, 1}),
       Bytes({2, 1, 0, 3, 1, 1, 1, 0, 0, 1})},
      {"4-bit literal run past the end of the row", 4, Bytes({0, 4, 0x12, 0x12, 0, 1}),
       Bytes({0, 5, 0x12, 0x12, 0x10, 0, 0, 1})},
      {"skip past the end of the row", 8, Bytes({0, 2, 4, 0, 0, 1}), Bytes({0, 2, 5, 0, 0, 1})},
      {"skip above the top row", 8, Bytes({0, 2, 0, 2, 0, 1}), Bytes({0, 2, 0, 3, 0, 1})},
      {"pixels above the top row", 8, Bytes({0, 0, 0, 0, 0, 1}), Bytes({0, 0, 0, 0, 1, 1, 0, 1})},
      {"end of line above the top row", 8, Bytes({0, 0, 0, 0, 0, 1}),
       Bytes({0, 0, 0, 0, 0, 0, 0, 1})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TPixelImage image;
    EXPECT_TRUE(DecodeBmp(RunLengthBmp(c.indexBits, 4, 2, c.sound), image));
    image = TPixelImage(1, 1, kGrey);
    EXPECT_FALSE(DecodeBmp(RunLengthBmp(c.indexBits, 4, 2, c.damaged), image));
    EXPECT_EQ(image, TPixelImage(1, 1, kGrey));
  }
}

TEST(SkinBitmap, ALastRowWithoutItsPaddingIsStillThere) {
  std::string bytes = BmpBytes({.width = 1, .height = 1, .rows = Bytes({0, 0, 255, 0})});
  bytes.pop_back();
  TPixelImage image;
  ASSERT_TRUE(DecodeBmp(bytes, image));
  EXPECT_EQ(image, ImageOf(1, {kRed}));
}

TEST(SkinBitmap, AnUnreadableFileLeavesTheImageAsItWas) {
  const std::string fourPixels = Bytes({0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 255});
  const TBmpFields good{.width = 4, .height = 1, .rows = fourPixels};
  std::string truncated = BmpBytes(good);
  truncated.pop_back();
  std::string header = BmpBytes(good);
  header.resize(30);

  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty", ""},
      {"not a BMP file", "\x89PNG\r\n\x1a\n" + std::string(64, '\0')},
      {"header cut short", header},
      {"pixel data one byte short", truncated},
      {"pixel data far away", BmpBytes(good).replace(10, 4, Bytes({0, 0, 0, 1}))},
      {"absurd size, no data", BmpBytes({.width = 100000, .height = 100000, .rows = fourPixels})},
      {"size allowed, data missing", BmpBytes({.width = 8000, .height = 8000, .rows = fourPixels})},
      {"each side allowed, too many pixels", BmpBytes({.width = 16384, .height = 16384})},
      {"one side too long", BmpBytes({.width = 16385, .height = 1})},
      {"most negative height",
       BmpBytes({.width = 1, .height = std::numeric_limits<std::int32_t>::min()})},
      {"negative width", BmpBytes({.width = -4, .height = 1, .rows = fourPixels})},
      {"no rows", BmpBytes({.width = 4, .height = 0, .rows = fourPixels})},
      {"run-length compressed, top-down", RunLengthBmp(8, 4, -1, Bytes({4, 0, 0, 1}))},
      {"run-length data far away",
       RunLengthBmp(8, 4, 1, Bytes({4, 0, 0, 1})).replace(10, 4, Bytes({0, 0, 0, 1}))},
      {"run-length image too large for its data", RunLengthBmp(8, 16384, 4096, Bytes({0, 1}))},
      {"run-length compression of 24 bits",
       BmpBytes({.width = 4, .height = 1, .compression = 1, .rows = Bytes({4, 0, 0, 1})})},
      {"4-bit compression of 8 bits",
       RunLengthBmp(8, 4, 1, Bytes({4, 0, 0, 1})).replace(30, 1, "\x02")},
      {"bit fields of 24 bits",
       BmpBytes({.width = 4, .height = 1, .compression = 3, .rows = fourPixels})},
      {"2 bits per pixel", BmpBytes({.width = 4, .height = 1, .bitCount = 2, .rows = fourPixels})},
      {"colour table cut short", BmpBytes({.width = 1,
                                           .height = 1,
                                           .bitCount = 8,
                                           .colorsUsed = 2,
                                           .palette = {kRed, kBlue},
                                           .rows = Bytes({0, 0, 0, 0})})
                                     .substr(0, 60)},
      {"unknown header size",
       BmpBytes({.headerSize = 20, .width = 4, .height = 1, .rows = fourPixels})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TPixelImage image(1, 1, kGrey);
    EXPECT_FALSE(DecodeBmp(c.bytes, image));
    EXPECT_EQ(image, TPixelImage(1, 1, kGrey));
  }
}

TEST(SkinBitmap, LoadReadsThroughTheFileSystem) {
  MemoryFileSystem files;
  files.files["C:\\skn\\a.bmp"] = Bmp24(ImageOf(2, {kRed, kBlue}));
  files.files["C:\\skn\\b.bmp"] = "BM";
  TPixelImage image;
  EXPECT_TRUE(LoadSkinBitmap(files, image, "C:\\skn\\a.bmp"));
  EXPECT_EQ(image, ImageOf(2, {kRed, kBlue}));
  EXPECT_FALSE(LoadSkinBitmap(files, image, "C:\\skn\\b.bmp"));
  EXPECT_FALSE(LoadSkinBitmap(files, image, "C:\\skn\\missing.bmp"));
  EXPECT_EQ(image, ImageOf(2, {kRed, kBlue}));
}

}  // namespace
}  // namespace nuvopick::testing
