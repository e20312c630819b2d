// The page "外観・サウンド": the sound words read and written, the test run and
// its refusals, editing the skin, the browse buttons, the colour and font
// dialogs, and trying the sound.
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "setup_fixture.h"

namespace nuvopick {
namespace {

TEST_F(SetupTest, SoundWordIsWrittenBackOnlyWhenItWasReadExactly) {
  const std::pair<std::string, std::string> cases[] = {
      {"QUESTION", "QUESTION"}, {"Question", "OK"}, {"HAND", "HAND"},
      {"BEEP", "BEEP"},         {"beep", "OK"},     {"", "OK"},
  };
  for (const auto& [stored, written] : cases) {
    SCOPED_TRACE(stored);
    TForm_setup& f = Start("[]\r\nSoundMBType=" + stored + "\r\n");
    ASSERT_TRUE(Run([&] { f.Button_apply.Click(); }));
    EXPECT_NE(Ini().find("\r\nSoundMBType=" + written + "\r\n"), std::string::npos);
  }
}

TEST_F(SetupTest, TheIconSwitchIsLoadedAndWrittenBack) {
  for (const bool stored : {false, true}) {
    SCOPED_TRACE(stored);
    TForm_setup& f = Start(stored ? "[]\r\nIsShowIcon=1\r\n" : "");
    EXPECT_EQ(f.AppearancePage.CheckBox_isshowicon.Checked(), stored);
    f.AppearancePage.CheckBox_isshowicon.Click();
    EXPECT_TRUE(ApplyEnabled());
    ASSERT_TRUE(Run([&] { f.Button_apply.Click(); }));
    EXPECT_NE(Ini().find(stored ? "\r\nIsShowIcon=0\r\n" : "\r\nIsShowIcon=1\r\n"),
              std::string::npos);
  }
}

struct TestRunCase {
  const char* what;
  std::string ini;
  bool skinFileExists;
  bool changeSomething;
  const char* refusal;  // null: the test copy starts
};

TEST_F(SetupTest, TestRefusesInOrderAndOtherwiseStartsTheTestCopy) {
  const std::string skinOn = "[]\r\nIsUseSkin=1\r\nSkinPath=C:\\Skins\\a.skn\r\n";
  const std::string skinOff = "[]\r\nIsUseSkin=0\r\nSkinPath=C:\\Skins\\a.skn\r\n";
  const TestRunCase cases[] = {
      {"skin off", skinOff, false, true, "「スキンを使用する」にチェックを入れてください"},
      {"skin off, file there", skinOff, true, false,
       "「スキンを使用する」にチェックを入れてください"},
      {"no skin file", skinOn, false, true, "スキンファイルが見つかりません"},
      {"unsaved change elsewhere", skinOn, true, true,
       "適用ボタンを押して設定を保存してからテストしてください"},
      {"all saved", skinOn, true, false, nullptr},
  };
  for (const TestRunCase& c : cases) {
    SCOPED_TRACE(c.what);
    files.files.erase("C:\\Skins\\a.skn");
    if (c.skinFileExists) files.files["C:\\Skins\\a.skn"] = "[NuvoPickSkinFile]\r\n";
    messages.shown.clear();
    shell.requests.clear();
    TForm_setup& f = Start(c.ini);
    if (c.changeSomething) f.GeneralPage.CheckBox_isonly1exe.Click();

    f.AppearancePage.Button_wintest.Click();

    if (c.refusal != nullptr) {
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0].Text, c.refusal);
      EXPECT_EQ(messages.shown[0].Caption, "NuvoPick");
      EXPECT_EQ(messages.shown[0].Buttons, TMessageButtons::Ok);
      EXPECT_TRUE(shell.requests.empty());
    } else {
      EXPECT_TRUE(messages.shown.empty());
      EXPECT_EQ(shell.requests, (std::vector<TLaunchRequest>{{u"", u"C:\\Tools\\np.exe", u"/test",
                                                              u"C:\\Tools", kShowNormal, true}}));
    }
    EXPECT_EQ(ApplyEnabled(), c.changeSomething);
  }
}

TEST_F(SetupTest, EditOpensTheSkinFileOrAnEmptyNoteInTheSkinFolder) {
  struct Case {
    const char* what;
    std::string skinPath;
    bool fileExists;
    bool skinFolderExists;
    TLaunchRequest expected;
  };
  const Case cases[] = {
      {"skin file",
       "C:\\My Skins\\a b.skn",
       true,
       true,
       {u"", u"notepad.exe", u"C:\\My Skins\\a b.skn", u"C:\\My Skins", kShowNormal, true}},
      {"file missing, skn folder there",
       "C:\\My Skins\\a b.skn",
       false,
       true,
       {u"", u"notepad.exe", u"", u"C:\\Tools\\skn", kShowNormal, true}},
      {"nothing set, no skn folder",
       "",
       false,
       false,
       {u"", u"notepad.exe", u"", u"C:\\Tools", kShowNormal, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    files.files.clear();
    files.directories.clear();
    if (c.fileExists) files.files[c.skinPath] = "";
    if (c.skinFolderExists) files.directories.insert("C:\\Tools\\skn");
    shell.requests.clear();
    TForm_setup& f = Start("[]\r\nSkinPath=" + c.skinPath + "\r\n");

    f.AppearancePage.Button_winedit.Click();

    EXPECT_EQ(shell.requests, (std::vector<TLaunchRequest>{c.expected}));
    EXPECT_FALSE(ApplyEnabled());
  }
}

TEST_F(SetupTest, BrowseButtonsStartInTheBoxesFolderAndTakeTheChosenFile) {
  files.directories = {"C:\\Skins", "C:\\Waves\\"};
  struct Case {
    const char* key;
    std::string text;
    std::string startDir;
  };
  const Case cases[] = {
      {"SkinPath", "C:\\Skins\\a.skn", "C:\\Skins"},
      {"SkinPath", "C:\\Gone\\a.skn", "C:\\Tools"},
      {"SkinPath", "a.skn", "C:\\Tools"},
      {"UserSoundPath", "C:\\Waves\\", "C:\\Waves\\"},
      {"UserSoundPath", "", "C:\\Tools"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const bool skin = std::string(c.key) == "SkinPath";
    dialogs.shown.clear();
    dialogs.initialDirs.clear();
    dialogs.choices = {std::nullopt, "C:\\Chosen\\x.wav"};
    TForm_setup& f = Start("[]\r\n" + std::string(c.key) + "=" + c.text + "\r\n");
    TButton& button = skin ? f.AppearancePage.Button_skinpath : f.AppearancePage.Button_sound_user;
    const TEdit& box = skin ? f.AppearancePage.Edit_skinpath : f.AppearancePage.Edit_soundpath;

    button.Click();  // cancelled
    EXPECT_EQ(box.Text(), c.text);
    EXPECT_FALSE(ApplyEnabled());
    button.Click();
    EXPECT_EQ(box.Text(), "C:\\Chosen\\x.wav");
    EXPECT_TRUE(ApplyEnabled());

    const std::string filter = skin ? "" : "wavファイル(*.wav)|*.wav";
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{filter, filter}));
    EXPECT_EQ(dialogs.initialDirs, (std::vector<std::string>{c.startDir, c.startDir}));
  }
}

const std::string kFontIni =
    "[]\r\nFont_Name=ＭＳ 明朝\r\nFont_Size=12\r\nFont_Color=255\r\nFont_CharSet=128\r\n"
    "Font_Style_Bold=1\r\nBackColor=0x800000\r\n";

TEST_F(SetupTest, FontDialogTakesFaceSizeCharSetAndStylesButNeverItsColour) {
  const TFont loaded{"ＭＳ 明朝", 12, 255, 128, true, false, false, false};
  struct Case {
    const char* what;
    std::optional<TFont> answer;
    TFont result;
  };
  TFont onlyColour = loaded;
  onlyColour.Color = 0x00FF00;
  TFont bigger = loaded;
  bigger.Size = 14;
  bigger.Color = 0x00FF00;
  TFont other{"Arial", 12, 0, 0, false, true, true, true};
  const Case cases[] = {
      {"cancelled", std::nullopt, loaded},
      {"only a colour", onlyColour, loaded},
      {"size", bigger, {"ＭＳ 明朝", 14, 255, 128, true, false, false, false}},
      {"face, charset, styles", other, {"Arial", 12, 255, 0, false, true, true, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    choose.fontsShown.clear();
    choose.fonts = {c.answer};
    TForm_setup& f = Start(kFontIni);

    f.AppearancePage.Button_font.Click();

    EXPECT_EQ(choose.fontsShown, (std::vector<TFont>{loaded}));
    EXPECT_EQ(f.AppearancePage.ListBox_fontandcolor.Font(), c.result);
    EXPECT_EQ(ApplyEnabled(), c.result != loaded);
  }
}

TEST_F(SetupTest, ColourButtonsChangeTheSampleOnlyForAnotherColour) {
  struct Case {
    const char* what;
    TButton TAppearancePage::*button;
    std::optional<std::int32_t> answer;
    std::int32_t shown;
    std::int32_t back;
    std::int32_t text;
  };
  const Case cases[] = {
      {"back, new", &TAppearancePage::Button_color, 0x00FF00, 0x800000, 0x00FF00, 255},
      {"back, same", &TAppearancePage::Button_color, 0x800000, 0x800000, 0x800000, 255},
      {"back, cancelled", &TAppearancePage::Button_color, std::nullopt, 0x800000, 0x800000, 255},
      {"text, new", &TAppearancePage::Button_fontcolor, 0x123456, 255, 0x800000, 0x123456},
      {"text, same", &TAppearancePage::Button_fontcolor, 255, 255, 0x800000, 255},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    choose.colorsShown.clear();
    choose.colors = {c.answer};
    TForm_setup& f = Start(kFontIni);

    (f.AppearancePage.*c.button).Click();

    EXPECT_EQ(choose.colorsShown, (std::vector<std::int32_t>{c.shown}));
    EXPECT_EQ(f.AppearancePage.ListBox_fontandcolor.Color(), c.back);
    EXPECT_EQ(f.AppearancePage.ListBox_fontandcolor.Font().Color, c.text);
    EXPECT_EQ(f.AppearancePage.ListBox_fontandcolor.Font().Name, "ＭＳ 明朝");
    EXPECT_EQ(ApplyEnabled(), c.back != 0x800000 || c.text != 255);
  }
}

TEST_F(SetupTest, TryPlaysWhatThePageShowsSavedOrNot) {
  struct Case {
    const char* what;
    std::function<void(TForm_setup&)> choose;
    std::string played;
  };
  const Case cases[] = {
      {"saved default", [](TForm_setup&) {}, "system Ok"},
      {"user sound, sound off",
       [](TForm_setup& f) {
         f.AppearancePage.Edit_soundpath.SetText("C:\\a b.wav");
         f.AppearancePage.RadioButton_sound_user.Click();
       },
       "wave C:\\a b.wav"},
      {"hand", [](TForm_setup& f) { f.AppearancePage.RadioButton_sound_mb_ih.Click(); },
       "system Hand"},
      {"question", [](TForm_setup& f) { f.AppearancePage.RadioButton_sound_mb_iq.Click(); },
       "system Question"},
      {"exclamation", [](TForm_setup& f) { f.AppearancePage.RadioButton_sound_mb_ie.Click(); },
       "system Exclamation"},
      {"asterisk", [](TForm_setup& f) { f.AppearancePage.RadioButton_sound_mb_ia.Click(); },
       "system Asterisk"},
      {"beep", [](TForm_setup& f) { f.AppearancePage.RadioButton_sound_mb_beep.Click(); },
       "tone 440 150"},
      {"user sound given up again",
       [](TForm_setup& f) {
         f.AppearancePage.RadioButton_sound_user.Click();
         f.AppearancePage.RadioButton_sound_mb.Click();
         f.AppearancePage.RadioButton_sound_mb_beep.Click();
       },
       "tone 440 150"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    sound.played.clear();
    TForm_setup& f = Start("[]\r\nIsUseSound=0\r\nUserSoundPath=C:\\saved.wav\r\n");
    c.choose(f);
    const bool changed = ApplyEnabled();

    f.AppearancePage.Button_sound_try.Click();

    EXPECT_EQ(sound.played, (std::vector<std::string>{c.played}));
    EXPECT_EQ(ApplyEnabled(), changed);
  }
}

}  // namespace
}  // namespace nuvopick
