#include "model/shortcut_key.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "model/exe_list.h"

namespace nuvopick {
namespace {

TEST(ShortcutKey, SetKeyKeepsOnlyDigitsAndCapitalLetters) {
  // 0x61 is lower-case "a", 0x60 keypad 0, 0x70 F1; a caller holding the wider
  // value 0x141 passes its low byte, which is "A".
  const struct {
    unsigned given;
    std::uint8_t stored;
  } cases[] = {
      {0x30, 0x30}, {0x39, 0x39}, {0x41, 0x41}, {0x5A, 0x5A}, {0x141, 0x41}, {0x2F, 0},
      {0x3A, 0},    {0x40, 0},    {0x5B, 0},    {0x61, 0},    {0x60, 0},     {0x70, 0},
  };
  for (const auto& c : cases) {
    TShortcutKey key;
    key.SetKey(static_cast<std::uint8_t>(c.given));
    EXPECT_EQ(key.Key, c.stored) << std::hex << c.given;
    EXPECT_EQ(TShortcutKey(static_cast<std::uint8_t>(c.given), true, false, false).Key, c.stored);
  }
}

TEST(ShortcutKey, TextForms) {
  const struct {
    TShortcutKey key;
    const char* text;
    const char* listSuffix;
  } cases[] = {
      {TShortcutKey('A', false, false, false), "A", "   (A)"},
      {TShortcutKey('A', true, false, true), "A + Shift + Ctrl", "   (sc,A)"},
      {TShortcutKey('7', false, true, false), "7 + Alt", "   (a,7)"},
      {TShortcutKey('Z', true, true, true), "Z + Shift + Alt + Ctrl", "   (sac,Z)"},
      {TShortcutKey('Z', false, true, false), "Z + Alt", "   (a,Z)"},
      {TShortcutKey(), "-", ""},
      {TShortcutKey(0, true, false, true), "- + Shift + Ctrl", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.key.ToText(), c.text);
    EXPECT_EQ(c.key.ToListSuffix(), c.listSuffix) << c.text;
  }
}

TEST(ShortcutKey, EqualsComparesEveryField) {
  EXPECT_TRUE(TShortcutKey().Equals(TShortcutKey()));
  const TShortcutKey ctrlA('A', false, false, true);
  EXPECT_TRUE(ctrlA.Equals(TShortcutKey('A', false, false, true)));
  EXPECT_FALSE(ctrlA.Equals(TShortcutKey('B', false, false, true)));
  EXPECT_FALSE(ctrlA.Equals(TShortcutKey('A', true, false, true)));
  EXPECT_FALSE(ctrlA.Equals(TShortcutKey('A', false, true, true)));
  EXPECT_FALSE(ctrlA.Equals(TShortcutKey('A', false, false, false)));
}

TEST(ShortcutKey, AssignCopiesKeyAndModifiers) {
  TShortcutKey target('1', true, true, true);
  target.Assign(TShortcutKey(0, false, true, false));
  EXPECT_TRUE(target.Equals(TShortcutKey(0, false, true, false)));
}

class ShortcutMatch : public ::testing::Test {
 protected:
  ShortcutMatch() {
    list.Add("none", "", "", "", false, 0);
    list.Add("upper", "", "", "", false, 0);
    list.Add("lower", "", "", "", false, 0);
    list.Add("digit", "", "", "", false, 0);
    list.Items(1).ShortcutKey = TShortcutKey('A', false, false, true);
    list.Items(2).ShortcutKey = TShortcutKey('A', false, false, true);
    list.Items(3).ShortcutKey = TShortcutKey('5', true, false, false);
  }
  TExeList list;
};

TEST_F(ShortcutMatch, TheUpperOfTwoEntriesWithTheSameKeyWins) {
  EXPECT_EQ(FindShortcutEntry(list, 'A', false, false, true), 1);
  EXPECT_EQ(FindShortcutEntry(list, '5', true, false, false), 3);
}

TEST_F(ShortcutMatch, KeysThatPickNothing) {
  EXPECT_EQ(FindShortcutEntry(list, 'A', false, false, false), -1);   // Ctrl not held
  EXPECT_EQ(FindShortcutEntry(list, 'A', true, false, true), -1);     // Shift held as well
  EXPECT_EQ(FindShortcutEntry(list, 0x65, true, false, false), -1);   // keypad 5
  EXPECT_EQ(FindShortcutEntry(list, 0x141, false, false, true), -1);  // not a letter code
  // A key press never matches an entry without a key, even with no modifier held.
  EXPECT_EQ(FindShortcutEntry(list, 0, false, false, false), -1);
  EXPECT_EQ(FindShortcutEntry(TExeList(), 'A', false, false, true), -1);
}

}  // namespace
}  // namespace nuvopick
