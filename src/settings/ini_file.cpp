#include "settings/ini_file.h"

#include <utility>

#include "model/dbcs.h"

namespace nuvopick {
namespace {

// Blanks and control characters are the bytes up to the space. A lead byte never
// is one, but a trail byte can be (0x83 0x20 walks as one character), which is
// why trailing blanks are found by walking characters, not bytes from the end.
bool IsBlank(unsigned char byte) {
  return byte <= 0x20;
}

// Length of the character that starts at Pos, by the same rule as NextCharPos.
std::size_t CharLength(std::string_view text, std::size_t pos) {
  return IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

std::string_view Trim(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size() && IsBlank(static_cast<unsigned char>(text[begin]))) ++begin;
  std::size_t end = begin;
  for (std::size_t i = begin; i < text.size();) {
    std::size_t length = CharLength(text, i);
    if (!IsBlank(static_cast<unsigned char>(text[i]))) end = i + length;
    i += length;
  }
  return text.substr(begin, end - begin);
}

// Position of the first single-byte Ch, skipping double-byte characters, or npos.
std::size_t FindChar(std::string_view text, char ch) {
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
    if (text[i] == ch && CharLength(text, i) == 1) return i;
  }
  return std::string_view::npos;
}

// "[name]": the closing bracket has to be a character of its own, not the second
// byte of a double-byte character.
bool IsSectionHeader(std::string_view line) {
  if (line.size() < 2 || line.front() != '[') return false;
  std::size_t last = 0;
  for (std::size_t i = 0; i < line.size(); i += CharLength(line, i)) last = i;
  return last == line.size() - 1 && line[last] == ']';
}

int HexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

}  // namespace

bool DecodeIniInteger(std::string_view text, std::int32_t& value) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    std::uint64_t result = 0;
    for (char ch : text.substr(2)) {
      int digit = HexDigit(ch);
      if (digit < 0) return false;
      result = result * 16 + static_cast<std::uint64_t>(digit);
      if (result > 0xFFFFFFFFu) return false;
    }
    // All 32 bits are usable, so that system colours (0x80000000 plus an index)
    // can be written in hexadecimal by hand.
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(result));
    return true;
  }
  bool negative = !text.empty() && text[0] == '-';
  std::string_view digits = negative ? text.substr(1) : text;
  if (digits.empty()) return false;
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t result = 0;
  for (char ch : digits) {
    if (ch < '0' || ch > '9') return false;
    result = result * 10 + (ch - '0');
    if (result > limit) return false;
  }
  value = static_cast<std::int32_t>(negative ? -result : result);
  return true;
}

TIniFile TIniFile::Parse(std::string_view bytes) {
  TIniFile ini;
  TSection* current = nullptr;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t lineEnd = bytes.find_first_of("\r\n", pos);
    if (lineEnd == std::string_view::npos) lineEnd = bytes.size();
    std::string_view line = Trim(bytes.substr(pos, lineEnd - pos));
    pos = lineEnd + 1;

    if (line.empty() || line.front() == ';') continue;
    if (IsSectionHeader(line)) {
      current = &ini.AppendSection(std::string(Trim(line.substr(1, line.size() - 2))));
      continue;
    }
    if (current == nullptr) continue;  // nothing belongs to the file before its first section

    TLine entry;
    std::size_t equals = FindChar(line, '=');
    if (equals == std::string_view::npos) {
      entry.text = std::string(line);
    } else {
      entry.hasKey = true;
      entry.key = std::string(Trim(line.substr(0, equals)));
      entry.text = std::string(Trim(line.substr(equals + 1)));
      current->keyIndex[UpperAscii(entry.key)] = current->lines.size();
    }
    current->lines.push_back(std::move(entry));
  }
  return ini;
}

std::string TIniFile::Serialize() const {
  std::string out;
  for (const TSection& section : sections_) {
    out += '[';
    out += section.name;
    out += "]\r\n";
    for (const TLine& line : section.lines) {
      if (line.hasKey) {
        out += line.key;
        out += '=';
      }
      out += line.text;
      out += "\r\n";
    }
    out += "\r\n";
  }
  return out;
}

const std::string* TIniFile::FindValue(const std::string& section, const std::string& key) const {
  auto sectionIt = sectionIndex_.find(UpperAscii(section));
  if (sectionIt == sectionIndex_.end()) return nullptr;
  const TSection& found = sections_[sectionIt->second];
  auto keyIt = found.keyIndex.find(UpperAscii(key));
  if (keyIt == found.keyIndex.end()) return nullptr;
  return &found.lines[keyIt->second].text;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
  const std::string* value = FindValue(section, key);
  return value != nullptr ? *value : defaultValue;
}

std::int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key,
                                   std::int32_t defaultValue) const {
  const std::string* text = FindValue(section, key);
  std::int32_t value = 0;
  if (text == nullptr || !DecodeIniInteger(*text, value)) return defaultValue;
  return value;
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key,
                        bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::int32_t TIniFile::ReadColor(const std::string& section, const std::string& key,
                                 std::int32_t defaultValue) const {
  return ReadInteger(section, key, defaultValue);
}

bool TIniFile::SectionExists(const std::string& section) const {
  return sectionIndex_.count(UpperAscii(section)) != 0;
}

bool TIniFile::ValueExists(const std::string& section, const std::string& key) const {
  return FindValue(section, key) != nullptr;
}

TIniFile::TSection& TIniFile::AppendSection(std::string name) {
  sectionIndex_[UpperAscii(name)] = sections_.size();
  TSection& section = sections_.emplace_back();
  section.name = std::move(name);
  return section;
}

TIniFile::TSection& TIniFile::SectionForWrite(const std::string& section) {
  auto it = sectionIndex_.find(UpperAscii(section));
  if (it != sectionIndex_.end()) return sections_[it->second];
  return AppendSection(section);
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
  TSection& target = SectionForWrite(section);
  auto [it, added] = target.keyIndex.try_emplace(UpperAscii(key), target.lines.size());
  if (!added) {
    target.lines[it->second].text = value;
    return;
  }
  TLine& line = target.lines.emplace_back();
  line.hasKey = true;
  line.key = key;
  line.text = value;
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key,
                            std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

}  // namespace nuvopick
