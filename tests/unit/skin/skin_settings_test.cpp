// Reading the skin definition file: defaults, every key, bitmap names relative to
// the file's folder, and the word and colour parsers.
#include "skin/skin_settings.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "skin_images.h"
#include "support/memory_file_system.h"

namespace nuvopick::testing {
namespace {

const std::string kSkinPath = "D:\\skins\\blue\\blue.skn";
const std::string kUserFont = "ＭＳ Ｐゴシック";
constexpr std::int32_t kUserFontSize = 11;

constexpr TRgb kBlack{0, 0, 0};

class SkinFileTest : public ::testing::Test {
 protected:
  // A distinct small image under Path, told apart by its width.
  void AddBitmap(const std::string& path, std::int32_t width) {
    files.files[path] = Bmp24(TPixelImage(width, 2, TRgb{1, 2, 3}));
  }
  TSkinSettings Read(const std::string& lines, const std::string& path = kSkinPath) {
    files.files[path] = "[NuvoPickSkinFile]\r\n" + lines;
    return ReadSkin(files, path, kUserFont, kUserFontSize);
  }

  MemoryFileSystem files;
};

TEST_F(SkinFileTest, OnlyTheFourEdgesGiveTheDefaultsOfEverythingElse) {
  for (const char* name : {"l", "r", "t", "b"})
    AddBitmap(std::string("D:\\skins\\blue\\") + name + ".bmp", 4);
  const TSkinSettings skin =
      Read("BmpLeft=l.bmp\r\nBmpRight=r.bmp\r\nBmpTop=t.bmp\r\nBmpBottom=b.bmp\r\n");

  EXPECT_TRUE(skin.IsUsable());
  EXPECT_EQ(skin.BmpTop.Width(), 4);
  for (const TPixelImage* image : {&skin.BmpTopLeft, &skin.BmpTopRight, &skin.BmpBottomLeft,
                                   &skin.BmpBottomRight, &skin.BmpBack}) {
    EXPECT_TRUE(image->IsEmpty());
  }
  EXPECT_FALSE(skin.EnumBackBmp);
  EXPECT_EQ(skin.BmpAdjust, TBmpAdjust::TopLeft);
  EXPECT_EQ(skin.BmpFit, TBmpFit::None);
  EXPECT_EQ(skin.TransColor, kBlack);
  EXPECT_EQ(skin.BackColor, (TRgb{0xFF, 0xFF, 0xAA}));
  EXPECT_EQ(skin.SelPenColor, kBlack);
  EXPECT_EQ(skin.SelPenStyle, TPenStyle::Solid);
  EXPECT_EQ(skin.SelPenMode, TPenMode::Copy);
  EXPECT_EQ(skin.SelBrushColor, (TRgb{0x00, 0x00, 0x99}));
  EXPECT_EQ(skin.SelBrushStyle, TBrushStyle::Solid);
  // The user's font name and size, but the skin's own colour, style and character set.
  const TSkinFont userFont{kUserFont, kUserFontSize, kBlack, TFontStyles{}, 128};
  EXPECT_EQ(skin.Font, userFont);
  EXPECT_EQ(skin.SelFont, userFont);
}

TEST_F(SkinFileTest, EveryKeyIsReadFromItsSectionWithoutRegardToCase) {
  const char* const keys[] = {"BmpLeft",       "BmpRight",       "BmpTop",
                              "BmpBottom",     "BmpTopLeft",     "BmpTopRight",
                              "BmpBottomLeft", "BmpBottomRight", "BmpBack"};
  std::string lines;
  for (int i = 0; i < 9; ++i) {
    AddBitmap("D:\\skins\\blue\\" + std::to_string(i) + ".bmp", i + 1);
    lines += std::string(keys[i]) + "=" + std::to_string(i) + ".bmp\r\n";
  }
  lines +=
      "enumbackbmp=1\r\nBMPADJUST=center\r\nBmpFit=Vert\r\nTransColor=ff00ff\r\n"
      "BackColor=102030\r\nSelPenColor=405060\r\nSelPenStyle=DashDot\r\nSelPenMode=NotXor\r\n"
      "SelBrushColor=708090\r\nSelBrushStyle=DiagCross\r\nFontName=ＭＳ ゴシック\r\n"
      "FontSize=9\r\nFontColor=A0B0C0\r\nFontStyle=bu\r\nFontCharSet=1\r\n"
      "SelFontName=Arial\r\nSelFontSize=12\r\nSelFontColor=D0E0F0\r\nSelFontStyle=is\r\n"
      "[Other]\r\nTransColor=123456\r\nSelFontName=Courier\r\n";
  files.files[kSkinPath] = "[nuvopickskinfile]\r\n" + lines;
  const TSkinSettings skin = ReadSkin(files, kSkinPath, kUserFont, kUserFontSize);

  const TPixelImage* images[] = {&skin.BmpLeft,       &skin.BmpRight,       &skin.BmpTop,
                                 &skin.BmpBottom,     &skin.BmpTopLeft,     &skin.BmpTopRight,
                                 &skin.BmpBottomLeft, &skin.BmpBottomRight, &skin.BmpBack};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(images[i]->Width(), i + 1) << keys[i];
  EXPECT_TRUE(skin.EnumBackBmp);
  EXPECT_EQ(skin.BmpAdjust, TBmpAdjust::Center);
  EXPECT_EQ(skin.BmpFit, TBmpFit::Vert);
  EXPECT_EQ(skin.TransColor, (TRgb{0xFF, 0x00, 0xFF}));
  EXPECT_EQ(skin.BackColor, (TRgb{0x10, 0x20, 0x30}));
  EXPECT_EQ(skin.SelPenColor, (TRgb{0x40, 0x50, 0x60}));
  EXPECT_EQ(skin.SelPenStyle, TPenStyle::DashDot);
  EXPECT_EQ(skin.SelPenMode, TPenMode::NotXor);
  EXPECT_EQ(skin.SelBrushColor, (TRgb{0x70, 0x80, 0x90}));
  EXPECT_EQ(skin.SelBrushStyle, TBrushStyle::DiagCross);
  EXPECT_EQ(skin.Font, (TSkinFont{"ＭＳ ゴシック", 9, TRgb{0xA0, 0xB0, 0xC0},
                                  TFontStyles{.Bold = true, .UnderLine = true}, 1}));
  EXPECT_EQ(skin.SelFont, (TSkinFont{"Arial", 12, TRgb{0xD0, 0xE0, 0xF0},
                                     TFontStyles{.Italic = true, .StrikeOut = true}, 1}));
}

TEST_F(SkinFileTest, TheSelectionFontDefaultsToTheItemFontJustRead) {
  const TSkinSettings skin = Read("FontName=Tahoma\r\nFontSize=abc\r\nFontCharSet=384\r\n");
  EXPECT_EQ(skin.Font.Name, "Tahoma");
  EXPECT_EQ(skin.Font.Size, kUserFontSize);  // not an integer: the default
  EXPECT_EQ(skin.SelFont.Name, "Tahoma");
  EXPECT_EQ(skin.SelFont.Size, kUserFontSize);
  EXPECT_EQ(skin.Font.CharSet, 128);  // 384 is 0x180
  EXPECT_EQ(skin.SelFont.CharSet, 128);
}

TEST_F(SkinFileTest, IntegerKeys) {
  const struct {
    std::string value;
    bool tiled;
    int charSet;
  } cases[] = {
      {"yes", false, 128},  {"2", true, 2},    {"0", false, 0},
      {"0x1FF", true, 255}, {"-1", true, 255}, {"", false, 128},
  };
  for (const auto& c : cases) {
    const TSkinSettings skin = Read("EnumBackBmp=" + c.value + "\r\nFontCharSet=" + c.value);
    EXPECT_EQ(skin.EnumBackBmp, c.tiled) << c.value;
    EXPECT_EQ(skin.Font.CharSet, c.charSet) << c.value;
  }
}

TEST_F(SkinFileTest, BitmapNamesAreRelativeToTheSkinsFolder) {
  AddBitmap("D:\\skins\\blue\\parts\\top.bmp", 5);
  AddBitmap("C:\\x.bmp", 6);
  files.files["D:\\skins\\blue\\broken.bmp"] = "BM not really";
  const struct {
    std::string value;
    std::int32_t width;  // 0: no image
  } cases[] = {
      {"\\parts\\top.bmp", 5}, {"parts\\top.bmp", 5}, {"C:\\x.bmp", 0}, {"", 0},
      {"missing.bmp", 0},      {"broken.bmp", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Read("BmpBack=" + c.value).BmpBack.Width(), c.width) << c.value;
  }
}

TEST_F(SkinFileTest, TheFolderEndsAtTheLastRealBackslash) {
  // "表" is 0x95 0x5C: its second byte is no backslash.
  AddBitmap("C:\\skn\\t.bmp", 3);
  AddBitmap("t.bmp", 4);
  const struct {
    std::string skinPath;
    std::int32_t width;  // 0: nothing read
  } cases[] = {
      {"C:\\skn\\表.skn", 3},
      {"C:\\skn\\a.skn", 3},
      {"a.skn", 0},  // no folder part: nothing at all is read
      {"表.skn", 0},
  };
  for (const auto& c : cases) {
    const TSkinSettings skin = Read("BmpTop=t.bmp\r\nTransColor=FF00FF\r\n", c.skinPath);
    EXPECT_EQ(skin.BmpTop.Width(), c.width) << c.skinPath;
    EXPECT_EQ(skin.TransColor, (c.width ? TRgb{255, 0, 255} : kBlack)) << c.skinPath;
  }
}

TEST_F(SkinFileTest, AColourThatIsNotSixHexDigitsTakesItsKeysDefault) {
  const TSkinSettings skin = Read(
      "TransColor=12345\r\nBackColor=GGFFAA\r\nSelPenColor=\r\nSelBrushColor=#00FF00\r\n"
      "FontColor=abcdeX\r\nSelFontColor=ff00ffzz\r\n");
  EXPECT_EQ(skin.TransColor, kBlack);
  EXPECT_EQ(skin.BackColor, (TRgb{0xFF, 0xFF, 0xAA}));
  EXPECT_EQ(skin.SelPenColor, kBlack);
  EXPECT_EQ(skin.SelBrushColor, (TRgb{0x00, 0x00, 0x99}));
  EXPECT_EQ(skin.Font.Color, kBlack);
  EXPECT_EQ(skin.SelFont.Color, (TRgb{0xFF, 0x00, 0xFF}));
}

TEST(SkinParsers, Colors) {
  const TRgb fallback{1, 2, 3};
  const struct {
    std::string text;
    TRgb color;
  } cases[] = {
      {"ff00ff", {255, 0, 255}},   {"FF00FF", {255, 0, 255}},
      {"FFFFAA", {255, 255, 170}}, {"FF0000", {255, 0, 0}},
      {"0000FF", {0, 0, 255}},     {"a0B1c2 and more", {0xA0, 0xB1, 0xC2}},
      {"FFFFA", fallback},         {"", fallback},
      {"FFFFAG", fallback},        {" FFFFAA", fallback},
      {"0xFFFF", fallback},        {"表FFFF", fallback},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseSkinColor(c.text, fallback), c.color) << c.text;
}

TEST(SkinParsers, FontStyleLooksAtEachLetter) {
  const struct {
    std::string text;
    TFontStyles style;
  } cases[] = {
      {"BI", {.Bold = true, .Italic = true}},
      {"bold", {.Bold = true}},
      {"strikeout", {.Italic = true, .UnderLine = true, .StrikeOut = true}},
      {"underline", {.Italic = true, .UnderLine = true}},
      {"xyz", {}},
      {"", {}},
      // The second bytes of "ッピナブ" are b, s, i and u.
      {"ッピナブ", {}},
      {"ッb", {.Bold = true}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseFontStyle(c.text), c.style) << c.text;
}

// The stored values are the words' places in their tables; any other word takes
// the value of the table's last row.
TEST(SkinParsers, WordTables) {
  const std::vector<std::string> brushes = {"solid",     "clear",     "horizontal", "vertical",
                                            "fdiagonal", "bdiagonal", "cross",      "diagcross"};
  const std::vector<std::string> pens = {"solid", "dash", "dot", "dashdot", "dashdotdot", "clear"};
  const std::vector<std::string> modes = {"black",       "white",      "nop",         "not",
                                          "copy",        "notcopy",    "mergepennot", "maskpennot",
                                          "mergenotpen", "masknotpen", "merge",       "notmerge",
                                          "mask",        "notmask",    "xor",         "notxor"};
  const std::vector<std::string> adjusts = {"topleft", "topright", "bottomleft", "bottomright",
                                            "center"};
  const std::vector<std::string> fits = {"none", "both", "horz", "vert"};
  for (std::size_t i = 0; i < brushes.size(); ++i) {
    EXPECT_EQ(static_cast<int>(ParseBrushStyle(brushes[i])), static_cast<int>(i));
  }
  for (std::size_t i = 0; i < pens.size(); ++i) {
    EXPECT_EQ(static_cast<int>(ParsePenStyle(pens[i])), static_cast<int>(i));
  }
  for (std::size_t i = 0; i < modes.size(); ++i) {
    EXPECT_EQ(static_cast<int>(ParsePenMode(modes[i])), static_cast<int>(i));
  }
  for (std::size_t i = 0; i < adjusts.size(); ++i) {
    EXPECT_EQ(static_cast<int>(ParseBmpAdjust(adjusts[i])), static_cast<int>(i));
  }
  for (std::size_t i = 0; i < fits.size(); ++i) {
    EXPECT_EQ(static_cast<int>(ParseBmpFit(fits[i])), static_cast<int>(i));
  }

  EXPECT_EQ(ParsePenMode("XOR"), TPenMode::Xor);
  EXPECT_EQ(ParsePenMode("xorpen"), TPenMode::Copy);
  EXPECT_EQ(ParseBrushStyle("Clear"), TBrushStyle::Clear);
  EXPECT_EQ(ParseBrushStyle("clear "), TBrushStyle::Solid);
  EXPECT_EQ(ParsePenStyle(""), TPenStyle::Solid);
  EXPECT_EQ(ParseBmpAdjust("centre"), TBmpAdjust::TopLeft);
  EXPECT_EQ(ParseBmpFit("Both"), TBmpFit::Both);
  EXPECT_EQ(ParseBmpFit("horizontal"), TBmpFit::None);
}

TEST(SkinParsers, PenModesAsTheSystemsRasterOperations) {
  EXPECT_EQ(Rop2Code(TPenMode::Black), 1);     // R2_BLACK
  EXPECT_EQ(Rop2Code(TPenMode::Copy), 13);     // R2_COPYPEN
  EXPECT_EQ(Rop2Code(TPenMode::Xor), 7);       // R2_XORPEN
  EXPECT_EQ(Rop2Code(TPenMode::NotMerge), 2);  // R2_NOTMERGEPEN
  EXPECT_EQ(Rop2Code(TPenMode::White), 16);    // R2_WHITE
}

}  // namespace
}  // namespace nuvopick::testing
