// The setup window's colour and font dialogs.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>

#include "platform/choose_dialogs.h"

namespace nuvopick::win {

class TWinChooseDialogs : public IChooseDialogs {
 public:
  TWinChooseDialogs() { customColors_.fill(RGB(255, 255, 255)); }

  // The dialogs are modal to this window.
  void SetOwner(HWND owner) { owner_ = owner; }
  std::optional<std::int32_t> PickColor(std::int32_t color) override;
  std::optional<nuvopick::TFont> PickFont(const nuvopick::TFont& font) override;

 private:
  HWND owner_ = nullptr;
  // What the user keeps between runs: the custom colours (white until the user
  // makes some) and the font colour.
  std::array<COLORREF, 16> customColors_{};
  COLORREF fontColor_ = 0;
};

}  // namespace nuvopick::win
