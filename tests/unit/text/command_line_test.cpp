#include "text/command_line.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nuvopick {
namespace {

using Args = std::vector<std::u16string>;

TEST(CommandLine, SplitArguments) {
  const struct {
    std::u16string commandLine;
    Args arguments;
  } cases[] = {
      {u"\"C:\\Program Files\\NuvoPick.exe\" \"C:\\docs\\a b.txt\"",
       {u"C:\\Program Files\\NuvoPick.exe", u"C:\\docs\\a b.txt"}},
      {u"NuvoPick.exe", {u"NuvoPick.exe"}},
      {u"NuvoPick.exe C:\\docs\\a b.txt", {u"NuvoPick.exe", u"C:\\docs\\a", u"b.txt"}},
      {u"  NuvoPick.exe\t/test\r\nx  ", {u"NuvoPick.exe", u"/test", u"x"}},
      {u"NuvoPick.exe \"\" a", {u"NuvoPick.exe", u"a"}},
      {u"NuvoPick.exe \"\"\"\" a", {u"NuvoPick.exe", u"", u"a"}},  // only a bare pair is skipped
      {u"NuvoPick.exe \"\"a", {u"NuvoPick.exe", u"a"}},
      {u"NuvoPick.exe C:\\\"a b\"\\c", {u"NuvoPick.exe", u"C:\\a b\\c"}},
      {u"NuvoPick.exe \"unclosed x", {u"NuvoPick.exe", u"unclosed x"}},
      {u"", {}},
      // Names the ANSI code page cannot hold, a character of two units among them.
      {u"NuvoPick.exe \"C:\\np\\表 dir\\é한ü 1.nvq\" x",
       {u"NuvoPick.exe", u"C:\\np\\表 dir\\é한ü 1.nvq", u"x"}},
      {u"NuvoPick.exe C:\\\U0001F600\\a.txt", {u"NuvoPick.exe", u"C:\\\U0001F600\\a.txt"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SplitArguments(c.commandLine), c.arguments)
        << ::testing::PrintToString(c.commandLine);
}

TEST(CommandLine, FirstArgument) {
  EXPECT_EQ(FirstArgument(u"\"C:\\x\\NuvoPick.exe\""), u"");
  EXPECT_EQ(FirstArgument(u"\"C:\\x\\NuvoPick.exe\" \"\""), u"");
  EXPECT_EQ(FirstArgument(u"\"C:\\x\\NuvoPick.exe\" \"\" \"C:\\a b.txt\""), u"C:\\a b.txt");
  EXPECT_EQ(FirstArgument(u"\"C:\\x\\Nuvo Pick.exe\" /test x"), u"/test");
  EXPECT_EQ(FirstArgument(u""), u"");
}

}  // namespace
}  // namespace nuvopick
