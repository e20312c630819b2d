// Start of setup mode: the single-instance check, the settings read into the
// controls with their corrections, the working lists, and the tree of pages.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "setup_fixture.h"

namespace nuvopick {
namespace {

TEST_F(SetupTest, MissingFileShowsEveryDefault) {
  TForm_setup& f = Start();

  for (const TCheckBox* box :
       {&f.GeneralPage.CheckBox_iswait, &f.GeneralPage.CheckBox_isshowhintrel,
        &f.GeneralPage.CheckBox_isgatherfiles, &f.SetupModePage.CheckBox_isshowhint,
        &f.MenuPage.CheckBox_context_isdecorate}) {
    EXPECT_TRUE(box->Checked());
  }
  for (const TCheckBox* box :
       {&f.GeneralPage.CheckBox_isnoclickexe, &f.GeneralPage.CheckBox_IsExeBySingleClick,
        &f.GeneralPage.CheckBox_isonly1exe, &f.AppearancePage.CheckBox_isuseskin,
        &f.AppearancePage.CheckBox_isusesound, &f.SetupModePage.CheckBox_isstate,
        &f.SetupModePage.CheckBox_isrelonexe}) {
    EXPECT_FALSE(box->Checked());
  }
  EXPECT_EQ(f.GeneralPage.TrackBar_movlen.Position(), 1);
  EXPECT_EQ(f.GeneralPage.TrackBar_waittime.Position(), 100);
  EXPECT_EQ(f.GeneralPage.TrackBar_noclickwait.Position(), 3000);
  EXPECT_EQ(f.GeneralPage.Label_noclickwait.Text(), "3000");
  EXPECT_EQ(f.MenuPage.Edit_context_decorate.Text(), "■");
  EXPECT_EQ(f.GeneralPage.Panel_aet_noclick.Text(), "一番上");
  EXPECT_EQ(f.GeneralPage.RadioGroup_deact.ItemIndex(), 0);
  EXPECT_EQ(f.GeneralPage.RadioGroup_caip.ItemIndex(), 1);
  EXPECT_TRUE(f.AppearancePage.RadioButton_sound_mb.Checked());
  EXPECT_FALSE(f.AppearancePage.RadioButton_sound_user.Checked());
  EXPECT_TRUE(f.AppearancePage.RadioButton_sound_mb_ok.Checked());
  EXPECT_EQ(f.AppearancePage.Edit_skinpath.Text(), "");
  EXPECT_EQ(f.AppearancePage.ListBox_fontandcolor.Color(), 0xF0FBFF);
  EXPECT_EQ(f.AppearancePage.ListBox_fontandcolor.Font(),
            (TFont{"ＭＳ Ｐゴシック", 9, kSystemWindowTextColor, 128, false, false, false, false}));
  EXPECT_EQ(f.ExtPage.ListBoxEx_ext.Count(), 0);
  EXPECT_EQ(f.All_ListBoxEx_app.Count(), 0);
  EXPECT_EQ(f.ExtList().Count(), 0);
  EXPECT_FALSE(ApplyEnabled());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(startLog, (testing::EventLog{"instance acquire"}));
}

TEST_F(SetupTest, OutOfRangeValuesAreCorrectedOnLoad) {
  struct Case {
    std::string lines;
    std::string panel;
    int deact;
    int caip;
  };
  const Case cases[] = {
      {"AutoExeType_NoClick=5", "選択中", 0, 1},
      {"AutoExeType_NoClick=-3", "一番上", 0, 1},
      {"DeactAction=7", "一番上", 0, 1},
      {"DeactAction=258", "一番上", 2, 1},
      {"DeactAction=3\r\nCommonAppInsertPos=0", "一番上", 3, 0},
      {"CommonAppInsertPos=2", "一番上", 0, 0},
      {"CommonAppInsertPos=-1", "一番上", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    TForm_setup& f = Start("[]\r\n" + c.lines + "\r\n");
    EXPECT_EQ(f.GeneralPage.Panel_aet_noclick.Text(), c.panel);
    EXPECT_EQ(f.GeneralPage.RadioGroup_deact.ItemIndex(), c.deact);
    EXPECT_EQ(f.GeneralPage.RadioGroup_caip.ItemIndex(), c.caip);
  }
}

TEST_F(SetupTest, SoundWordsSelectTheirButtonByExactName) {
  struct Case {
    std::string word;
    TRadioButton TAppearancePage::*button;
  };
  const Case cases[] = {
      {"HAND", &TAppearancePage::RadioButton_sound_mb_ih},
      {"QUESTION", &TAppearancePage::RadioButton_sound_mb_iq},
      {"EXCLAMATION", &TAppearancePage::RadioButton_sound_mb_ie},
      {"ASTERISK", &TAppearancePage::RadioButton_sound_mb_ia},
      {"BEEP", &TAppearancePage::RadioButton_sound_mb_beep},
      {"Question", &TAppearancePage::RadioButton_sound_mb_ok},
      {"", &TAppearancePage::RadioButton_sound_mb_ok},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    TForm_setup& f = Start("[]\r\nSoundMBType=" + c.word + "\r\nIsUsersSound=1\r\n");
    EXPECT_TRUE(((*form).AppearancePage.*c.button).Checked());
    EXPECT_TRUE(f.AppearancePage.RadioButton_sound_user.Checked());
    EXPECT_FALSE(f.AppearancePage.RadioButton_sound_mb.Checked());
  }
}

TEST_F(SetupTest, FontAndTrackBarsFromTheFile) {
  TForm_setup& f = Start(
      "[]\r\nFont_Name=ＭＳ 明朝\r\nFont_Size=12\r\nFont_Color=255\r\nFont_CharSet=384\r\n"
      "Font_Style_Italic=1\r\nFont_Style_StrikeOut=5\r\nBackColor=0x000080\r\n"
      "MoveLen=0x10\r\nWaitTime=5000\r\nNoClickWait=1\r\n");
  EXPECT_EQ(f.AppearancePage.ListBox_fontandcolor.Font(),
            (TFont{"ＭＳ 明朝", 12, 255, 128, false, true, false, true}));
  EXPECT_EQ(f.AppearancePage.ListBox_fontandcolor.Color(), 0x80);
  EXPECT_EQ(f.GeneralPage.TrackBar_movlen.Position(), 16);
  EXPECT_EQ(f.GeneralPage.Label_movlen.Text(), "16");
  EXPECT_EQ(f.GeneralPage.TrackBar_waittime.Position(), 1000);
  EXPECT_EQ(f.GeneralPage.TrackBar_noclickwait.Position(), 500);
}

TEST_F(SetupTest, WorkingListsAreFilledAndTheirFirstItemsSelected) {
  TForm_setup& f = Start(
      "[]\r\nAllExt=txt|jpg|\r\n"
      "[txt]\r\nCount=1\r\nName_0=Notepad\r\n"
      "[jpg]\r\nCount=0\r\n"
      "[<COMMON>]\r\nCount=2\r\nName_0=Viewer\r\nAppPath_0=C:\\view.exe\r\nName_1=Editor\r\n");
  EXPECT_EQ(f.ExtPage.ListBoxEx_ext.Items(), (std::vector<std::string>{"txt", "jpg"}));
  EXPECT_EQ(f.ExtPage.ListBoxEx_ext.ItemIndex(), 0);
  EXPECT_EQ(f.All_ListBoxEx_app.Items(), (std::vector<std::string>{"Viewer", "Editor"}));
  EXPECT_EQ(f.All_ListBoxEx_app.ItemIndex(), 0);
  ASSERT_EQ(f.CommonList().Count(), 2);
  EXPECT_EQ(f.CommonList().Items(0).AppPath, "C:\\view.exe");
  // The working copies tell the form about their marks.
  EXPECT_EQ(f.CommonList().Items(1).Owner, form.get());
  EXPECT_EQ(f.ExtList().Items(0).Owner, form.get());
  EXPECT_EQ(f.ExtList().Items(0).Apps.Items(0).Owner, form.get());
  EXPECT_FALSE(ApplyEnabled());
}

// What a list told its views, one word per change: "whole", "row" or "state".
struct TListChanges {
  std::vector<std::string> log;
  TMirrorSubscription watch;

  explicit TListChanges(TListBoxEx& list)
      : watch(list.SubscribeChanges([this](const TModelChange& change) {
          using TKind = TModelChange::TKind;
          log.push_back(change.Kind == TKind::Whole   ? "whole"
                        : change.Kind == TKind::State ? "state"
                                                      : "row");
        })) {}
};

TEST_F(SetupTest, ListsTakeEachFillAsOneChange) {
  files.files[kIni] =
      "[]\r\nAllExt=txt|jpg|doc|\r\n"
      "[txt]\r\nCount=2\r\nName_0=Notepad\r\nName_1=Write\r\n"
      "[jpg]\r\nCount=0\r\n[doc]\r\nCount=0\r\n"
      "[<COMMON>]\r\nCount=2\r\nName_0=Viewer\r\nName_1=Editor\r\n";
  form = std::make_unique<TForm_setup>(services, view, kExe);
  TListChanges exts(form->ExtPage.ListBoxEx_ext);
  TListChanges entries(form->ExtPage.ListBoxEx_app);
  TListChanges common(form->All_ListBoxEx_app);
  using Log = std::vector<std::string>;
  const auto expect = [&](const char* step, const Log& extLog, const Log& entryLog) {
    SCOPED_TRACE(step);
    EXPECT_EQ(exts.log, extLog);
    EXPECT_EQ(entries.log, entryLog);
    exts.log.clear();
    entries.log.clear();
  };

  ASSERT_TRUE(Run([this] { form->FormCreate(); }));
  expect("start", {"whole", "state"}, {"whole", "state"});
  EXPECT_EQ(common.log, (Log{"whole", "state"}));
  EXPECT_EQ(form->ExtPage.ListBoxEx_ext.Items(), (std::vector<std::string>{"txt", "jpg", "doc"}));

  ASSERT_TRUE(Run([this] { form->Button_reloadClick(); }));
  expect("reload", {"whole", "state"}, {"whole", "state"});

  ASSERT_TRUE(Run([this] { form->ExtPage.SortExtensions(); }));
  // The first extension after sorting has no entries: its list is emptied.
  expect("sort", {"whole", "state"}, {"whole"});
  EXPECT_EQ(form->ExtPage.ListBoxEx_ext.Items(), (std::vector<std::string>{"doc", "jpg", "txt"}));
}

TEST_F(SetupTest, StartCentresTheWindowAndShowsTheRootPage) {
  view.screen = {1025, 769};
  view.window = {600, 424};
  TForm_setup& f = Start();
  EXPECT_EQ(f.Position, (TPoint{212, 172}));
  EXPECT_EQ(f.TV_select.Selected(), 0);
  EXPECT_EQ(f.PageControl_base.ActivePageIndex(), 0);
  EXPECT_EQ(f.Caption.Text(), "NuvoPick 設定");
}

TEST_F(SetupTest, TreeNodesShowTheirPages) {
  TForm_setup& f = Start();
  for (int node = 0; node < static_cast<int>(kSetupPages.size()); ++node) {
    f.TV_select.Select(node);
    EXPECT_EQ(f.PageControl_base.ActivePageIndex(), node) << kSetupPages[node].Caption;
  }
  f.TV_selectChange("一般 ");
  EXPECT_EQ(f.PageControl_base.ActivePageIndex(), 0);
  EXPECT_FALSE(f.TV_selectCollapsing());
}

TEST_F(SetupTest, SecondSetupModeIsRefusedBeforeAnythingIsRead) {
  instance.heldElsewhere = true;
  TForm_setup& f =
      Start("[]\r\nIsState=1\r\nIsRelOnExe=1\r\nAllExt=txt|\r\n[txt]\r\nrlmdExe=1\r\n");

  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0],
            (TMessageRequest{"NuvoPickを設定モードで二重起動することはできません", "警告",
                             TMessageButtons::Ok, TMessageIcon::Warning, false}));
  EXPECT_EQ(startLog, (testing::EventLog{"instance refused", "end"}));
  EXPECT_FALSE(f.SetupModePage.CheckBox_isstate.Checked());
  EXPECT_EQ(f.ExtList().Count(), 0);
  EXPECT_EQ(store.DumpAll(), testing::MemoryClasses().DumpAll());

  // Its end gives back nothing it never took.
  f.FormDestroy();
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace nuvopick
