// Colour and font dialogs for the tests: each run is recorded with what it
// started from, and the user's choice comes from a script (cancelled when the
// script has run out).
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "platform/choose_dialogs.h"

namespace nuvopick::testing {

class ScriptedChooseDialogs : public IChooseDialogs {
 public:
  std::vector<std::int32_t> colorsShown;
  std::vector<TFont> fontsShown;
  std::deque<std::optional<std::int32_t>> colors;
  std::deque<std::optional<TFont>> fonts;

  std::optional<std::int32_t> PickColor(std::int32_t color) override {
    colorsShown.push_back(color);
    return Next(colors);
  }
  std::optional<TFont> PickFont(const TFont& font) override {
    fontsShown.push_back(font);
    return Next(fonts);
  }

 private:
  template <typename T>
  static std::optional<T> Next(std::deque<std::optional<T>>& script) {
    if (script.empty()) return std::nullopt;
    std::optional<T> choice = script.front();
    script.pop_front();
    return choice;
  }
};

}  // namespace nuvopick::testing
