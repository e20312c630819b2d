// Where the small program icon of a list row sits, and what it asks of the row:
// the plain and the skinned gate list place it alike, left of the text.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/dpi_scale.h"

namespace nuvopick {

// On a 96-DPI screen: the icon's side, its distance from the row's left edge, the
// gap between it and the text, and the room kept above and below it together.
inline constexpr std::int32_t kRowIconSize = 16;
inline constexpr std::int32_t kRowIconLeft = 2;
inline constexpr std::int32_t kRowIconTextGap = 4;
inline constexpr std::int32_t kRowIconMargin = 2;

struct TRowIconLayout {
  std::int32_t IconSize = 0;  // 0: the rows show no icon
  std::int32_t IconLeft = 0;
  // Where the text starts: the icon column's width.
  std::int32_t TextLeft = 0;
  // The least row height that holds the icon with its margin.
  std::int32_t RowHeight = 0;

  constexpr bool HasIcons() const { return IconSize > 0; }
  constexpr bool operator==(const TRowIconLayout&) const = default;
};

// The side of a small icon at Dpi: what the system says for that DPI when it can
// say it (SystemSize above 0), else 16 pixels grown with the DPI.
constexpr std::int32_t SmallIconSizeAt(std::int32_t systemSize, const TDpiScale& dpi) {
  return systemSize > 0 ? systemSize : dpi.Px(kRowIconSize);
}

// The icon column for icons of IconSize pixels at Dpi; the empty layout for none.
constexpr TRowIconLayout RowIconLayoutFor(std::int32_t iconSize, const TDpiScale& dpi) {
  if (iconSize <= 0) return {};
  const std::int32_t left = dpi.Px(kRowIconLeft);
  return {iconSize, left, left + iconSize + dpi.Px(kRowIconTextGap),
          iconSize + dpi.Px(kRowIconMargin)};
}

// A row as high as its text needs, and at least as high as its icon needs.
constexpr std::int32_t RowHeightWithIcon(std::int32_t textRowHeight, const TRowIconLayout& icons) {
  return std::max(textRowHeight, icons.RowHeight);
}

}  // namespace nuvopick
