#include "controls/system_paths.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "support/scripted_message_box.h"

namespace nuvopick {
namespace {

using testing::ScriptedMessageBox;

TEST(SystemPaths, PathsTheCodePageHoldsGoThroughUnchanged) {
  ScriptedMessageBox messages;
  EXPECT_EQ(StorablePaths({u"C:\\表 dir\\a.txt", u"D:\\ソフト\\b.exe"}, messages),
            (std::vector<std::string>{"C:\\表 dir\\a.txt", "D:\\ソフト\\b.exe"}));
  EXPECT_EQ(StorablePath(u"C:\\x.ico", messages), "C:\\x.ico");
  EXPECT_TRUE(messages.shown.empty());
}

TEST(SystemPaths, APathWithACharacterTheCodePageLacksIsRefusedByName) {
  ScriptedMessageBox messages;
  const std::u16string accented = u"C:\\np\\表 dir\\é한ü 1.nvq";
  const std::u16string emoji = u"D:\\\U0001F600.txt";
  EXPECT_EQ(StorablePaths({accented, u"C:\\ok.txt", emoji}, messages),
            (std::vector<std::string>{"C:\\ok.txt"}));
  // One warning for the whole drop, naming each path left out.
  ASSERT_EQ(messages.shown.size(), 1u);
  const TMessageRequest& shown = messages.shown[0];
  EXPECT_EQ(shown.Icon, TMessageIcon::Warning);
  EXPECT_EQ(shown.Buttons, TMessageButtons::Ok);
  EXPECT_NE(shown.Text.find("シフトJIS"), std::string::npos) << shown.Text;
  EXPECT_NE(shown.Text.find("\nC:\\np\\表 dir\\[U+00E9][U+D55C][U+00FC] 1.nvq\n"),
            std::string::npos)
      << shown.Text;
  EXPECT_NE(shown.Text.find("\nD:\\[U+1F600].txt\n"), std::string::npos) << shown.Text;
  EXPECT_EQ(shown.Text.find("ok.txt"), std::string::npos) << shown.Text;

  messages.shown.clear();
  EXPECT_EQ(StorablePath(emoji, messages), std::nullopt);
  EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
}  // namespace nuvopick
