#include "text/text_helpers.h"

#include <gtest/gtest.h>
#include <string>

namespace nuvopick {
namespace {

// "表" is 0x95 0x5C and "ソ" 0x83 0x5C in code page 932: both end in a backslash.
const std::string kHyou = "表";
const std::string kSo = "ソ";

TEST(TextHelpers, DotsOfExtensionNames) {
  EXPECT_EQ(AddDot("txt"), ".txt");
  EXPECT_EQ(AddDot(".txt"), ".txt");
  EXPECT_EQ(AddDot(""), "");
  EXPECT_EQ(AddDot("表"), ".表");
  EXPECT_EQ(RemoveDot(".txt"), "txt");
  EXPECT_EQ(RemoveDot("..txt"), ".txt");
  EXPECT_EQ(RemoveDot("txt"), "txt");
  EXPECT_EQ(RemoveDot(""), "");
}

TEST(TextHelpers, JoinPath) {
  const struct {
    std::string folder, name, joined;
  } cases[] = {
      {"C:\\dir\\", "\\regbackup.ini", "C:\\dir\\regbackup.ini"},
      {"C:\\dir", "regbackup.ini", "C:\\dir\\regbackup.ini"},
      {"", "regbackup.ini", "regbackup.ini"},
      {"C:\\dir\\", "", "C:\\dir\\"},
      {"C:\\dir\\\\", "\\\\a", "C:\\dir\\\\\\a"},  // one backslash off each side only
      {"C:\\" + kHyou, "a.txt", "C:\\" + kHyou + "\\a.txt"},
      {"C:\\" + kHyou + "\\", "a.txt", "C:\\" + kHyou + "\\a.txt"},
      {"skn", kSo + ".bmp", "skn\\" + kSo + ".bmp"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JoinPath(c.folder, c.name), c.joined) << c.folder << " + " << c.name;
  }
}

TEST(TextHelpers, RemoveCharsOfAnExtensionName) {
  EXPECT_EQ(RemoveChars(".t\\x/t:,;*?\"<>|.", kExtNameRemovedChars), "txt");
  EXPECT_EQ(RemoveChars("aXbxc", "x"), "abc");  // letters without regard to case
  EXPECT_EQ(RemoveChars("abc", ""), "abc");
  // The backslash inside "表" and "ソ" is half of a character, not a backslash.
  EXPECT_EQ(RemoveChars(kHyou + "\\" + kSo, kExtNameRemovedChars), kHyou + kSo);
  // "ア" (0x83 0x41) does not contain the letter a.
  EXPECT_EQ(RemoveChars("アa", "A"), "ア");
  EXPECT_EQ(RemoveChars("x表y", kHyou), "xy");
}

TEST(TextHelpers, ExpandParam) {
  const std::u16string path = u"C:\\a b.txt";
  const struct {
    std::u16string paramTemplate, expanded;
  } cases[] = {
      {u"\"%1\"", u"\"C:\\a b.txt\""},
      {u"%1", path},
      {u"-x %", u"-x %"},  // a "%" at the very end stays
      {u"100%%", u"100%"},
      {u"%10", path + u"0"},
      {u"%2", u"2"},
      {u"%%1", u"%1"},
      {u"%%%1", u"%" + path},
      {u"%%%", u"%%"},
      {u"%a%1", u"a" + path},
      {u"%%2%", u"%2%"},
      {u"%表", u"表"},
      {u"%\U0001F600", u"\U0001F600"},
      {u"", u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExpandParam(c.paramTemplate, path), c.expanded)
        << ::testing::PrintToString(c.paramTemplate);
  }
  EXPECT_EQ(ExpandParam(u"/open %1 /ro", u""), u"/open  /ro");
  // The file's name goes in as it is, whatever it holds.
  const std::u16string wide = u"C:\\np\\表 dir\\é한ü \U0001F600.nvq";
  EXPECT_EQ(ExpandParam(u"-f \"%1\"", wide), u"-f \"" + wide + u"\"");
}

TEST(TextHelpers, Unquote) {
  EXPECT_EQ(Unquote("\"C:\\a b\\x.exe\""), "C:\\a b\\x.exe");
  EXPECT_EQ(Unquote("\"\"a\"b\"\"\""), "a\"b");
  EXPECT_EQ(Unquote("\"\""), "");
  EXPECT_EQ(Unquote("\""), "");
  EXPECT_EQ(Unquote(""), "");
  EXPECT_EQ(Unquote("\"" + kSo + "\""), kSo);
  EXPECT_EQ(Unquote(u"\"\"C:\\表 dir\\\""), u"C:\\表 dir\\");
  EXPECT_EQ(Unquote(u"\"\""), u"");
}

TEST(TextHelpers, ParseInteger) {
  const struct {
    std::string text;
    std::optional<std::int32_t> value;
  } cases[] = {
      {"3", 3},
      {"  -154", -154},
      {"+7", 7},
      {"$1F", 31},
      {"0x1f", 31},
      {"-$10", -16},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},
      {"", std::nullopt},
      {" ", std::nullopt},
      {"-", std::nullopt},
      {"$", std::nullopt},
      {"0x", std::nullopt},
      {"3 ", std::nullopt},
      {"3a", std::nullopt},
      {"abc", std::nullopt},
      {"1F", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(TextHelpers, SplitIconLocation) {
  const struct {
    std::string text, path;
    std::int32_t index;
  } cases[] = {
      {"shell32.dll,-154", "shell32.dll", -154},
      {"x.ico", "x.ico", 0},
      {"a.dll, 3", "a.dll", 3},
      {"a.dll,3 ", "a.dll", 0},
      {"a.dll,", "a.dll", 0},
      {"a.dll,x", "a.dll", 0},
      {"a.dll,1,2", "a.dll", 0},
      {"\"C:\\a,b\\i.dll\",2", "\"C:\\a", 0},  // the first comma counts, quotes or not
      {"\"C:\\i.dll\",$10", "\"C:\\i.dll\"", 16},
      {",5", "", 5},
  };
  for (const auto& c : cases) {
    const TIconLocation location = SplitIconLocation(c.text);
    EXPECT_EQ(location.Path, c.path) << c.text;
    EXPECT_EQ(location.Index, c.index) << c.text;
  }
}

TEST(TextHelpers, SplitCommandLine) {
  const struct {
    std::string text, program, arguments;
  } cases[] = {
      {"notepad.exe %1", "notepad.exe", "%1"},
      {"\"C:\\Program Files\\a b.exe\" \"%1\"", "\"C:\\Program Files\\a b.exe\"", "\"%1\""},
      {"C:\\Program Files\\a.exe \"%1\"", "C:\\Program", "Files\\a.exe \"%1\""},
      {"notepad.exe", "notepad.exe", ""},
      {"  \tnotepad.exe   %1 \r\n", "notepad.exe", "  %1"},
      {"a.exe\t%1", "a.exe\t%1", ""},  // only a space separates
      {"\"a b\"c d", "\"a b\"c", "d"},
      {"\"unclosed quote", "\"unclosed quote", ""},
      {"", "", ""},
      {"\r\n", "", ""},
      {"表.exe %1", "表.exe", "%1"},
  };
  for (const auto& c : cases) {
    const TCommandLineParts parts = SplitCommandLine(c.text);
    EXPECT_EQ(parts.Program, c.program) << c.text;
    EXPECT_EQ(parts.Arguments, c.arguments) << c.text;
  }
}

TEST(TextHelpers, ParentDir) {
  const struct {
    std::string path, folder;
  } cases[] = {
      {"C:\\a\\b\\", "C:\\a"},
      {"C:\\a\\b.txt", "C:\\a"},
      {"C:\\a", "C:\\"},
      {"C:\\", "C:"},
      {"C:a.txt", "C:"},
      {"a.txt", ""},
      {"", ""},
      {"\\\\server\\share\\a.txt", "\\\\server\\share"},
      {"C:\\a\\\\b", "C:\\a\\\\"},  // a backslash after a backslash stays
      {"C:\\" + kHyou + "\\a.txt", "C:\\" + kHyou},
      {"C:\\" + kHyou + "\\", "C:\\"},
      {"C:\\" + kHyou, "C:\\"},
      {kSo + "\\a.txt", kSo},
      {kSo, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ParentDir(c.path), c.folder) << c.path;
}

TEST(TextHelpers, FileDirKeepsATrailingBackslashOutOfTheName) {
  const struct {
    std::string path, folder;
  } cases[] = {
      {"C:\\a\\b.txt", "C:\\a"},
      {"C:\\a\\b\\", "C:\\a\\b"},  // unlike ParentDir, no backslash is dropped first
      {"C:\\a", "C:\\"},
      {"C:\\", "C:\\"},
      {"C:a.txt", "C:"},
      {"%SystemRoot%\\system32\\NOTEPAD.EXE", "%SystemRoot%\\system32"},
      {"rundll32.exe", ""},
      {"", ""},
      {"C:\\" + kHyou + "\\a.txt", "C:\\" + kHyou},
      {kSo + "\\a.txt", kSo},
  };
  for (const auto& c : cases) EXPECT_EQ(FileDir(c.path), c.folder) << c.path;
}

TEST(TextHelpers, ClampTestsTheUpperBoundFirst) {
  EXPECT_EQ(Clamp(5, 0, 1), 1);
  EXPECT_EQ(Clamp(-1, 0, 1), 0);
  EXPECT_EQ(Clamp(7, 0, 10), 7);
  EXPECT_EQ(Clamp(5, 10, 0), 0);  // crossed bounds: the upper one wins
  EXPECT_EQ(Clamp01(2), 1);
  EXPECT_EQ(Clamp01(-3), 0);
  EXPECT_EQ(Clamp01(1), 1);
  EXPECT_EQ(MaxOf(2, 3), 3);
  EXPECT_EQ(MaxOf(3, 2), 3);
}

TEST(TextHelpers, IndexOfTextComparesExactly) {
  const std::vector<std::string> items = {"左", "Right", "Right", ""};
  EXPECT_EQ(IndexOfText("Right", items), 1);
  EXPECT_EQ(IndexOfText("right", items), -1);
  EXPECT_EQ(IndexOfText("左", items), 0);
  EXPECT_EQ(IndexOfText("", items), 3);
  EXPECT_EQ(IndexOfText("x", {}), -1);
}

}  // namespace
}  // namespace nuvopick
