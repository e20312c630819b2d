#include "settings/ini_file.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nuvopick {
namespace {

const std::string kMissing = "<missing>";

// A hand-edited file with every rule of the reader in it; mixed line ends.
const std::string kHandEdited =
    "Orphan=before any section\r\n"
    "  [ Main ]  \r\n"
    "\tKey1 = value one \t\r\n"
    "; Comment=1\r\n"
    "\r\n"
    "Eq=a=b\n"
    "Empty=\r"
    "nameless line\r\n"
    "Dup=1\r\n"
    "Dup=2\r\n"
    "アkey=dbcs\r\n"  // "ア" is 0x83 0x41: its second byte is a capital A
    "[ゾ\r\n"         // "ゾ" ends in 0x5D, "]": not a section header
    "After=still main\r\n"
    "[]\r\n"
    "AllExt=txt|\r\n"
    "[表]\r\n"  // "表" ends in 0x5C, "\"
    "Count=3\r\n"
    "[Other]\r\n"
    "Key1=other\r\n"
    "[MAIN]\r\n"
    "Late=1\r\n";

struct ReadCase {
  const char* section;
  const char* key;
  std::string expected;
};

TEST(IniFileParse, FindsWhatTheReaderRulesSay) {
  const TIniFile ini = TIniFile::Parse(kHandEdited);
  const ReadCase cases[] = {
      // Only the last section of a name is seen, whatever its letter case.
      {"Main", "Late", "1"},      {"main", "Key1", kMissing}, {"Main", "Dup", kMissing},
      {"Other", "key1", "other"}, {"", "ALLEXT", "txt|"},     {"表", "count", "3"},
      {"", "Orphan", kMissing},   {"ゾ", "After", kMissing},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(std::string(c.section) + "/" + c.key);
    EXPECT_EQ(ini.ReadString(c.section, c.key, kMissing), c.expected);
  }
}

TEST(IniFileParse, TrimsSplitsAndKeepsTheLastOccurrenceOfAKey) {
  // Without the later [MAIN] the first section stays visible.
  const std::string firstMain = kHandEdited.substr(0, kHandEdited.find("[]"));
  const TIniFile ini = TIniFile::Parse(firstMain);
  const ReadCase cases[] = {
      {"MAIN", "key1", "value one"},
      {"Main", "Comment", kMissing},
      {"Main", "; Comment", kMissing},
      {"Main", "Eq", "a=b"},
      {"Main", "Empty", ""},
      {"Main", "nameless line", kMissing},
      {"Main", "Dup", "2"},
      {"Main", "アKEY", "dbcs"},
      {"Main", "\x83\x61key", kMissing},  // a lower-case trail byte is another character
      {"Main", "After", "still main"},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(std::string(c.section) + "/" + c.key);
    EXPECT_EQ(ini.ReadString(c.section, c.key, kMissing), c.expected);
  }
}

struct SectionsCase {
  const char* what;
  std::string bytes;
  std::vector<std::string> wanted;
  std::vector<ReadCase> reads;      // in wanted sections: as the whole file reads them
  std::vector<std::string> unseen;  // sections of the file that are not wanted
};

TEST(IniFileParseSections, ReadsTheWantedSectionsAsTheWholeFileAndNothingElse) {
  const SectionsCase cases[] = {
      {"every rule of the reader",
       kHandEdited,
       {"main", "", "表"},
       {{"Main", "Late", "1"},
        {"main", "Key1", kMissing},
        {"", "ALLEXT", "txt|"},
        {"表", "count", "3"},
        {"", "Orphan", kMissing},
        {"ゾ", "After", kMissing}},
       {"Other"}},
      {"the last of the wanted name, another section between",
       "[txt]\r\nOnlyFirst=1\r\nk=1\r\n[a]\r\nk=9\r\n[TXT]\r\nk=2\r\n[b]\r\nk=8\r\n",
       {"Txt"},
       {{"txt", "k", "2"}, {"txt", "OnlyFirst", kMissing}},
       {"a", "b"}},
      {"a closing bracket that is the second byte of a character",
       "[ゾ]\r\nj=2\r\n[a]\r\n[ゾ\r\nk=1\r\n[b]\r\n[ゾ\r\nk=3\r\n",
       {"a", "ゾ"},
       {{"a", "k", "1"}, {"ゾ", "j", "2"}, {"ゾ", "k", kMissing}},
       {"b"}},
      {"lines ended by CR, LF or both",
       "[a]\rx=1\r[txt]\n\rk=2\r\n[b]\nk=3\n\r[c]\r\nj=4",
       {"txt", "c"},
       {{"txt", "k", "2"}, {"c", "j", "4"}},
       {"a", "b"}},
      {"lines that only look like headers",
       "[a]\r\n[txt\r\n;[txt]\r\n\t[ txt ] \r\nk=1\r\n[b]\r\nx[txt]\r\nk=5\r\n",
       {"txt"},
       {{"txt", "k", "1"}},
       {"a", "b"}},
  };
  for (const SectionsCase& c : cases) {
    SCOPED_TRACE(c.what);
    const TIniFile whole = TIniFile::Parse(c.bytes);
    const TIniValues some = TIniValues::ParseSections(c.bytes, c.wanted);
    for (const ReadCase& read : c.reads) {
      SCOPED_TRACE(std::string(read.section) + "/" + read.key);
      EXPECT_EQ(whole.ReadString(read.section, read.key, kMissing), read.expected);
      EXPECT_EQ(some.ReadString(read.section, read.key, kMissing), read.expected);
    }
    for (const std::string& section : c.unseen) {
      SCOPED_TRACE(section);
      EXPECT_TRUE(whole.SectionExists(section));
      EXPECT_FALSE(some.SectionExists(section));
    }
    // Read in pieces, as the pick list reads the file: cut once at every byte,
    // and cut into single bytes. Wherever a piece ends, the same values.
    const std::string_view bytes = c.bytes;
    std::vector<TIniValues> pieced;
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
      TIniSectionsReader reader(c.wanted);
      reader.Take(bytes.substr(0, cut));
      reader.Take(bytes.substr(cut));
      pieced.push_back(reader.Finish());
    }
    TIniSectionsReader byBytes(c.wanted);
    for (char byte : bytes) byBytes.Take(std::string_view(&byte, 1));
    pieced.push_back(byBytes.Finish());
    for (std::size_t i = 0; i < pieced.size(); ++i) {
      SCOPED_TRACE(i < bytes.size() + 1 ? "cut at " + std::to_string(i) : "single bytes");
      for (const ReadCase& read : c.reads) {
        EXPECT_EQ(pieced[i].ReadString(read.section, read.key, kMissing), read.expected)
            << read.section << "/" << read.key;
      }
      for (const std::string& section : c.unseen) EXPECT_FALSE(pieced[i].SectionExists(section));
    }
  }
}

TEST(IniFileParse, WritesBackEverySectionInFileOrder) {
  // Repeated sections and nameless lines survive; lines before the first
  // section do not; a write goes to the section that a read finds.
  TIniFile ini =
      TIniFile::Parse("lost=1\n[a]\nk=1\nnameless\n[b]\n[A]\nk=2\nK=3\n; gone\n[ ]\n=v\n");
  ini.WriteString("a", "k", "4");
  EXPECT_EQ(ini.Serialize(),
            "[a]\r\nk=1\r\nnameless\r\n\r\n"
            "[b]\r\n\r\n"
            "[A]\r\nk=2\r\nK=4\r\n\r\n"
            "[]\r\n=v\r\n\r\n");
}

struct IntegerCase {
  const char* stored;
  std::int32_t expected;
};

TEST(IniFileValues, DecodesIntegersOrFallsBackToTheDefault) {
  const std::int32_t def = 77;
  const IntegerCase cases[] = {
      {"16", 16},
      {"-5", -5},
      {"0x10", 16},
      {"0X1f", 31},
      {"0x80000008", -2147483640},  // the system window-text colour
      {"0xFFFFFFFF", -1},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"", def},
      {"abc", def},
      {"12a", def},
      {"1 2", def},
      {"-", def},
      {"+5", def},
      {"0x", def},
      {"0xG", def},
      {"-0x10", def},
      {"2147483648", def},
      {"-2147483649", def},
      {"99999999999999999999", def},
      {"0x100000000", def},
  };
  for (const IntegerCase& c : cases) {
    SCOPED_TRACE(c.stored);
    TIniFile ini;
    ini.WriteString("s", "k", c.stored);
    EXPECT_EQ(ini.ReadInteger("s", "k", def), c.expected);
  }
}

TEST(IniFileValues, ReadsBooleansAsIntegers) {
  struct BoolCase {
    const char* stored;
    bool whenDefaultFalse;
    bool whenDefaultTrue;
  };
  const BoolCase cases[] = {
      {"1", true, true},   {"2", true, true}, {"-1", true, true},   {"0x0", false, false},
      {"0", false, false}, {"", false, true}, {"yes", false, true},
  };
  for (const BoolCase& c : cases) {
    SCOPED_TRACE(c.stored);
    TIniFile ini;
    ini.WriteString("s", "b", c.stored);
    EXPECT_EQ(ini.ReadBool("s", "b", false), c.whenDefaultFalse);
    EXPECT_EQ(ini.ReadBool("s", "b", true), c.whenDefaultTrue);
  }
  TIniFile empty;
  EXPECT_TRUE(empty.ReadBool("s", "missing", true));
  EXPECT_EQ(empty.ReadColor("s", "missing", 0xF0FBFF), 0xF0FBFF);
}

TEST(IniFileWrite, LaysOutANewFileInTheOrderOfFirstWrite) {
  TIniFile ini;
  ini.WriteInteger("txt", "Count", 2);
  ini.WriteString("txt", "IconPath", "");
  ini.WriteString("", "AllExt", "txt|");
  ini.WriteBool("<COMMON>", "rlmdExe", false);
  ini.WriteInteger("", "Font_Color", -2147483640);
  ini.WriteInteger("TXT", "count", 3);  // same key, other case: replaced in place
  ini.WriteBool("txt", "rlmdExe", true);
  EXPECT_EQ(ini.Serialize(),
            "[txt]\r\nCount=3\r\nIconPath=\r\nrlmdExe=1\r\n\r\n"
            "[]\r\nAllExt=txt|\r\nFont_Color=-2147483640\r\n\r\n"
            "[<COMMON>]\r\nrlmdExe=0\r\n\r\n");
  EXPECT_EQ(TIniFile().Serialize(), "");
}

TEST(IniFileWrite, KeepsCodePage932BytesAsTheyAre) {
  // Trail bytes that look like "\", "]", "=" neighbours and half-width katakana.
  const std::string value = "C:\\表\\ソフト\\ｱｲｳ ゾ=■";
  const std::string section = "表ゾ";
  TIniFile ini;
  ini.WriteString(section, "名前", value);
  const std::string bytes = ini.Serialize();
  EXPECT_EQ(bytes, "[" + section + "]\r\n名前=" + value + "\r\n\r\n");

  const TIniFile reread = TIniFile::Parse(bytes);
  EXPECT_EQ(reread.ReadString(section, "名前", kMissing), value);
  EXPECT_EQ(reread.Serialize(), bytes);
}

TEST(IniFileWrite, ADoubleByteCharacterEndingInABlankByteIsNotTrimmed) {
  // 0x83 0x20 walks as one character, so its second byte is no trailing blank;
  // trimming it would leave a lone lead byte that joins the next line's "=" or "]".
  const TIniFile ini = TIniFile::Parse("[s\x83 ]\r\nk\x83 =v\x83 \r\n");
  EXPECT_EQ(ini.ReadString("s\x83 ", "k\x83 ", kMissing), "v\x83 ");
  EXPECT_EQ(TIniFile::Parse(ini.Serialize()).Serialize(), ini.Serialize());
}

}  // namespace
}  // namespace nuvopick
