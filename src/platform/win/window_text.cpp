#include "platform/win/window_text.h"

namespace nuvopick::win {

std::string WindowTextOf(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace nuvopick::win
