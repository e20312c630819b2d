#include "text/dbcs.h"

#include <gtest/gtest.h>

namespace nuvopick {
namespace {

// "表" is 0x95 0x5C in code page 932: its second byte is a backslash.
const std::string kHyou = "表";

TEST(Dbcs, TheSecondByteOfADoubleByteCharacterIsNeverASeparator) {
  ASSERT_EQ(kHyou, "\x95\x5C");
  EXPECT_EQ(FindLastOfChars("C:\\" + kHyou, "\\"), 2u);
  EXPECT_EQ(FindLastOfChars(kHyou, "\\"), std::string::npos);
  EXPECT_EQ(LastCharPos("a" + kHyou), 1u);
  EXPECT_EQ(LastCharPos("\x95"), 0u);  // a lone lead byte at the end
  EXPECT_EQ(LastCharPos(""), std::string::npos);
}

TEST(Dbcs, CaseFoldingLeavesDoubleByteCharactersAlone) {
  // "ア" is 0x83 0x41: its second byte is the letter A and must not be folded.
  EXPECT_EQ(UpperAscii("abc" + std::string("ア")), "ABC" + std::string("ア"));
  EXPECT_TRUE(SameTextAscii("Count", "COUNT"));
  EXPECT_FALSE(SameTextAscii("ア", "\x83\x61"));
}

}  // namespace
}  // namespace nuvopick
