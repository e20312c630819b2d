// A font as the settings window shows it, the font dialog offers it and the sample
// list draws it.
#pragma once

#include <cstdint>
#include <string>

namespace nuvopick {

// Colours are the settings' colour values (lowest byte red; the high bit names a
// system colour); the size is in points.
struct TFont {
  std::string Name;
  std::int32_t Size = 0;
  std::int32_t Color = 0;
  std::int32_t CharSet = 0;
  bool Bold = false;
  bool Italic = false;
  bool UnderLine = false;
  bool StrikeOut = false;

  bool operator==(const TFont&) const = default;
};

}  // namespace nuvopick
