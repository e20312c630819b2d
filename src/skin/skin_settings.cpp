// The skin definition file.
#include "skin/skin_settings.h"

#include <utility>

#include "settings/ini_file.h"
#include "skin/skin_bitmap.h"
#include "text/dbcs.h"
#include "text/text_helpers.h"

namespace nuvopick {

namespace {

template <typename T>
struct TWord {
  const char* Text;
  T Value;
};

template <typename T, std::size_t N>
T LookUpWord(const std::string& word, const TWord<T> (&table)[N], T otherWord) {
  for (const TWord<T>& entry : table) {
    if (SameTextAscii(word, entry.Text)) return entry.Value;
  }
  return otherWord;
}

constexpr TWord<TBrushStyle> kBrushStyles[] = {
    {"solid", TBrushStyle::Solid},           {"clear", TBrushStyle::Clear},
    {"horizontal", TBrushStyle::Horizontal}, {"vertical", TBrushStyle::Vertical},
    {"fdiagonal", TBrushStyle::FDiagonal},   {"bdiagonal", TBrushStyle::BDiagonal},
    {"cross", TBrushStyle::Cross},           {"diagcross", TBrushStyle::DiagCross},
};

constexpr TWord<TPenStyle> kPenStyles[] = {
    {"solid", TPenStyle::Solid},
    {"dash", TPenStyle::Dash},
    {"dot", TPenStyle::Dot},
    {"dashdot", TPenStyle::DashDot},
    {"dashdotdot", TPenStyle::DashDotDot},
    {"clear", TPenStyle::Clear},
};

constexpr TWord<TPenMode> kPenModes[] = {
    {"black", TPenMode::Black},
    {"white", TPenMode::White},
    {"nop", TPenMode::Nop},
    {"not", TPenMode::Not},
    {"copy", TPenMode::Copy},
    {"notcopy", TPenMode::NotCopy},
    {"mergepennot", TPenMode::MergePenNot},
    {"maskpennot", TPenMode::MaskPenNot},
    {"mergenotpen", TPenMode::MergeNotPen},
    {"masknotpen", TPenMode::MaskNotPen},
    {"merge", TPenMode::Merge},
    {"notmerge", TPenMode::NotMerge},
    {"mask", TPenMode::Mask},
    {"notmask", TPenMode::NotMask},
    {"xor", TPenMode::Xor},
    {"notxor", TPenMode::NotXor},
};

constexpr TWord<TBmpAdjust> kBmpAdjusts[] = {
    {"topleft", TBmpAdjust::TopLeft},       {"topright", TBmpAdjust::TopRight},
    {"bottomleft", TBmpAdjust::BottomLeft}, {"bottomright", TBmpAdjust::BottomRight},
    {"center", TBmpAdjust::Center},
};

constexpr TWord<TBmpFit> kBmpFits[] = {
    {"none", TBmpFit::None},
    {"both", TBmpFit::Both},
    {"horz", TBmpFit::Horz},
    {"vert", TBmpFit::Vert},
};

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads the keys of the skin's section in the file's order of use.
class TSkinReader {
 public:
  TSkinReader(const IFileSystem& files, const TIniFile& ini, std::string folder)
      : files_(files), ini_(ini), folder_(std::move(folder)) {}

  // The file named by Key, relative to the skin's folder, when such a file exists.
  TPixelImage Bitmap(const char* key) const {
    TPixelImage image;
    const std::string path = JoinPath(folder_, String(key, ""));
    if (files_.FileExists(path)) LoadSkinBitmap(files_, image, path);
    return image;
  }
  std::string String(const char* key, const std::string& defaultValue) const {
    return ini_.ReadString(kSkinSection, key, defaultValue);
  }
  std::int32_t Integer(const char* key, std::int32_t defaultValue) const {
    return ini_.ReadInteger(kSkinSection, key, defaultValue);
  }
  TRgb Color(const char* key, TRgb defaultColor) const {
    return ParseSkinColor(String(key, ""), defaultColor);
  }

 private:
  const IFileSystem& files_;
  const TIniFile& ini_;
  std::string folder_;
};

}  // namespace

bool TSkinSettings::IsUsable() const {
  return BmpTop.Width() > 0 && BmpBottom.Width() > 0 && BmpLeft.Height() > 0 &&
         BmpRight.Height() > 0;
}

void EnlargeSkinImages(TSkinSettings& skin, std::int32_t factor) {
  for (TPixelImage* image :
       {&skin.BmpLeft, &skin.BmpRight, &skin.BmpTop, &skin.BmpBottom, &skin.BmpTopLeft,
        &skin.BmpTopRight, &skin.BmpBottomLeft, &skin.BmpBottomRight, &skin.BmpBack}) {
    *image = image->Enlarged(factor);
  }
}

TSkinSettings ReadSkin(const IFileSystem& files, const std::string& skinPath,
                       const std::string& currentFontName, std::int32_t currentFontSize) {
  TSkinSettings skin;
  skin.Font.Name = currentFontName;
  skin.Font.Size = currentFontSize;
  skin.SelFont = skin.Font;

  const std::size_t lastBackslash = FindLastOfChars(skinPath, "\\");
  if (lastBackslash == std::string::npos) return skin;
  const std::optional<std::string> bytes = files.ReadAll(skinPath);
  if (!bytes) return skin;
  const TIniFile ini = TIniFile::Parse(*bytes);
  const TSkinReader read(files, ini, skinPath.substr(0, lastBackslash + 1));

  skin.BmpLeft = read.Bitmap("BmpLeft");
  skin.BmpRight = read.Bitmap("BmpRight");
  skin.BmpTop = read.Bitmap("BmpTop");
  skin.BmpBottom = read.Bitmap("BmpBottom");
  skin.BmpTopLeft = read.Bitmap("BmpTopLeft");
  skin.BmpTopRight = read.Bitmap("BmpTopRight");
  skin.BmpBottomLeft = read.Bitmap("BmpBottomLeft");
  skin.BmpBottomRight = read.Bitmap("BmpBottomRight");
  skin.EnumBackBmp = read.Integer("EnumBackBmp", 0) != 0;
  skin.BmpAdjust = ParseBmpAdjust(read.String("BmpAdjust", "TopLeft"));
  skin.BmpFit = ParseBmpFit(read.String("BmpFit", "none"));
  skin.TransColor = read.Color("TransColor", skin.TransColor);
  skin.BackColor = read.Color("BackColor", skin.BackColor);
  skin.SelPenColor = read.Color("SelPenColor", skin.SelPenColor);
  skin.SelPenStyle = ParsePenStyle(read.String("SelPenStyle", "Solid"));
  skin.SelPenMode = ParsePenMode(read.String("SelPenMode", "Copy"));
  skin.SelBrushColor = read.Color("SelBrushColor", skin.SelBrushColor);
  skin.SelBrushStyle = ParseBrushStyle(read.String("SelBrushStyle", "Solid"));
  skin.BmpBack = read.Bitmap("BmpBack");

  skin.Font.Name = read.String("FontName", currentFontName);
  skin.Font.Size = read.Integer("FontSize", currentFontSize);
  skin.Font.Color = read.Color("FontColor", skin.Font.Color);
  skin.Font.Style = ParseFontStyle(read.String("FontStyle", ""));
  skin.Font.CharSet = static_cast<std::uint8_t>(read.Integer("FontCharSet", 128) & 0xFF);

  skin.SelFont.Name = read.String("SelFontName", skin.Font.Name);
  skin.SelFont.Size = read.Integer("SelFontSize", skin.Font.Size);
  skin.SelFont.Color = read.Color("SelFontColor", skin.SelFont.Color);
  skin.SelFont.Style = ParseFontStyle(read.String("SelFontStyle", ""));
  skin.SelFont.CharSet = skin.Font.CharSet;
  return skin;
}

TRgb ParseSkinColor(const std::string& text, TRgb defaultColor) {
  if (text.size() < 6) return defaultColor;
  int digits[6];
  for (std::size_t i = 0; i < 6; ++i) {
    digits[i] = HexValue(text[i]);
    if (digits[i] < 0) return defaultColor;
  }
  return TRgb{static_cast<std::uint8_t>(digits[0] * 16 + digits[1]),
              static_cast<std::uint8_t>(digits[2] * 16 + digits[3]),
              static_cast<std::uint8_t>(digits[4] * 16 + digits[5])};
}

TFontStyles ParseFontStyle(const std::string& text) {
  TFontStyles style;
  // Whole characters: the second byte of a double-byte character can be a letter
  // ("ッ" is 0x83 0x62, and 0x62 is "b").
  for (std::size_t i = 0; i < text.size(); i = NextCharPos(text, i)) {
    switch (text[i]) {
      case 'b':
      case 'B':
        style.Bold = true;
        break;
      case 'i':
      case 'I':
        style.Italic = true;
        break;
      case 'u':
      case 'U':
        style.UnderLine = true;
        break;
      case 's':
      case 'S':
        style.StrikeOut = true;
        break;
      default:
        break;
    }
  }
  return style;
}

TBrushStyle ParseBrushStyle(const std::string& word) {
  return LookUpWord(word, kBrushStyles, TBrushStyle::Solid);
}

TPenStyle ParsePenStyle(const std::string& word) {
  return LookUpWord(word, kPenStyles, TPenStyle::Solid);
}

TPenMode ParsePenMode(const std::string& word) {
  return LookUpWord(word, kPenModes, TPenMode::Copy);
}

TBmpAdjust ParseBmpAdjust(const std::string& word) {
  return LookUpWord(word, kBmpAdjusts, TBmpAdjust::TopLeft);
}

TBmpFit ParseBmpFit(const std::string& word) {
  return LookUpWord(word, kBmpFits, TBmpFit::None);
}

int Rop2Code(TPenMode mode) {
  // R2_BLACK, R2_WHITE, R2_NOP, R2_NOT, R2_COPYPEN, R2_NOTCOPYPEN, R2_MERGEPENNOT,
  // R2_MASKPENNOT, R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN, R2_NOTMERGEPEN,
  // R2_MASKPEN, R2_NOTMASKPEN, R2_XORPEN, R2_NOTXORPEN.
  static constexpr int kCodes[] = {1, 16, 11, 6, 13, 4, 14, 5, 12, 3, 15, 2, 9, 8, 7, 10};
  return kCodes[static_cast<std::size_t>(mode)];
}

}  // namespace nuvopick
