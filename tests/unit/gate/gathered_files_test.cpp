// The mark's name that the starts of one extension meet under, the files a list
// takes, and its hint.
#include "gate/gathered_files.h"

#include <gtest/gtest.h>

namespace nuvopick {
namespace {

constexpr char kExe[] = "C:\\NuvoPick\\NuvoPick.exe";

TEST(GatherMarkName, OneNamePerInstallationAndExtensionWhateverTheLetterCase) {
  const std::u16string txt = GatherMarkName(kExe, u"C:\\d\\a.txt");
  EXPECT_EQ(txt.rfind(u"Local\\NuvoPick_Gather_", 0), 0u);
  EXPECT_EQ(txt.substr(txt.size() - 4), u"_TXT");
  EXPECT_EQ(txt.find(u'\\', 6), std::u16string::npos);  // the namespace's "\" only
  EXPECT_EQ(GatherMarkName("c:\\nuvopick\\NUVOPICK.EXE", u"E:\\x y\\B.TxT"), txt);

  EXPECT_NE(GatherMarkName("D:\\Other\\NuvoPick.exe", u"C:\\d\\a.txt"), txt);
  EXPECT_NE(GatherMarkName(kExe, u"C:\\d\\a.txt2"), txt);
  EXPECT_NE(GatherMarkName(kExe, u"C:\\d.txt\\a"), txt);
  // Any other character as its code, so that no two extensions meet by accident.
  EXPECT_EQ(GatherMarkName(kExe, u"C:\\d\\a.t\u00e9_"),
            txt.substr(0, txt.size() - 3) + u"T_00E9_005F");
  // A very long extension still gives a short name.
  EXPECT_LT(GatherMarkName(kExe, u"C:\\a." + std::u16string(300, u'\u3042')).size(), 80u);
}

TEST(GatheredFiles, TakesFilesOfItsExtensionInOrderUntilClosed) {
  TGatheredFiles list(u"C:\\d\\a.txt");
  EXPECT_TRUE(list.Accept(u"D:\\b.TXT"));
  for (const std::u16string& refused :
       {std::u16string(u"C:\\d\\a.doc"), std::u16string(u"C:\\d\\noext"), std::u16string(),
        std::u16string(u"C:\\d\\x\0y.txt", 12), u"C:\\" + std::u16string(40000, u'a') + u".txt"}) {
    EXPECT_FALSE(list.Accept(refused));
  }
  EXPECT_TRUE(list.Accept(u"C:\\d\\c.txt"));
  list.Close();
  EXPECT_FALSE(list.Accept(u"C:\\d\\late.txt"));
  EXPECT_EQ(list.Files(),
            (std::vector<std::u16string>{u"C:\\d\\a.txt", u"D:\\b.TXT", u"C:\\d\\c.txt"}));
}

TEST(GatheredFilesHint, NamesTheFirstFileAndCountsTheRest) {
  EXPECT_EQ(GatheredFilesHint({u"C:\\d\\a.txt"}), u"C:\\d\\a.txt");
  EXPECT_EQ(GatheredFilesHint({u"C:\\d\\a.txt", u"C:\\b.txt"}),
            u"C:\\d\\a.txt\r\nほか 1 個のファイル (全 2 個)");
}

}  // namespace
}  // namespace nuvopick
