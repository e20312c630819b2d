// The code page's own conversions behind ansi_text.h, one implementation for
// Windows (the system's) and one for the host (code page 932).
#pragma once

#include <optional>
#include <string>

namespace nuvopick {

std::u16string ConvertFromAnsi(const std::string& text);

// Nothing when a character has no exact counterpart in the code page.
std::optional<std::string> ConvertToAnsi(const std::u16string& text);

}  // namespace nuvopick
