// The skinned gate window drawn on pixel buffers: the frame of edge and corner
// images around the list, the list's background, and the sizes of the window and
// the list. The window code measures the text, makes the system's bitmaps and
// region from the result and draws the rows.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/dpi_scale.h"
#include "platform/geometry.h"
#include "platform/row_icon_layout.h"
#include "skin/pixel_image.h"
#include "skin/skin_settings.h"

namespace nuvopick {

// Room added to the text height of a row, and the text's distance from the
// row's left edge, on a 96-DPI screen. Both belong to the text, whose fonts grow
// by the DPI's exact factor, so they grow with it (where the skin's images grow
// by whole factors only).
inline constexpr std::int32_t kSkinItemPadding = 5;
inline constexpr std::int32_t kSkinTextIndent = 2;

// The row height of the skinned list from the height of the text "gM" in the
// selection font and in the item font, both made for Dpi.
std::int32_t SkinItemHeight(std::int32_t selFontTextHeight, std::int32_t itemFontTextHeight,
                            const TDpiScale& dpi);

// A skinned row: its height, where its text starts, and the text width the list
// is composed for (the widest text and the part of the icon column beyond the
// text's indent).
struct TSkinRowMetrics {
  std::int32_t ItemHeight = 0;
  std::int32_t TextLeft = 0;
  std::int32_t ComposedTextWidth = 0;

  bool operator==(const TSkinRowMetrics&) const = default;
};

// The rows for texts measured as for SkinItemHeight, the widest MaxTextWidth
// pixels, with the icon column of Icons before the text when the rows show icons:
// a row is then at least as high as its icon needs.
TSkinRowMetrics SkinRowMetrics(std::int32_t selFontTextHeight, std::int32_t itemFontTextHeight,
                               std::int32_t maxTextWidth, const TRowIconLayout& icons,
                               const TDpiScale& dpi);

struct TSkinLayout {
  TSize FrameSize;  // the window
  TRect ListRect;   // the list inside the window, at the frame's margins
  std::int32_t ItemHeight = 0;

  bool operator==(const TSkinLayout&) const = default;
};

struct TComposedSkin {
  TSkinLayout Layout;
  // The whole window: edges, corners and the list area in the interior fill
  // colour. Its pixels of the skin's transparent colour are cut out of the window.
  TPixelImage Frame;
  // Exactly as large as the list: what the rows are drawn on.
  TPixelImage Background;
};

// The frame's composition for ItemCount rows (the cancel row included) of
// ItemHeight pixels whose widest text is TextWidth pixels (the wider of the widths
// in the two fonts). The list's width and height are the smallest whole numbers of
// edge tiles strictly greater than the text width and the rows' height. Nothing
// when the skin is not usable (an edge image without the size that the tiles are
// counted in) or when the window would be larger than an image may be; the gate
// window is then built without the skin.
std::optional<TComposedSkin> ComposeSkin(const TSkinSettings& skin, std::int32_t itemHeight,
                                         std::int32_t textWidth, int itemCount);

// The image behind the list for a list of ListSize: BackColor when the skin has no
// background image; otherwise the image, stretched as BmpFit says, then tiled over
// the list or placed once on BackColor, lined up with the list's BmpAdjust corner.
TPixelImage ComposeSkinBackground(const TSkinSettings& skin, TSize listSize);

}  // namespace nuvopick
