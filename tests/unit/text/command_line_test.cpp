#include "text/command_line.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nuvopick {
namespace {

using Args = std::vector<std::string>;

// "表" is 0x95 0x5C: its second byte is a backslash. 0x81 0x22 is a lead byte
// followed by the byte of a double quote, which then belongs to the character.
const std::string kHyou = "表";
const std::string kLeadQuote = "\x81\x22";

TEST(CommandLine, SplitArguments) {
  const struct {
    std::string commandLine;
    Args arguments;
  } cases[] = {
      {"\"C:\\Program Files\\NuvoPick.exe\" \"C:\\docs\\a b.txt\"",
       {"C:\\Program Files\\NuvoPick.exe", "C:\\docs\\a b.txt"}},
      {"NuvoPick.exe", {"NuvoPick.exe"}},
      {"NuvoPick.exe C:\\docs\\a b.txt", {"NuvoPick.exe", "C:\\docs\\a", "b.txt"}},
      {"  NuvoPick.exe\t/test\r\nx  ", {"NuvoPick.exe", "/test", "x"}},
      {"NuvoPick.exe \"\" a", {"NuvoPick.exe", "a"}},
      {"NuvoPick.exe \"\"\"\" a", {"NuvoPick.exe", "", "a"}},  // only a bare pair is skipped
      {"NuvoPick.exe \"\"a", {"NuvoPick.exe", "a"}},
      {"NuvoPick.exe C:\\\"a b\"\\c", {"NuvoPick.exe", "C:\\a b\\c"}},
      {"NuvoPick.exe \"unclosed x", {"NuvoPick.exe", "unclosed x"}},
      {"", {}},
      {"NuvoPick.exe C:\\" + kHyou + "\\a.txt", {"NuvoPick.exe", "C:\\" + kHyou + "\\a.txt"}},
      {"NuvoPick.exe \"C:\\" + kHyou + "\" x", {"NuvoPick.exe", "C:\\" + kHyou, "x"}},
      // The trailing byte 0x22 is neither the end nor the start of a quoted stretch.
      {"NuvoPick.exe a" + kLeadQuote + "b c", {"NuvoPick.exe", "a" + kLeadQuote + "b", "c"}},
      {"NuvoPick.exe \"a" + kLeadQuote + " b\" c", {"NuvoPick.exe", "a" + kLeadQuote + " b", "c"}},
      // A lone lead byte at the very end is a character of its own.
      {"NuvoPick.exe a\x81", {"NuvoPick.exe", "a\x81"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SplitArguments(c.commandLine), c.arguments) << c.commandLine;
}

TEST(CommandLine, FirstArgument) {
  EXPECT_EQ(FirstArgument("\"C:\\x\\NuvoPick.exe\""), "");
  EXPECT_EQ(FirstArgument("\"C:\\x\\NuvoPick.exe\" \"\""), "");
  EXPECT_EQ(FirstArgument("\"C:\\x\\NuvoPick.exe\" \"\" \"C:\\a b.txt\""), "C:\\a b.txt");
  EXPECT_EQ(FirstArgument("\"C:\\x\\Nuvo Pick.exe\" /test x"), "/test");
  EXPECT_EQ(FirstArgument(""), "");
}

}  // namespace
}  // namespace nuvopick
