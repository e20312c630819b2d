#include "text/dbcs.h"

#include <cstring>

namespace nuvopick {

std::size_t NextCharPos(const std::string& text, std::size_t pos) {
  if (IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) return pos + 2;
  return pos + 1;
}

std::size_t LastCharPos(const std::string& text) {
  std::size_t last = std::string::npos;
  for (std::size_t i = 0; i < text.size(); i = NextCharPos(text, i)) last = i;
  return last;
}

std::size_t FindLastOfChars(const std::string& text, const char* chars) {
  std::size_t found = std::string::npos;
  for (std::size_t i = 0; i < text.size(); i = NextCharPos(text, i)) {
    if (text[i] != '\0' && std::strchr(chars, text[i]) != nullptr) found = i;
  }
  return found;
}

std::string UpperAscii(const std::string& text) {
  std::string result = text;
  for (std::size_t i = 0; i < result.size(); i = NextCharPos(result, i)) {
    if (result[i] >= 'a' && result[i] <= 'z') result[i] = static_cast<char>(result[i] - 'a' + 'A');
  }
  return result;
}

bool SameTextAscii(const std::string& a, const std::string& b) {
  return a.size() == b.size() && UpperAscii(a) == UpperAscii(b);
}

}  // namespace nuvopick
