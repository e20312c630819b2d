// The unsaved-changes state, the icon picker's answer, the tray icon of resident
// mode, closing, and the end of setup mode with associations only while running.
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "setup_fixture.h"
#include "shell/registry_association.h"

namespace nuvopick {
namespace {

const std::string kOneExtension =
    "[]\r\nAllExt=txt|\r\n[txt]\r\nCount=1\r\nName_0=Notepad\r\nIconPath=a.dll\r\nIconIndex=3\r\n"
    "[<COMMON>]\r\nCount=1\r\nName_0=Viewer\r\n";

TEST_F(SetupTest, EveryEditOfTheOptionsMarksUnsavedChanges) {
  struct Case {
    const char* what;
    std::function<void(TForm_setup&)> act;
  };
  const Case cases[] = {
      {"check box", [](TForm_setup& f) { f.GeneralPage.CheckBox_isonly1exe.Click(); }},
      {"relonexe", [](TForm_setup& f) { f.SetupModePage.CheckBox_isrelonexe.Click(); }},
      {"resident", [](TForm_setup& f) { f.SetupModePage.CheckBox_isstate.Click(); }},
      {"radio group", [](TForm_setup& f) { f.GeneralPage.RadioGroup_deact.SetItemIndex(3); }},
      {"sound button", [](TForm_setup& f) { f.AppearancePage.RadioButton_sound_mb_beep.Click(); }},
      {"user sound", [](TForm_setup& f) { f.AppearancePage.RadioButton_sound_user.Click(); }},
      {"track bar", [](TForm_setup& f) { f.GeneralPage.TrackBar_waittime.SetPosition(105); }},
      {"decoration", [](TForm_setup& f) { f.MenuPage.Edit_context_decorate.SetText("●"); }},
      {"skin path", [](TForm_setup& f) { f.AppearancePage.Edit_skinpath.SetText("C:\\a.skn"); }},
      {"sound path", [](TForm_setup& f) { f.AppearancePage.Edit_soundpath.SetText("C:\\a.wav"); }},
      {"switch, any button",
       [](TForm_setup& f) { f.GeneralPage.Panel_aet_noclickMouseDown(TSwitchButton::Other); }},
      {"record mark", [](TForm_setup& f) { f.ExtList().Items(0).SetModified(true); }},
      {"entry mark cleared",
       [](TForm_setup& f) { f.ExtList().Items(0).Apps.Items(0).SetModified(false); }},
      {"common entry mark", [](TForm_setup& f) { f.CommonList().Items(0).SetModified(true); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TForm_setup& f = Start(kOneExtension);
    ASSERT_FALSE(ApplyEnabled());
    c.act(f);
    EXPECT_TRUE(ApplyEnabled());
  }
}

TEST_F(SetupTest, SettingAControlToItsPresentValueIsNoChange) {
  TForm_setup& f = Start(kOneExtension);
  f.GeneralPage.CheckBox_iswait.SetChecked(true);
  f.GeneralPage.TrackBar_movlen.SetPosition(0);  // pulled up to 1, where it is
  f.MenuPage.Edit_context_decorate.SetText("■");
  f.AppearancePage.RadioButton_sound_mb_ok.Click();
  f.TV_select.Select(5);
  EXPECT_FALSE(ApplyEnabled());
}

TEST_F(SetupTest, AutoRunSwitchTurnsBothWays) {
  TForm_setup& f = Start();
  const std::pair<TSwitchButton, const char*> presses[] = {{TSwitchButton::Left, "選択中"},
                                                           {TSwitchButton::Left, "一番上"},
                                                           {TSwitchButton::Right, "選択中"},
                                                           {TSwitchButton::Other, "選択中"}};
  for (const auto& [button, caption] : presses) {
    f.GeneralPage.Panel_aet_noclickMouseDown(button);
    EXPECT_EQ(f.GeneralPage.Panel_aet_noclick.Text(), caption);
  }
}

TEST_F(SetupTest, IconAnswerMarksTheRecordOnlyForARealChange) {
  struct Case {
    TIconDialogCloseRecord answer;
    bool stored;
    bool marked;
  };
  const Case cases[] = {
      {{0, "b.dll", 3, true}, true, true},   {{0, "a.dll", 4, true}, true, true},
      {{0, "a.dll", 3, true}, true, false},  {{0, "b.dll", 5, false}, false, false},
      {{7, "b.dll", 5, true}, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer.IconFile + " " + std::to_string(c.answer.IconIndex));
    TForm_setup& f = Start(kOneExtension);
    f.Window.SetEnabled(false);  // as while the picker is open

    f.IconDialogClosed(c.answer);

    const TExtInfo& txt = f.ExtList().Items(0);
    EXPECT_EQ(txt.IconPath, c.stored ? c.answer.IconFile : "a.dll");
    EXPECT_EQ(txt.IconIndex, c.stored ? c.answer.IconIndex : 3);
    EXPECT_EQ(txt.Modified, c.marked);
    EXPECT_EQ(ApplyEnabled(), c.marked);
    testing::EventLog expected;
    if (c.stored) expected.push_back("icon " + txt.IconPath + " " + std::to_string(txt.IconIndex));
    if (c.marked) expected.push_back("repaint");
    EXPECT_EQ(log, expected);
    EXPECT_TRUE(f.Window.Enabled());
  }
}

TEST_F(SetupTest, ResidentModeKeepsTheTrayIconAndLocksOkAndCancel) {
  TForm_setup& f = Start("[]\r\nIsState=1\r\n");
  EXPECT_EQ(startLog, (testing::EventLog{"instance acquire", "tray add"}));
  EXPECT_FALSE(f.Button_ok.Enabled());
  EXPECT_FALSE(f.Button_cancel.Enabled());
  EXPECT_FALSE(ApplyEnabled());

  f.TaskBarCreated();
  f.FormClose();
  f.ApplicationEventsMinimize();
  f.ApplicationEventsRestore();
  EXPECT_EQ(log, (testing::EventLog{"tray add", "minimize", "taskbar hide", "taskbar show"}));

  log.clear();
  f.SetupModePage.CheckBox_isstate.Click();
  f.TaskBarCreated();
  f.ApplicationEventsMinimize();
  f.FormClose();
  EXPECT_EQ(log, (testing::EventLog{"tray remove", "end"}));
  EXPECT_TRUE(f.Button_ok.Enabled());
  EXPECT_TRUE(f.Button_cancel.Enabled());
}

TEST_F(SetupTest, TrayClicksAreIgnoredWhileTheWindowIsDisabled) {
  TForm_setup& f = Start("[]\r\nIsState=1\r\n");
  f.Window.SetEnabled(false);
  f.TrayNotify(kTrayLeftButtonDown);
  f.TrayNotify(kTrayRightButtonDown);
  EXPECT_TRUE(log.empty());

  f.Window.SetEnabled(true);
  f.TrayNotify(kTrayLeftButtonDown);
  f.TrayNotify(kTrayRightButtonDown);
  f.TrayNotify(0x200);  // the pointer moving over the icon
  EXPECT_EQ(log, (testing::EventLog{"restore", "foreground", "foreground", "popup"}));
}

TEST_F(SetupTest, TheTrayMenuUnderItsTitleRestoresEndsOrCloses) {
  TForm_setup& f = Start("[]\r\nIsState=1\r\n");
  const struct {
    TMenuItemKind kind;
    const char* caption;
    testing::EventLog ran;
  } items[] = {
      {TMenuItemKind::Title, "NuvoPick", {}},
      {TMenuItemKind::Separator, "", {}},
      {TMenuItemKind::Command, "設定", {"restore"}},
      {TMenuItemKind::Command, "終了", {"end"}},
      {TMenuItemKind::Separator, "", {}},
      {TMenuItemKind::Command, "キャンセル", {}},
  };
  ASSERT_EQ(f.PMenu_ttray.size(), std::size(items));
  for (std::size_t i = 0; i < std::size(items); ++i) {
    SCOPED_TRACE(items[i].caption);
    const TMenuItem& item = f.PMenu_ttray[i];
    EXPECT_EQ(item.Kind, items[i].kind);
    EXPECT_EQ(item.Caption, items[i].caption);
    log.clear();
    if (item.OnClick) item.OnClick();
    EXPECT_EQ(log, items[i].ran);
  }
}

TEST_F(SetupTest, TrayExitAsksOnlyWhenThereAreUnsavedChanges) {
  struct Case {
    bool changed;
    TMessageResult answer;
    bool asked;
    bool saved;
    bool ended;
  };
  const Case cases[] = {
      {false, TMessageResult::Yes, false, false, true},
      {true, TMessageResult::Yes, true, true, true},
      {true, TMessageResult::No, true, false, true},
      {true, TMessageResult::Cancel, true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.changed ? "changed" : "saved") + ", answer " +
                 std::to_string(static_cast<int>(c.answer)));
    files.files[kIni] = "[]\r\nIsState=1\r\n";
    TForm_setup& f = Start(Ini());
    messages.shown.clear();
    messages.answers = {c.answer};
    if (c.changed) f.GeneralPage.TrackBar_movlen.SetPosition(7);

    ASSERT_TRUE(Run([&] { f.PMenu_ttray_exitClick(); }));

    if (c.asked) {
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(
          messages.shown[0],
          (TMessageRequest{"設定が変更されています。保存して終了しますか?", "NuvoPick 終了確認",
                           TMessageButtons::YesNoCancel, TMessageIcon::Question, true}));
    } else {
      EXPECT_TRUE(messages.shown.empty());
    }
    EXPECT_EQ(Ini().find("MoveLen=7") != std::string::npos, c.saved);
    EXPECT_EQ(!log.empty() && log.back() == "end", c.ended);
  }
}

TEST_F(SetupTest, AssociationsLiveOnlyWhileSetupModeRuns) {
  store.Set(".txt", "txtfile");
  store.Set("txtfile\\shell\\open\\command", "notepad.exe %1");
  const std::string before = store.DumpAll();
  TForm_setup& f = Start(
      "[]\r\nIsRelOnExe=1\r\nAllExt=txt|jpg|\r\n"
      "[txt]\r\nCount=1\r\nName_0=Notepad\r\nrlmdExe=1\r\nrlmdContextMenu=1\r\n"
      "[jpg]\r\nCount=0\r\n");

  EXPECT_EQ(store.Dump(".txt"), "NuvoPick_AutoOpen_txt");
  EXPECT_EQ(store.Dump("NuvoPick_AutoOpen_txt\\shell\\NP_Menu0"), "■Notepad");
  EXPECT_EQ(store.Dump(".jpg"), "<no key>");
  EXPECT_EQ(f.ExtList().Items(0).RegFlags, (TRegFlags{rlmdExe, rlmdContextMenu}));
  EXPECT_FALSE(f.ExtList().Items(0).Modified);
  EXPECT_EQ(startLog, (testing::EventLog{"instance acquire", "notice NuvoPick 設定",
                                         "icon C:\\Tools\\np.exe 1"}));
  EXPECT_FALSE(ApplyEnabled());

  f.FormDestroy();
  f.EndSession(true);
  EXPECT_EQ(store.DumpAll(), before);
  EXPECT_EQ(log, (testing::EventLog{"instance release", "notice NuvoPick 設定"}));
  EXPECT_EQ(f.ExtList().Count(), 0);
}

TEST_F(SetupTest, TheEndGivesTheAssociationsBackAsTheSavedSettingsSay) {
  // The box turned the other way and not saved counts for nothing: the saved
  // settings made the associations at the start (1), or keep them for good (0).
  struct Case {
    const char* relOnExe;
    bool givenBack;
  };
  for (const Case& c : {Case{"1", true}, Case{"0", false}}) {
    SCOPED_TRACE(c.relOnExe);
    store = testing::MemoryClasses();
    TExtInfo txt;
    txt.Name = "txt";
    txt.RegFlags = {rlmdExe};
    TRegistryAssociation({store.Hives(), files, kExe}).ApplyRegistration(txt, "");
    TForm_setup& f = Start(std::string("[]\r\nIsRelOnExe=") + c.relOnExe +
                           "\r\nAllExt=txt|\r\n[txt]\r\nrlmdExe=1\r\n");
    f.SetupModePage.CheckBox_isrelonexe.Click();

    f.EndSession(false);
    EXPECT_TRUE(log.empty());
    f.EndSession(true);
    EXPECT_EQ(store.Dump(".txt") != "NuvoPick_AutoOpen_txt", c.givenBack);
    EXPECT_EQ(log.front(), "instance release");
  }
}

}  // namespace
}  // namespace nuvopick
