// The settings file held in memory: sections of key=value lines, read from and
// written back to the bytes of the file, with typed reads that fall back to defaults.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace nuvopick {

class TIniFile {
 public:
  // Builds the model from the bytes of a file. Never fails: whatever cannot be
  // understood is dropped or kept as a line that matches no key.
  static TIniFile Parse(std::string_view bytes);

  // The file as it is written to disk: sections in the order they came into
  // being, each as "[name]", its lines, then one empty line; CRLF line ends.
  std::string Serialize() const;

  // Look-ups ignore ASCII letter case. When a section name occurs more than once
  // only the last such section is seen; within a section the last occurrence of a
  // key counts. An empty value reads as empty text, not as the default.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  // Decimal, or hexadecimal after "0x"; anything else (empty, garbage, out of the
  // 32-bit range) gives the default.
  std::int32_t ReadInteger(const std::string& section, const std::string& key,
                           std::int32_t defaultValue) const;
  // Stored as an integer; any value other than 0 is true.
  bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
  // The platform's colour value (red in the lowest byte; the high bit marks a
  // system colour), stored as a signed 32-bit integer.
  std::int32_t ReadColor(const std::string& section, const std::string& key,
                         std::int32_t defaultValue) const;

  // A write replaces the value of the key that a read would find, or appends the
  // key to the section (and the section to the file) when there is none yet.
  // A value is one line of the file: each CR and each LF in it (a registry value
  // can hold them) is written as a blank, so that the rest of the value cannot
  // turn into lines or sections of their own.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, std::int32_t value);
  void WriteBool(const std::string& section, const std::string& key, bool value);

  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& key) const;

 private:
  struct TLine {
    bool hasKey = false;  // false: a line without "=", kept only to be written back
    std::string key;      // as found in the file (or as first written)
    std::string text;     // the value; the whole line for a line without a key
  };
  struct TSection {
    std::string name;
    std::vector<TLine> lines;
    // Upper-cased key -> position of its last occurrence in Lines.
    std::unordered_map<std::string, std::size_t> keyIndex;
  };

  const std::string* FindValue(const std::string& section, const std::string& key) const;
  TSection& SectionForWrite(const std::string& section);
  TSection& AppendSection(std::string name);

  std::vector<TSection> sections_;
  // Upper-cased section name -> position of the last section of that name.
  std::unordered_map<std::string, std::size_t> sectionIndex_;
};

// Decodes a stored integer: optional "-" and decimal digits, or "0x"/"0X" and
// hexadecimal digits (up to 32 bits, so 0x80000008 is a system colour). Returns
// false for anything else, including values outside the signed 32-bit range.
bool DecodeIniInteger(std::string_view text, std::int32_t& value);

}  // namespace nuvopick
