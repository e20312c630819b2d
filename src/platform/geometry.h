// Points, sizes and rectangles in screen pixels, as the window code and the
// platform services exchange them.
#pragma once

#include <cstdint>

namespace nuvopick {

struct TPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;

  bool operator==(const TPoint&) const = default;
};

struct TSize {
  std::int32_t Width = 0;
  std::int32_t Height = 0;

  bool operator==(const TSize&) const = default;
};

// Right and Bottom lie just outside the rectangle, as in the system's own rectangles.
struct TRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;

  std::int32_t Width() const { return Right - Left; }
  std::int32_t Height() const { return Bottom - Top; }

  bool operator==(const TRect&) const = default;
};

}  // namespace nuvopick
