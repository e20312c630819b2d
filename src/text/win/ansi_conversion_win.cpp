// The conversions of the running system's ANSI code page, the one that the
// program's other text (settings, controls, messages) is in.
#include <windows.h>

#include "text/ansi_conversion.h"
#include "text/win/wide_chars.h"

namespace nuvopick {

std::u16string ConvertFromAnsi(const std::string& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::u16string wide(static_cast<std::size_t>(length), u'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, win::WideChars(wide), length);
  return wide;
}

std::optional<std::string> ConvertToAnsi(const std::u16string& text) {
  if (text.empty()) return std::string();
  const int size = static_cast<int>(text.size());
  // No best fit: "é" must not quietly become "e" and name another file.
  BOOL usedDefault = FALSE;
  const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, win::WideChars(text), size,
                                         nullptr, 0, nullptr, &usedDefault);
  if (length == 0 || usedDefault) return std::nullopt;
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, win::WideChars(text), size, narrow.data(),
                      length, nullptr, &usedDefault);
  if (usedDefault) return std::nullopt;
  return narrow;
}

}  // namespace nuvopick
