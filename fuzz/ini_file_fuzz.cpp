// Feeds arbitrary bytes to the settings file reader: it must not crash, what it
// writes back must read back to the same file, look-ups must agree between the
// two readings, and a read of only some sections must find in them what the
// whole file's reading finds, and nothing of the others.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "text/dbcs.h"
#include "settings/ini_file.h"

using nuvopick::TIniFile;
using nuvopick::TIniValues;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// The first line of the input split at its first "=" gives a section and key to
// look up, so the fuzzer can steer the look-ups toward names that exist.
void NamesFromInput(std::string_view bytes, std::string& section, std::string& key) {
  std::string_view firstLine = bytes.substr(0, bytes.find_first_of("\r\n"));
  std::size_t equals = firstLine.find('=');
  section = std::string(firstLine.substr(0, equals));
  key =
      equals == std::string_view::npos ? std::string() : std::string(firstLine.substr(equals + 1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const TIniFile first = TIniFile::Parse(bytes);
  const std::string once = first.Serialize();
  TIniFile second = TIniFile::Parse(once);
  Check(second.Serialize() == once);

  std::string section;
  std::string key;
  NamesFromInput(bytes, section, key);
  const std::pair<std::string, std::string> lookups[] = {
      {"", "AllExt"}, {"txt", "Count"}, {"<COMMON>", "Name_0"}, {section, key}, {key, section},
  };
  for (const auto& [s, k] : lookups) {
    Check(first.ReadString(s, k, "\x01") == second.ReadString(s, k, "\x01"));
    Check(first.ReadInteger(s, k, 7) == second.ReadInteger(s, k, 7));
    Check(first.ReadBool(s, k, true) == second.ReadBool(s, k, true));
    Check(first.SectionExists(s) == second.SectionExists(s));
  }

  const std::vector<std::string> wanted = {section, "", "txt"};
  const TIniValues some = TIniValues::ParseSections(bytes, wanted);
  for (const auto& [s, k] : lookups) {
    bool isWanted = false;
    for (const std::string& name : wanted) isWanted = isWanted || nuvopick::SameTextAscii(s, name);
    if (isWanted) {
      Check(some.ReadString(s, k, "\x01") == first.ReadString(s, k, "\x01"));
      Check(some.SectionExists(s) == first.SectionExists(s));
    } else {
      Check(!some.SectionExists(s));
    }
  }

  // A write is seen at once by a read with other letter case, and leaves the
  // other names alone.
  const std::string before = second.ReadString("", "AllExt", "\x01");
  second.WriteString(section, key, "written");
  Check(second.ReadString(section, key, "") == "written");
  if (!(section.empty() && nuvopick::SameTextAscii(key, "AllExt"))) {
    Check(second.ReadString("", "AllExt", "\x01") == before);
  }
  return 0;
}
