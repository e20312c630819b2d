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

// The keys of a settings file's sections, for reading. Holding one of these
// alone says nothing about the rest of the file: it may hold only some of the
// file's sections, so it can never be written back (only a TIniFile can).
class TIniValues {
 public:
  // Only the sections named in Wanted (ASCII letter case ignored), read exactly
  // as the whole file's reading reads them; every other section's lines are
  // passed over without being looked into. For the pick list, which needs three
  // sections of a file that can hold thousands.
  static TIniValues ParseSections(std::string_view bytes, const std::vector<std::string>& wanted);

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

  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& key) const;

 protected:
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

  // Reads the lines of Bytes into the sections whose upper-cased names are in
  // WantedUpper, or into every section when it is null.
  // Current is the section that the lines go into (kNoSection before the first
  // section and in sections not wanted); it carries over to the next call.
  static constexpr std::size_t kNoSection = static_cast<std::size_t>(-1);
  void ParseLines(std::string_view bytes, const std::vector<std::string>* wantedUpper,
                  std::size_t& current);
  TSection& AppendSection(std::string name);

  friend class TIniSectionsReader;

  std::vector<TSection> sections_;
  // Upper-cased section name -> position of the last section of that name.
  std::unordered_map<std::string, std::size_t> sectionIndex_;

 private:
  const std::string* FindValue(const std::string& section, const std::string& key) const;
};

// Reads some sections of a settings file that arrives piece by piece: a buffer
// of the whole file's size can cost more than the reading itself. A piece may
// end anywhere, even inside a line or a double-byte character.
class TIniSectionsReader {
 public:
  // Only the sections named in Wanted, as TIniValues::ParseSections reads them.
  explicit TIniSectionsReader(const std::vector<std::string>& wanted);
  void Take(std::string_view piece);
  // The sections read, with the file's last line even when no line end follows it.
  TIniValues Finish();

 private:
  TIniValues values_;
  std::vector<std::string> wantedUpper_;
  std::size_t current_ = TIniValues::kNoSection;
  std::string unfinishedLine_;  // the end of the last piece, after its last line end
};

// The whole settings file: every section and line of it, so that it can be
// changed and written back without losing anything it held.
class TIniFile : public TIniValues {
 public:
  // Builds the model from the bytes of a file. Never fails: whatever cannot be
  // understood is dropped or kept as a line that matches no key.
  static TIniFile Parse(std::string_view bytes);

  // The file as it is written to disk: sections in the order they came into
  // being, each as "[name]", its lines, then one empty line; CRLF line ends.
  std::string Serialize() const;

  // A write replaces the value of the key that a read would find, or appends the
  // key to the section (and the section to the file) when there is none yet.
  // A value is one line of the file: each CR and each LF in it (a registry value
  // can hold them) is written as a blank, so that the rest of the value cannot
  // turn into lines or sections of their own.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, std::int32_t value);
  void WriteBool(const std::string& section, const std::string& key, bool value);

 private:
  TSection& SectionForWrite(const std::string& section);
};

// Decodes a stored integer: optional "-" and decimal digits, or "0x"/"0X" and
// hexadecimal digits (up to 32 bits, so 0x80000008 is a system colour). Returns
// false for anything else, including values outside the signed 32-bit range.
bool DecodeIniInteger(std::string_view text, std::int32_t& value);

}  // namespace nuvopick
