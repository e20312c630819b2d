// Text and path helpers.
#include "text/text_helpers.h"

#include <cstdint>

#include "text/dbcs.h"

namespace nuvopick {

namespace {

// The character (one or two bytes) that starts at Pos.
std::string CharAt(const std::string& text, std::size_t pos) {
  return text.substr(pos, NextCharPos(text, pos) - pos);
}

// True when the last character of Text is the single-byte character C.
bool EndsWithChar(const std::string& text, char c) {
  const std::size_t last = LastCharPos(text);
  return last != std::string::npos && last + 1 == text.size() && text[last] == c;
}

bool IsControlOrBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string AddDot(const std::string& text) {
  if (text.empty() || text[0] == '.') return text;
  return "." + text;
}

std::string RemoveDot(const std::string& text) {
  if (!text.empty() && text[0] == '.') return text.substr(1);
  return text;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (name.empty()) return folder;
  // A lead byte is never "\", so the name's first byte can be looked at directly;
  // the folder's last byte can be the second half of a character such as 0x95 0x5C.
  const std::string head =
      EndsWithChar(folder, '\\') ? folder.substr(0, folder.size() - 1) : folder;
  const std::string tail = name[0] == '\\' ? name.substr(1) : name;
  return head + "\\" + tail;
}

std::string RemoveChars(const std::string& text, const std::string& chars) {
  std::string result = text;
  for (std::size_t c = 0; c < chars.size(); c = NextCharPos(chars, c)) {
    const std::string removed = CharAt(chars, c);
    std::string kept;
    for (std::size_t i = 0; i < result.size(); i = NextCharPos(result, i)) {
      const std::string current = CharAt(result, i);
      if (!SameTextAscii(current, removed)) kept += current;
    }
    result = kept;
  }
  return result;
}

int MaxOf(int a, int b) {
  return b < a ? a : b;
}

std::u16string ExpandParam(const std::u16string& paramTemplate,
                           const std::u16string& firstArgument) {
  std::u16string result;
  ExpandParamParts(paramTemplate, firstArgument,
                   [&result](const std::u16string& text, bool) { result += text; });
  return result;
}

void ExpandParamParts(
    const std::u16string& paramTemplate, const std::u16string& firstArgument,
    const std::function<void(const std::u16string& text, bool isArgument)>& append) {
  std::u16string text;
  const auto flushText = [&] {
    if (!text.empty()) append(text, false);
    text.clear();
  };
  std::size_t i = 0;
  while (i < paramTemplate.size()) {
    if (paramTemplate[i] != u'%' || i + 1 == paramTemplate.size()) {
      text += paramTemplate[i];
      i += 1;
    } else if (paramTemplate[i + 1] == u'1') {
      flushText();
      append(firstArgument, true);
      i += 2;
    } else if (paramTemplate[i + 1] == u'%') {
      text += u'%';
      i += 2;
    } else {
      // An unknown pair loses its "%"; the next character is read afresh.
      i += 1;
    }
  }
  flushText();
}

std::string Unquote(const std::string& text) {
  std::size_t begin = 0;
  while (begin < text.size() && text[begin] == '"') ++begin;
  std::string result = text.substr(begin);
  while (EndsWithChar(result, '"')) result.pop_back();
  return result;
}

std::u16string Unquote(const std::u16string& text) {
  const std::size_t begin = text.find_first_not_of(u'"');
  if (begin == std::u16string::npos) return {};
  return text.substr(begin, text.find_last_not_of(u'"') + 1 - begin);
}

std::optional<std::int32_t> ParseInteger(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    i += 1;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return std::nullopt;
  const std::int64_t limit = negative ? INT64_C(2147483648) : INT64_C(2147483647);
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit = HexDigitValue(text[i]);
    if (digit < 0 || digit >= base) return std::nullopt;
    value = value * base + digit;
    if (value > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -value : value);
}

TIconLocation SplitIconLocation(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); i = NextCharPos(text, i)) {
    if (text[i] == ',') return {text.substr(0, i), ParseInteger(text.substr(i + 1)).value_or(0)};
  }
  return {text, 0};
}

std::string TrimBlanks(const std::string& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsControlOrBlank(text[begin])) ++begin;
  while (end > begin && IsControlOrBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string FileNamePart(const std::string& path) {
  const std::size_t delimiter = FindLastOfChars(path, "\\:");
  return delimiter == std::string::npos ? path : path.substr(delimiter + 1);
}

TCommandLineParts SplitCommandLine(const std::string& text) {
  const std::string trimmed = TrimBlanks(text);

  bool inQuotes = false;
  for (std::size_t i = 0; i < trimmed.size(); i = NextCharPos(trimmed, i)) {
    if (trimmed[i] == '"') {
      inQuotes = !inQuotes;
    } else if (trimmed[i] == ' ' && !inQuotes) {
      return {trimmed.substr(0, i), trimmed.substr(i + 1)};
    }
  }
  return {trimmed, ""};
}

std::string ParentDir(const std::string& path) {
  if (path.empty()) return "";
  return FileDir(EndsWithChar(path, '\\') ? path.substr(0, path.size() - 1) : path);
}

std::string FileDir(const std::string& text) {
  // The last "\" or ":" and the character before it, both found by whole characters.
  std::size_t delimiter = std::string::npos;
  std::size_t beforeDelimiter = std::string::npos;
  std::size_t previous = std::string::npos;
  for (std::size_t i = 0; i < text.size(); i = NextCharPos(text, i)) {
    if (text[i] == '\\' || text[i] == ':') {
      delimiter = i;
      beforeDelimiter = previous;
    }
    previous = i;
  }
  if (delimiter == std::string::npos) return "";
  if (text[delimiter] == ':') return text.substr(0, delimiter + 1);

  // A root such as "C:\" keeps its backslash. The character before it is looked at
  // from its start, so the trailing 0x5C of "表" does not count as a backslash.
  const bool keepBackslash = beforeDelimiter != std::string::npos &&
                             (text[beforeDelimiter] == ':' || text[beforeDelimiter] == '\\');
  return text.substr(0, keepBackslash ? delimiter + 1 : delimiter);
}

int Clamp(int value, int low, int high) {
  if (high < value) return high;
  if (value < low) return low;
  return value;
}

int Clamp01(int value) {
  return Clamp(value, 0, 1);
}

int IndexOfText(const std::string& text, const std::vector<std::string>& items) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i] == text) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace nuvopick
