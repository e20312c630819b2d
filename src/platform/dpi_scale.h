// Lengths given for a 96-DPI screen, as the windows are drawn at another DPI.
#pragma once

#include "platform/geometry.h"

namespace nuvopick {

inline constexpr int kDefaultDpi = 96;

class TDpiScale {
 public:
  constexpr TDpiScale() = default;
  // A DPI the system does not give (zero or less) counts as 96.
  constexpr explicit TDpiScale(int dpi) : dpi_(dpi > 0 ? dpi : kDefaultDpi) {}

  constexpr int Dpi() const { return dpi_; }

  // Pixels * DPI / 96, halves rounded away from zero, as the system's MulDiv
  // does: 588 is 882 at 144 DPI, 391 is 587, and -12 (a font height) is -18.
  constexpr int Px(int pixels) const {
    const long long scaled = static_cast<long long>(pixels) * dpi_;
    const long long half = kDefaultDpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kDefaultDpi
                                        : -((-scaled + half) / kDefaultDpi));
  }
  constexpr TSize Px(TSize size) const { return {Px(size.Width), Px(size.Height)}; }
  constexpr TRect Px(TRect rect) const {
    return {Px(rect.Left), Px(rect.Top), Px(rect.Right), Px(rect.Bottom)};
  }

  // The whole factor a bitmap is enlarged by so that its pixels stay square
  // and sharp: DPI / 96 rounded down, never below 1 (2 from 192 DPI).
  constexpr int WholeFactor() const { return dpi_ >= 2 * kDefaultDpi ? dpi_ / kDefaultDpi : 1; }

  constexpr bool operator==(const TDpiScale&) const = default;

 private:
  int dpi_ = kDefaultDpi;
};

}  // namespace nuvopick
