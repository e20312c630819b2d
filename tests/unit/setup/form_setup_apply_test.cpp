// Apply, OK and reload: the file written from scratch in the window's order, the
// registry work for every record, the marks and the unsaved-changes state, and
// what happens when the file or the registry refuses.
#include <gtest/gtest.h>
#include <string>

#include "setup_fixture.h"

namespace nuvopick {
namespace {

const std::string kSmallSetup =
    "[]\r\nAllExt=txt|\r\nMoveLen=20\r\nAutoExeType_NoClick=5\r\nDeactAction=258\r\n"
    "CommonAppInsertPos=2\r\nSoundMBType=QUESTION\r\nContext_DecorateText=★\r\nStray=1\r\n"
    "[txt]\r\nCount=1\r\nIconPath=C:\\icons.dll\r\nIconIndex=2\r\nName_0=Notepad\r\n"
    "AppPath_0=notepad.exe\r\nParam_0=\"%1\"\r\nShowCmd_0=1\r\nSCK_Key_0=78\r\nSCK_Ctrl_0=1\r\n"
    "[old]\r\nKey=gone\r\n"
    "[<COMMON>]\r\nCount=1\r\nName_0=Viewer\r\nAppPath_0=C:\\view.exe\r\nDirPath_0=C:\\\r\n"
    "Param_0=%1\r\nIsUseCmdp_0=1\r\nShowCmd_0=3\r\n";

const std::string kSmallSetupWritten =
    "[txt]\r\nCount=1\r\nIconPath=C:\\icons.dll\r\nIconIndex=2\r\nrlmdExe=1\r\n"
    "rlmdContextMenu=1\r\nName_0=Notepad\r\nAppPath_0=notepad.exe\r\nDirPath_0=\r\n"
    "Param_0=\"%1\"\r\nIsUseCmdp_0=0\r\nShowCmd_0=1\r\nSCK_Key_0=78\r\nSCK_Shift_0=0\r\n"
    "SCK_Alt_0=0\r\nSCK_Ctrl_0=1\r\n\r\n"
    "[]\r\nAllExt=txt|\r\nIsWait=1\r\nMoveLen=20\r\nWaitTime=100\r\nIsNoClickExe=0\r\n"
    "NoClickWait=3000\r\nIsExeBySingleClick=0\r\nIsOnly1Exe=0\r\nIsGatherFiles=1\r\n"
    "IsShowHintRel=1\r\n"
    "IsState=0\r\nIsRelOnExe=0\r\nRegScope=0\r\nIsShowHint=1\r\nIsUseSkin=0\r\nSkinPath=\r\n"
    "BackColor=15793151\r\nIsShowIcon=0\r\nContext_IsDecorate=1\r\nContext_DecorateText=★\r\n"
    "AutoExeType_NoClick=1\r\nIsUseSound=0\r\nIsUsersSound=0\r\nUserSoundPath=\r\n"
    "SoundMBType=QUESTION\r\nDeactAction=2\r\nCommonAppInsertPos=0\r\n"
    "Font_Name=ＭＳ Ｐゴシック\r\nFont_Size=9\r\nFont_Color=-2147483640\r\nFont_CharSet=128\r\n"
    "Font_Style_Bold=0\r\nFont_Style_Italic=0\r\nFont_Style_UnderLine=0\r\n"
    "Font_Style_StrikeOut=0\r\nAppPath=C:\\Tools\\np.exe\r\n\r\n"
    "[<COMMON>]\r\nCount=1\r\nIconPath=\r\nIconIndex=0\r\nrlmdExe=0\r\nrlmdContextMenu=0\r\n"
    "Name_0=Viewer\r\nAppPath_0=C:\\view.exe\r\nDirPath_0=C:\\\r\nParam_0=%1\r\nIsUseCmdp_0=1\r\n"
    "ShowCmd_0=3\r\nSCK_Key_0=0\r\nSCK_Shift_0=0\r\nSCK_Alt_0=0\r\nSCK_Ctrl_0=0\r\n\r\n";

constexpr char kOurCommand[] = "\"C:\\Tools\\np.exe\" \"%1\"";

TEST_F(SetupTest, ApplyWritesTheWholeFileInTheWindowsOrderAndAssociates) {
  store.Set(".txt", "txtfile");
  store.Set("txtfile\\shell\\open\\command", "notepad.exe %1");
  TForm_setup& f = Start(kSmallSetup);
  TExtInfo& txt = f.ExtList().Items(0);
  txt.RegFlags = {rlmdExe, rlmdContextMenu};
  txt.Apps.Items(0).SetModified(true);
  txt.SetModified(true);
  f.CommonList().Items(0).SetModified(true);
  log.clear();

  ASSERT_TRUE(Run([&] { f.Button_apply.Click(); }));

  EXPECT_EQ(Ini(), kSmallSetupWritten);
  EXPECT_EQ(store.Dump(".txt"), "NuvoPick_AutoOpen_txt");
  EXPECT_EQ(store.Dump("NuvoPick_AutoOpen_txt\\shell\\open\\command"), kOurCommand);
  EXPECT_EQ(store.Dump("NuvoPick_AutoOpen_txt\\shell\\NP_Menu0"), "★Notepad");
  EXPECT_FALSE(txt.Modified);
  EXPECT_FALSE(txt.Apps.Items(0).Modified);
  EXPECT_FALSE(f.CommonList().Items(0).Modified);
  EXPECT_FALSE(ApplyEnabled());
  // The title tells the user while the shell takes the notice in.
  EXPECT_EQ(log, (testing::EventLog{"repaint", "notice システム更新中..."}));
  EXPECT_EQ(f.Caption.Text(), "NuvoPick 設定");
}

TEST_F(SetupTest, DecorationIsLeftOutWhenSwitchedOff) {
  TForm_setup& f =
      Start("[]\r\nAllExt=txt|\r\nContext_IsDecorate=0\r\n[txt]\r\nCount=1\r\nName_0=Ed\r\n");
  f.ExtList().Items(0).RegFlags = {rlmdContextMenu};
  ASSERT_TRUE(Run([&] { f.Button_applyClick(); }));
  EXPECT_EQ(store.Dump("NuvoPick_AutoOpen_txt\\shell\\NP_Menu0"), "Ed");
}

TEST_F(SetupTest, OkWithoutChangesRewritesTheFileAndRepeatsTheRegistryWork) {
  // A file the program wrote, and the association it made then.
  files.files[kIni] = kSmallSetupWritten;
  TForm_setup& first = Start(kSmallSetupWritten);
  first.ExtList().Items(0).RegFlags = {rlmdExe, rlmdContextMenu};
  ASSERT_TRUE(Run([&] { first.Button_applyClick(); }));
  // Someone else has since changed the open command and the file.
  store.Set("NuvoPick_AutoOpen_txt\\shell\\open\\command", "other.exe %1");
  files.files[kIni] = kSmallSetupWritten + "[extra]\r\nKey=1\r\n\r\n";

  TForm_setup& f = Start(Ini());
  EXPECT_FALSE(ApplyEnabled());
  ASSERT_TRUE(Run([&] { f.Button_ok.Click(); }));

  EXPECT_EQ(Ini(), kSmallSetupWritten);
  EXPECT_EQ(store.Dump("NuvoPick_AutoOpen_txt\\shell\\open\\command"), kOurCommand);
  EXPECT_EQ(log, (testing::EventLog{"repaint", "notice システム更新中...", "end"}));
}

TEST_F(SetupTest, FailedSettingsWriteKeepsTheOldFileAndGoesNoFurther) {
  TForm_setup& f = Start(kSmallSetup);
  TExtInfo& txt = f.ExtList().Items(0);
  txt.RegFlags = {rlmdExe};
  txt.SetModified(true);
  files.refuseWrites = true;
  log.clear();

  EXPECT_FALSE(Run([&] { f.Button_ok.Click(); }));

  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].Text,
            "設定ファイル 'C:\\Tools\\np.ini' に書き込めませんでした。設定は保存されていません。");
  EXPECT_EQ(messages.shown[0].Caption, "エラー");
  EXPECT_EQ(Ini(), kSmallSetup);
  EXPECT_EQ(store.DumpAll(), testing::MemoryClasses().DumpAll());
  EXPECT_TRUE(txt.Modified);
  EXPECT_TRUE(ApplyEnabled());
  EXPECT_TRUE(log.empty());  // no notice, and OK did not close the window
}

TEST_F(SetupTest, RegistryErrorIsShownWithItsOwnTextAndEndsTheCommand) {
  TForm_setup& f = Start(kSmallSetup);
  TExtInfo& txt = f.ExtList().Items(0);
  txt.RegFlags = {rlmdExe};
  txt.SetModified(true);
  store.RefuseWrites();
  log.clear();

  EXPECT_FALSE(Run([&] { f.Button_ok.Click(); }));

  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].Text,
            "次の拡張子の関連付けを処理できませんでした。\r\ntxt: '' の設定に失敗しました");
  EXPECT_EQ(messages.shown[0].Caption, "エラー");
  EXPECT_EQ(messages.shown[0].Icon, TMessageIcon::Error);
  // The file was written before the registry refused; the record still waits.
  EXPECT_NE(Ini().find("rlmdExe=1"), std::string::npos);
  EXPECT_TRUE(txt.Modified);
  EXPECT_TRUE(ApplyEnabled());
  // The shell hears of it all the same, but OK does not close the window.
  EXPECT_EQ(log, (testing::EventLog{"repaint", "notice システム更新中..."}));
}

TEST_F(SetupTest, TheGatherBoxShowsItsKeyAndAnApplyWritesItBack) {
  TForm_setup& f = Start("[]\r\nIsGatherFiles=0\r\n");
  EXPECT_FALSE(f.GeneralPage.CheckBox_isgatherfiles.Checked());
  ASSERT_TRUE(Run([&] { f.Button_apply.Click(); }));
  EXPECT_NE(Ini().find("\r\nIsGatherFiles=0\r\n"), std::string::npos);

  f.GeneralPage.CheckBox_isgatherfiles.Click();
  EXPECT_TRUE(ApplyEnabled());
  ASSERT_TRUE(Run([&] { f.Button_apply.Click(); }));
  EXPECT_NE(Ini().find("\r\nIsGatherFiles=1\r\n"), std::string::npos);
}

TEST_F(SetupTest, ReloadReadsTheSavedStateAgain) {
  TForm_setup& f = Start(kSmallSetup);
  f.GeneralPage.CheckBox_iswait.Click();
  f.GeneralPage.TrackBar_movlen.SetPosition(3);
  ASSERT_TRUE(ApplyEnabled());

  ASSERT_TRUE(Run([&] { f.Button_reload.Click(); }));

  EXPECT_TRUE(f.GeneralPage.CheckBox_iswait.Checked());
  EXPECT_EQ(f.GeneralPage.TrackBar_movlen.Position(), 20);
  EXPECT_EQ(f.ExtPage.ListBoxEx_ext.Items(), (std::vector<std::string>{"txt"}));
  EXPECT_FALSE(ApplyEnabled());
}

}  // namespace
}  // namespace nuvopick
