// Arithmetic of what the setup window draws itself: the grey title of the tray
// menu and the centring of a picture or text in a rectangle.
#pragma once

#include <array>
#include <cstdint>

#include "platform/geometry.h"

namespace nuvopick {

inline constexpr char kTrayTitleText[] = "NuvoPick";

// The tray menu's title strip: 32 pixels from black to a light grey, left to
// right, stretched over the item; pixel x is the grey (200 / 32) * x.
std::array<std::uint8_t, 32> TrayTitleGreys();

// Top-left corner that centres Inner in Outer, halves rounded toward zero (the
// extension's icon in its panel, the title text in its menu item).
TPoint CenterIn(const TRect& outer, const TSize& inner);

}  // namespace nuvopick
