// Walking 8-bit text in the system's ANSI code page (932 for our Japanese texts)
// one character at a time, so that the second byte of a double-byte character
// (which can be 0x5C, the backslash) is never mistaken for a separator.
#pragma once

#include <cstddef>
#include <string>

namespace nuvopick {

// True when Byte starts a double-byte character in the running system's code page.
bool IsLeadByte(unsigned char byte);

// Position of the character after the one that starts at Pos. A lead byte at the
// very end of the text counts as a character of its own.
std::size_t NextCharPos(const std::string& text, std::size_t pos);

// Position where the last character of Text starts, or npos for an empty text.
std::size_t LastCharPos(const std::string& text);

// Position of the last occurrence of any single-byte character of Chars, or npos.
std::size_t FindLastOfChars(const std::string& text, const char* chars);

// ASCII letters folded to upper case; bytes of double-byte characters unchanged.
std::string UpperAscii(const std::string& text);

// Comparison without regard to ASCII letter case, double-byte characters exact.
bool SameTextAscii(const std::string& a, const std::string& b);

}  // namespace nuvopick
