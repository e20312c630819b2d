#include "settings/ini_file.h"

#include <algorithm>
#include <utility>

#include "text/dbcs.h"

namespace nuvopick {
namespace {

// Blanks and control characters are the bytes up to the space. A lead byte never
// is one, but a trail byte can be (0x83 0x20 walks as one character), which is
// why trailing blanks are found by walking characters, not bytes from the end.
bool IsBlank(unsigned char byte) {
  return byte <= 0x20;
}

// The lead bytes of the running system's code page, asked once: the settings file
// can be megabytes long, and on Windows each question is a call into the system.
class TLeadByteTable {
 public:
  TLeadByteTable() {
    for (int byte = 0; byte < 256; ++byte)
      isLead_[byte] = IsLeadByte(static_cast<unsigned char>(byte));
  }
  // Length of the character at Pos, by the same rule as NextCharPos: a lead byte
  // at the very end is a character of its own.
  std::size_t CharLength(std::string_view text, std::size_t pos) const {
    return isLead_[static_cast<unsigned char>(text[pos])] && pos + 1 < text.size() ? 2 : 1;
  }

 private:
  bool isLead_[256];
};

// The code page does not change while the program runs; a file read in many
// pieces asks for the table once.
const TLeadByteTable& LeadBytes() {
  static const TLeadByteTable table;
  return table;
}

// What one walk over the characters of a line finds out about it. An "end" is
// one past the last character that is not a blank, so the text up to it is
// already trimmed at its end.
struct TLineShape {
  std::size_t begin = 0;                        // the first byte after the leading blanks
  std::size_t end = 0;                          // end of the whole line
  std::size_t lastChar = 0;                     // where the line's last character starts
  std::size_t beforeLastEnd = 0;                // end of the text before that last character
  std::size_t equals = std::string_view::npos;  // the first "=" that is a character of its own
  std::size_t keyEnd = 0;                       // end of the text before that "="
};

TLineShape ShapeOf(std::string_view line, const TLeadByteTable& leadBytes) {
  TLineShape shape;
  while (shape.begin < line.size() && IsBlank(static_cast<unsigned char>(line[shape.begin]))) {
    ++shape.begin;
  }
  shape.end = shape.beforeLastEnd = shape.keyEnd = shape.begin;
  for (std::size_t i = shape.begin; i < line.size();) {
    const std::size_t length = leadBytes.CharLength(line, i);
    if (length == 1 && line[i] == '=' && shape.equals == std::string_view::npos) {
      shape.equals = i;
      shape.keyEnd = shape.end;
    }
    if (!IsBlank(static_cast<unsigned char>(line[i]))) {
      shape.beforeLastEnd = shape.end;
      shape.end = i + length;
      shape.lastChar = i;
    }
    i += length;
  }
  return shape;
}

// Text from Begin to End without its leading blanks (its end is trimmed already).
std::string TrimmedFrom(std::string_view line, std::size_t begin, std::size_t end) {
  while (begin < end && IsBlank(static_cast<unsigned char>(line[begin]))) ++begin;
  return std::string(line.substr(begin, end - begin));
}

// CR and LF end a line of the file; neither byte is ever the second byte of a
// double-byte character, so they are replaced byte by byte.
std::string OneLine(std::string value) {
  for (char& ch : value) {
    if (ch == '\r' || ch == '\n') ch = ' ';
  }
  return value;
}

int HexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

// True when Line's first byte after its leading blanks is "[", the only lines
// that can start a section. The blanks are single bytes, so that "[" is a
// character of its own.
bool MayHeadSection(std::string_view line) {
  for (const char ch : line) {
    if (!IsBlank(static_cast<unsigned char>(ch))) return ch == '[';
  }
  return false;
}

// "[name]": the closing bracket has to be a character of its own, not the
// second byte of a double-byte character.
bool IsSectionHeader(std::string_view line, const TLineShape& shape) {
  return line[shape.begin] == '[' && shape.end - shape.begin >= 2 &&
         shape.lastChar == shape.end - 1 && line[shape.lastChar] == ']';
}

bool IsWanted(const std::string& name, const std::vector<std::string>* wantedUpper) {
  if (wantedUpper == nullptr) return true;
  return std::find(wantedUpper->begin(), wantedUpper->end(), UpperAscii(name)) !=
         wantedUpper->end();
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

void TIniValues::ParseLines(std::string_view bytes, const std::vector<std::string>* wantedUpper,
                            std::size_t& currentIndex) {
  const TLeadByteTable& leadBytes = LeadBytes();
  TSection* current = currentIndex == kNoSection ? nullptr : &sections_[currentIndex];
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t lineEnd = pos;
    while (lineEnd < bytes.size() && bytes[lineEnd] != '\r' && bytes[lineEnd] != '\n') ++lineEnd;
    const std::string_view line = bytes.substr(pos, lineEnd - pos);
    pos = lineEnd + 1;

    // Outside a section that is kept only a new section matters: the line is
    // not walked character by character unless it may be one.
    if (current == nullptr && !MayHeadSection(line)) continue;
    const TLineShape shape = ShapeOf(line, leadBytes);
    if (shape.begin == shape.end || line[shape.begin] == ';') continue;
    if (IsSectionHeader(line, shape)) {
      std::string name = TrimmedFrom(line, shape.begin + 1, shape.beforeLastEnd);
      current = IsWanted(name, wantedUpper) ? &AppendSection(std::move(name)) : nullptr;
      currentIndex = current == nullptr ? kNoSection : sections_.size() - 1;
      continue;
    }
    if (current == nullptr) continue;  // before the first section, or in one not wanted

    TLine entry;
    if (shape.equals == std::string_view::npos) {
      entry.text = std::string(line.substr(shape.begin, shape.end - shape.begin));
    } else {
      entry.hasKey = true;
      entry.key = TrimmedFrom(line, shape.begin, shape.keyEnd);
      entry.text = TrimmedFrom(line, shape.equals + 1, shape.end);
      current->keyIndex[UpperAscii(entry.key)] = current->lines.size();
    }
    current->lines.push_back(std::move(entry));
  }
}

TIniValues TIniValues::ParseSections(std::string_view bytes,
                                     const std::vector<std::string>& wanted) {
  TIniSectionsReader reader(wanted);
  reader.Take(bytes);
  return reader.Finish();
}

TIniSectionsReader::TIniSectionsReader(const std::vector<std::string>& wanted) {
  for (const std::string& name : wanted) wantedUpper_.push_back(UpperAscii(name));
}

void TIniSectionsReader::Take(std::string_view piece) {
  // CR and LF are never the second byte of a character: everything up to the
  // piece's last one is whole lines.
  const std::size_t lastEnd = piece.find_last_of("\r\n");
  if (lastEnd == std::string_view::npos) {
    unfinishedLine_.append(piece);
    return;
  }
  std::string_view lines = piece.substr(0, lastEnd + 1);
  if (!unfinishedLine_.empty()) {
    const std::size_t firstEnd = lines.find_first_of("\r\n");
    unfinishedLine_.append(lines.substr(0, firstEnd + 1));
    values_.ParseLines(unfinishedLine_, &wantedUpper_, current_);
    lines.remove_prefix(firstEnd + 1);
  }
  values_.ParseLines(lines, &wantedUpper_, current_);
  unfinishedLine_.assign(piece.substr(lastEnd + 1));
}

TIniValues TIniSectionsReader::Finish() {
  values_.ParseLines(unfinishedLine_, &wantedUpper_, current_);
  unfinishedLine_.clear();
  return std::move(values_);
}

TIniFile TIniFile::Parse(std::string_view bytes) {
  TIniFile ini;
  std::size_t current = kNoSection;
  ini.ParseLines(bytes, nullptr, current);
  return ini;
}

std::string TIniFile::Serialize() const {
  std::size_t size = 0;
  for (const TSection& section : sections_) {
    size += section.name.size() + 6;
    for (const TLine& line : section.lines) size += line.key.size() + line.text.size() + 3;
  }
  std::string out;
  out.reserve(size);
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

const std::string* TIniValues::FindValue(const std::string& section, const std::string& key) const {
  auto sectionIt = sectionIndex_.find(UpperAscii(section));
  if (sectionIt == sectionIndex_.end()) return nullptr;
  const TSection& found = sections_[sectionIt->second];
  auto keyIt = found.keyIndex.find(UpperAscii(key));
  if (keyIt == found.keyIndex.end()) return nullptr;
  return &found.lines[keyIt->second].text;
}

std::string TIniValues::ReadString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) const {
  const std::string* value = FindValue(section, key);
  return value != nullptr ? *value : defaultValue;
}

std::int32_t TIniValues::ReadInteger(const std::string& section, const std::string& key,
                                     std::int32_t defaultValue) const {
  const std::string* text = FindValue(section, key);
  std::int32_t value = 0;
  if (text == nullptr || !DecodeIniInteger(*text, value)) return defaultValue;
  return value;
}

bool TIniValues::ReadBool(const std::string& section, const std::string& key,
                          bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::int32_t TIniValues::ReadColor(const std::string& section, const std::string& key,
                                   std::int32_t defaultValue) const {
  return ReadInteger(section, key, defaultValue);
}

bool TIniValues::SectionExists(const std::string& section) const {
  return sectionIndex_.count(UpperAscii(section)) != 0;
}

bool TIniValues::ValueExists(const std::string& section, const std::string& key) const {
  return FindValue(section, key) != nullptr;
}

TIniValues::TSection& TIniValues::AppendSection(std::string name) {
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
    target.lines[it->second].text = OneLine(value);
    return;
  }
  TLine& line = target.lines.emplace_back();
  line.hasKey = true;
  line.key = key;
  line.text = OneLine(value);
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key,
                            std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

}  // namespace nuvopick
