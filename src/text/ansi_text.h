// Text in the system's ANSI code page (932 for our Japanese texts) and the same
// text in UTF-16, as the system's wide calls take it. File names may hold
// characters the code page cannot; they travel in UTF-16, while what the
// settings file keeps stays in the code page.
#pragma once

#include <optional>
#include <string>

namespace nuvopick {

// Every character of Text in UTF-16. Bytes that are no character of the code
// page become a replacement character.
std::u16string WidenAnsi(const std::string& text);

// Text in the code page, or nothing when the code page cannot hold it exactly:
// a character it lacks is never replaced by a look-alike or "?".
std::optional<std::string> NarrowAnsi(const std::u16string& text);

}  // namespace nuvopick
