#include "text/ansi_text.h"

#include "text/ansi_conversion.h"

namespace nuvopick {

std::u16string WidenAnsi(const std::string& text) {
  return ConvertFromAnsi(text);
}

std::optional<std::string> NarrowAnsi(const std::u16string& text) {
  std::optional<std::string> narrow = ConvertToAnsi(text);
  // Some characters go into the code page one way only (a second wave dash,
  // a full-width form): such a text would come back as another name.
  if (narrow && ConvertFromAnsi(*narrow) != text) return std::nullopt;
  return narrow;
}

}  // namespace nuvopick
