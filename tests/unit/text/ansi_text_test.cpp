#include "text/ansi_text.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace nuvopick {
namespace {

TEST(AnsiText, TheCodePagesOwnCharactersGoBothWays) {
  // "表" and "ソ" end in the byte 0x5C, which is "\" when read alone.
  const struct {
    std::string ansi;
    std::u16string wide;
  } cases[] = {
      {"C:\\np\\表 dir\\a.nvq", u"C:\\np\\表 dir\\a.nvq"},
      {"ソフト\\ｱｲｳ～", u"ソフト\\ｱｲｳ～"},
      {"", u""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ansi);
    EXPECT_EQ(WidenAnsi(c.ansi), c.wide);
    EXPECT_EQ(NarrowAnsi(c.wide), c.ansi);
  }
}

TEST(AnsiText, ACharacterTheCodePageLacksIsNeverReplaced) {
  // "é" would become "e" by best fit, "한" "?"; the emoji is a surrogate pair, and
  // a lone surrogate is no character at all. "〜" (U+301C) goes into the code
  // page as the byte pair that comes back as "～" (U+FF5E): another name.
  for (const std::u16string text : {u"C:\\np\\é.txt", u"한", u"a\U0001F600", u"a\xD83D", u"〜"}) {
    SCOPED_TRACE(::testing::PrintToString(text));
    EXPECT_EQ(NarrowAnsi(text), std::nullopt);
  }
}

}  // namespace
}  // namespace nuvopick
