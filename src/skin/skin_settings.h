// The skin definition file: the frame's images, the list's background, the
// transparent colour, the selection rectangle's pen and brush and the two fonts of
// the gate window's list, read from the section "NuvoPickSkinFile".
#pragma once

#include <cstdint>
#include <string>

#include "platform/file_system.h"
#include "skin/pixel_image.h"

namespace nuvopick {

inline constexpr char kSkinSection[] = "NuvoPickSkinFile";

// The enumerations keep the skin file's own numbering; where it differs from the
// system's numbers for brushes, pens and raster operations, the comment or
// Rop2Code says how to get those.

// Brush of the selection rectangle. Solid and Clear are the brush styles BS_SOLID
// and BS_NULL; the hatches are BS_HATCHED with the hatch code (value − 2).
enum class TBrushStyle : std::uint8_t {
  Solid = 0,
  Clear = 1,
  Horizontal = 2,
  Vertical = 3,
  FDiagonal = 4,
  BDiagonal = 5,
  Cross = 6,
  DiagCross = 7,
};

// Pen of the selection rectangle: the values are the system's pen styles (PS_SOLID
// to PS_NULL).
enum class TPenStyle : std::uint8_t {
  Solid = 0,
  Dash = 1,
  Dot = 2,
  DashDot = 3,
  DashDotDot = 4,
  Clear = 5,
};

// How the selection rectangle's pen and brush combine with the pixels under them.
enum class TPenMode : std::uint8_t {
  Black = 0,
  White = 1,
  Nop = 2,
  Not = 3,
  Copy = 4,
  NotCopy = 5,
  MergePenNot = 6,
  MaskPenNot = 7,
  MergeNotPen = 8,
  MaskNotPen = 9,
  Merge = 10,
  NotMerge = 11,
  Mask = 12,
  NotMask = 13,
  Xor = 14,
  NotXor = 15,
};

// The corner of the list area that the background image is lined up with.
enum class TBmpAdjust : std::uint8_t {
  TopLeft = 0,
  TopRight = 1,
  BottomLeft = 2,
  BottomRight = 3,
  Center = 4,
};

// How the background image is stretched to the list area before it is placed.
enum class TBmpFit : std::uint8_t {
  None = 0,
  Both = 1,
  Horz = 2,
  Vert = 3,
};

struct TFontStyles {
  bool Bold = false;
  bool Italic = false;
  bool UnderLine = false;
  bool StrikeOut = false;

  bool operator==(const TFontStyles&) const = default;
};

struct TSkinFont {
  std::string Name;
  std::int32_t Size = 0;  // points
  TRgb Color;
  TFontStyles Style;
  std::uint8_t CharSet = 128;  // Shift-JIS

  bool operator==(const TSkinFont&) const = default;
};

struct TSkinSettings {
  // The frame: four edges, tiled, and four corners. Absent or unreadable files
  // leave empty images.
  TPixelImage BmpLeft;
  TPixelImage BmpRight;
  TPixelImage BmpTop;
  TPixelImage BmpBottom;
  TPixelImage BmpTopLeft;
  TPixelImage BmpTopRight;
  TPixelImage BmpBottomLeft;
  TPixelImage BmpBottomRight;

  bool EnumBackBmp = false;  // tile the background image
  TBmpAdjust BmpAdjust = TBmpAdjust::TopLeft;
  TBmpFit BmpFit = TBmpFit::None;
  TRgb TransColor{0x00, 0x00, 0x00};
  TRgb BackColor{0xFF, 0xFF, 0xAA};
  TRgb SelPenColor{0x00, 0x00, 0x00};
  TPenStyle SelPenStyle = TPenStyle::Solid;
  TPenMode SelPenMode = TPenMode::Copy;
  TRgb SelBrushColor{0x00, 0x00, 0x99};
  TBrushStyle SelBrushStyle = TBrushStyle::Solid;
  TPixelImage BmpBack;

  TSkinFont Font;     // ordinary rows
  TSkinFont SelFont;  // the selected row; always the character set of Font

  // The four edges are the tiles that the list's size is counted in: the top and
  // bottom images need a width, the left and right ones a height. Without them the
  // gate window is built without the skin.
  bool IsUsable() const;
};

// The skin's nine images enlarged by Factor, nearest neighbour (TPixelImage::Enlarged),
// for a screen of that many times 96 DPI. The composition then runs on them as
// it does at 96 DPI: margins, tiles and the list's size in whole tiles all grow
// by the same factor, and no pixel of a tile is smeared. An image too large to be
// enlarged becomes empty, so a skin with such an edge is no longer usable.
void EnlargeSkinImages(TSkinSettings& skin, std::int32_t factor);

// Reads the skin file SkinPath through Files. Bitmap names are relative to the skin
// file's folder (the path up to its last backslash); the font name and size default
// to the list's current font. A path without a folder part reads nothing and gives
// the defaults, whose images are empty: not a usable skin.
TSkinSettings ReadSkin(const IFileSystem& files, const std::string& skinPath,
                       const std::string& currentFontName, std::int32_t currentFontSize);

// "RRGGBB" in hexadecimal digits of either case; what follows the sixth character
// is ignored. Text that does not begin with six hexadecimal digits gives Default.
TRgb ParseSkinColor(const std::string& text, TRgb defaultColor);

// Every single-byte character on its own, letter case ignored: "b" bold, "i"
// italic, "u" underline, "s" strike-out, anything else nothing ("strikeout" is
// strike-out, italic and underline).
TFontStyles ParseFontStyle(const std::string& text);

// Whole words, ASCII letter case ignored; any other word, the empty one included,
// gives the first value of each enumeration except the pen mode, which gives Copy.
TBrushStyle ParseBrushStyle(const std::string& word);
TPenStyle ParsePenStyle(const std::string& word);
TPenMode ParsePenMode(const std::string& word);
TBmpAdjust ParseBmpAdjust(const std::string& word);
TBmpFit ParseBmpFit(const std::string& word);

// The system's binary raster operation code (R2_BLACK = 1 … R2_WHITE = 16) of Mode.
int Rop2Code(TPenMode mode);

}  // namespace nuvopick
