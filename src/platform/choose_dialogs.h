// The common dialogs that ask the user for a colour or a font.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace nuvopick {

// A font as the font dialog shows it. Colours are the settings' colour values
// (lowest byte red; the high bit names a system colour); the size is in points.
struct TFontChoice {
  std::string Name;
  std::int32_t Size = 0;
  std::int32_t CharSet = 0;
  bool Bold = false;
  bool Italic = false;
  bool UnderLine = false;
  bool StrikeOut = false;
  // The colour of the text, which the dialog offers among its effects.
  std::int32_t Color = 0;

  bool operator==(const TFontChoice&) const = default;
};

class IChooseDialogs {
 public:
  virtual ~IChooseDialogs() = default;

  // Runs the colour dialog with Color chosen; returns the colour the user
  // confirmed, or nothing when the user cancelled.
  virtual std::optional<std::int32_t> PickColor(std::int32_t color) = 0;
  // Runs the font dialog with the face, size, character set and styles of
  // Font; the colour it offers is the one last picked there, not Font's.
  // Returns the font the user confirmed, or nothing.
  virtual std::optional<TFontChoice> PickFont(const TFontChoice& font) = 0;
};

}  // namespace nuvopick
