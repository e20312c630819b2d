// Arithmetic of what the setup window draws itself: the grey title of the tray
// menu, the centring of a picture or text in a rectangle, and the way back from
// the pixels of a screen of any DPI to the window's 96-DPI layout.
#pragma once

#include <array>
#include <cstdint>

#include "platform/dpi_scale.h"
#include "platform/geometry.h"

namespace nuvopick {

inline constexpr char kTrayTitleText[] = "NuvoPick";

// The tray menu's title strip: 32 pixels from black to a light grey, left to
// right, stretched over the item; pixel x is the grey (200 / 32) * x.
std::array<std::uint8_t, 32> TrayTitleGreys();

// Top-left corner that centres Inner in Outer, halves rounded toward zero (the
// extension's icon in its panel, the title text in its menu item).
TPoint CenterIn(const TRect& outer, const TSize& inner);

// The 96-DPI length that holds a text measured as Pixels at Dpi: rounded up, so
// that the length scaled back (TDpiScale::Px) is never shorter than the text.
int UnscaledTextWidth(int pixels, const TDpiScale& dpi);

// The 96-DPI point of the pixel At, rounded down: a pixel left of or above the
// origin stays outside (-1 at any DPI), the last pixel of a scaled length stays
// inside it.
TPoint UnscaledPoint(TPoint at, const TDpiScale& dpi);

}  // namespace nuvopick
