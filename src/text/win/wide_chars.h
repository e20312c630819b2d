// UTF-16 text of the portable code (std::u16string) as the system's wide calls
// take and give it: on Windows wchar_t is the same 16-bit unit.
#pragma once

#include <string>

namespace nuvopick::win {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wide calls take UTF-16 units");

inline const wchar_t* WideChars(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

inline wchar_t* WideChars(std::u16string& text) {
  return reinterpret_cast<wchar_t*>(text.data());
}

// Empty for a null pointer.
inline std::u16string FromWideChars(const wchar_t* text) {
  return text == nullptr ? std::u16string()
                         : std::u16string(reinterpret_cast<const char16_t*>(text));
}

}  // namespace nuvopick::win
