// The skinned gate window drawn on pixel buffers.
#include "skin/skin_composition.h"

#include <algorithm>
#include <vector>

#include "text/text_helpers.h"

namespace nuvopick {

namespace {

// The smallest multiple of Tile strictly greater than Length: a text of exactly
// three tiles still gets a fourth.
std::int64_t WholeTilesAbove(std::int64_t length, std::int64_t tile) {
  return length + tile - length % tile;
}

// Where Inner starts inside Outer so that their Adjust corners meet; the centre
// halves the difference dividing towards zero, as the system's integer division does.
TPoint AnchorOffset(TBmpAdjust adjust, TSize outer, TSize inner) {
  const std::int32_t dx = outer.Width - inner.Width;
  const std::int32_t dy = outer.Height - inner.Height;
  switch (adjust) {
    case TBmpAdjust::TopRight:
      return {dx, 0};
    case TBmpAdjust::BottomLeft:
      return {0, dy};
    case TBmpAdjust::BottomRight:
      return {dx, dy};
    case TBmpAdjust::Center:
      return {dx / 2, dy / 2};
    case TBmpAdjust::TopLeft:
      break;
  }
  return {0, 0};
}

// The size the background image has after BmpFit.
TSize FittedSize(TBmpFit fit, TSize image, TSize list) {
  switch (fit) {
    case TBmpFit::Both:
      return list;
    case TBmpFit::Horz:
      return {list.Width, image.Height};
    case TBmpFit::Vert:
      return {image.Width, list.Height};
    case TBmpFit::None:
      break;
  }
  return image;
}

// For each position 0 … Length − 1 of the list along one axis, the position in
// the background image that shows there, or −1 for none. The image is Fitted long
// after stretching and Source long before; Offset is where the (tiled) image starts.
std::vector<std::int32_t> SourcePositions(std::int32_t length, std::int32_t offset,
                                          std::int32_t fitted, std::int32_t source, bool tiled) {
  std::vector<std::int32_t> positions(static_cast<std::size_t>(length), -1);
  for (std::int32_t i = 0; i < length; ++i) {
    std::int64_t inFitted = std::int64_t{i} - offset;
    if (tiled) {
      inFitted %= fitted;  // the tiled image starts at or before 0, so InFitted >= 0
    } else if (inFitted < 0 || inFitted >= fitted) {
      continue;
    }
    positions[static_cast<std::size_t>(i)] =
        static_cast<std::int32_t>(inFitted * source / fitted);  // nearest pixel
  }
  return positions;
}

}  // namespace

std::int32_t SkinItemHeight(std::int32_t selFontTextHeight, std::int32_t itemFontTextHeight,
                            const TDpiScale& dpi) {
  return MaxOf(selFontTextHeight, itemFontTextHeight) + dpi.Px(kSkinItemPadding);
}

TSkinRowMetrics SkinRowMetrics(std::int32_t selFontTextHeight, std::int32_t itemFontTextHeight,
                               std::int32_t maxTextWidth, const TRowIconLayout& icons,
                               const TDpiScale& dpi) {
  const std::int32_t indent = dpi.Px(kSkinTextIndent);
  const std::int32_t textLeft = icons.HasIcons() ? std::max(indent, icons.TextLeft) : indent;
  return {RowHeightWithIcon(SkinItemHeight(selFontTextHeight, itemFontTextHeight, dpi), icons),
          textLeft, maxTextWidth + textLeft - indent};
}

TPixelImage ComposeSkinBackground(const TSkinSettings& skin, TSize listSize) {
  TPixelImage background(listSize.Width, listSize.Height, skin.BackColor);
  const TPixelImage& image = skin.BmpBack;
  if (image.IsEmpty() || background.IsEmpty()) return background;

  // The stretched image is never made: each pixel of the list is traced back
  // through the placement or the tiling and the stretch to a pixel of the image,
  // so a large stretch costs no more than the list's own pixels.
  const TSize fitted = FittedSize(skin.BmpFit, TSize{image.Width(), image.Height()}, listSize);
  TPoint offset;
  if (skin.EnumBackBmp) {
    // Tiles added to the right, then downwards, until the tiled image covers the
    // list; then the tiled image is moved so that the anchor corners meet and cut
    // to the list's size. Moving it never uncovers a pixel of the list, as the tiled
    // image is at least as large.
    const std::int32_t tiledWidth = static_cast<std::int32_t>(
        std::max<std::int64_t>(1, (listSize.Width + fitted.Width - 1) / fitted.Width) *
        fitted.Width);
    const std::int32_t tiledHeight = static_cast<std::int32_t>(
        std::max<std::int64_t>(1, (listSize.Height + fitted.Height - 1) / fitted.Height) *
        fitted.Height);
    offset = AnchorOffset(skin.BmpAdjust, listSize, TSize{tiledWidth, tiledHeight});
  } else {
    offset = AnchorOffset(skin.BmpAdjust, listSize, fitted);
  }
  const std::vector<std::int32_t> columns =
      SourcePositions(listSize.Width, offset.X, fitted.Width, image.Width(), skin.EnumBackBmp);
  const std::vector<std::int32_t> rows =
      SourcePositions(listSize.Height, offset.Y, fitted.Height, image.Height(), skin.EnumBackBmp);
  for (std::int32_t y = 0; y < listSize.Height; ++y) {
    const std::int32_t sourceY = rows[static_cast<std::size_t>(y)];
    if (sourceY < 0) continue;
    const TRgb* from = image.Row(sourceY);
    TRgb* to = background.Row(y);
    for (std::int32_t x = 0; x < listSize.Width; ++x) {
      const std::int32_t sourceX = columns[static_cast<std::size_t>(x)];
      if (sourceX >= 0) to[x] = from[sourceX];
    }
  }
  return background;
}

std::optional<TComposedSkin> ComposeSkin(const TSkinSettings& skin, std::int32_t itemHeight,
                                         std::int32_t textWidth, int itemCount) {
  // The edge images are the units the list is counted in; without them there is
  // nothing to divide by.
  if (!skin.IsUsable()) return std::nullopt;
  const TPixelImage& left = skin.BmpLeft;
  const TPixelImage& right = skin.BmpRight;
  const TPixelImage& top = skin.BmpTop;
  const TPixelImage& bottom = skin.BmpBottom;

  const std::int32_t marginLeft =
      std::max({left.Width(), skin.BmpTopLeft.Width(), skin.BmpBottomLeft.Width()});
  const std::int32_t marginRight =
      std::max({right.Width(), skin.BmpTopRight.Width(), skin.BmpBottomRight.Width()});
  const std::int32_t marginTop =
      std::max({top.Height(), skin.BmpTopLeft.Height(), skin.BmpTopRight.Height()});
  const std::int32_t marginBottom =
      std::max({bottom.Height(), skin.BmpBottomLeft.Height(), skin.BmpBottomRight.Height()});

  const std::int64_t text = std::max(textWidth, 0);
  const std::int64_t rows = std::int64_t{std::max(itemCount, 0)} * std::max(itemHeight, 0);
  const std::int64_t listWidth =
      std::max(WholeTilesAbove(text, top.Width()), WholeTilesAbove(text, bottom.Width()));
  const std::int64_t listHeight =
      std::max(WholeTilesAbove(rows, right.Height()), WholeTilesAbove(rows, left.Height()));
  const std::int64_t frameWidth = listWidth + marginLeft + marginRight;
  const std::int64_t frameHeight = listHeight + marginTop + marginBottom;
  if (frameWidth > kMaxImageSide || frameHeight > kMaxImageSide ||
      frameWidth * frameHeight > kMaxImagePixels) {
    return std::nullopt;
  }

  TComposedSkin composed;
  const auto fw = static_cast<std::int32_t>(frameWidth);
  const auto fh = static_cast<std::int32_t>(frameHeight);
  const auto lw = static_cast<std::int32_t>(listWidth);
  const auto lh = static_cast<std::int32_t>(listHeight);
  composed.Layout.FrameSize = TSize{fw, fh};
  composed.Layout.ListRect = TRect{marginLeft, marginTop, marginLeft + lw, marginTop + lh};
  composed.Layout.ItemHeight = std::max(itemHeight, 0);

  // The frame starts in the transparent colour, so that the pixels no image covers
  // (beside an edge narrower or lower than its margin) are cut out of the window.
  TPixelImage& frame = composed.Frame;
  frame = TPixelImage(fw, fh, skin.TransColor);
  for (std::int32_t i = 0; i <= (lw - 1) / top.Width(); ++i) {
    frame.Draw(top, marginLeft + i * top.Width(), 0);
  }
  for (std::int32_t i = 0; i <= (lw - 1) / bottom.Width(); ++i) {
    frame.Draw(bottom, marginLeft + i * bottom.Width(), fh - bottom.Height());
  }
  for (std::int32_t i = 0; i <= (lh - 1) / left.Height(); ++i) {
    frame.Draw(left, 0, marginTop + i * left.Height());
  }
  for (std::int32_t i = 0; i <= (lh - 1) / right.Height(); ++i) {
    frame.Draw(right, fw - right.Width(), marginTop + i * right.Height());
  }
  // Corners by the margins, over the ends of the edges.
  frame.Draw(skin.BmpTopLeft, 0, 0);
  frame.Draw(skin.BmpTopRight, fw - marginRight, 0);
  frame.Draw(skin.BmpBottomLeft, 0, fh - marginBottom);
  frame.Draw(skin.BmpBottomRight, fw - marginRight, fh - marginBottom);

  // 255 − r never equals r, so the list area is never cut out of the window.
  const std::uint8_t r = skin.TransColor.R;
  frame.FillRect(composed.Layout.ListRect, TRgb{static_cast<std::uint8_t>(255 - r), r, r});

  composed.Background = ComposeSkinBackground(skin, TSize{lw, lh});
  return composed;
}

}  // namespace nuvopick
