// The common dialogs that ask the user for a colour or a font.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/font.h"

namespace nuvopick {

class IChooseDialogs {
 public:
  virtual ~IChooseDialogs() = default;

  // Runs the colour dialog with Color chosen; returns the colour the user
  // confirmed, or nothing when the user cancelled.
  virtual std::optional<std::int32_t> PickColor(std::int32_t color) = 0;
  // Runs the font dialog with the face, size, character set and styles of
  // Font; the colour it offers is the one last picked there, not Font's.
  // Returns the font the user confirmed, its colour the one picked among the
  // dialog's effects, or nothing.
  virtual std::optional<TFont> PickFont(const TFont& font) = 0;
};

}  // namespace nuvopick
