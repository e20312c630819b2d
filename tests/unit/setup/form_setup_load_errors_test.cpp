// Loading what cannot be read: a settings file that is there but unreadable is
// never saved over, and a registry error of one extension costs neither the file's
// content nor the other extensions.
#include <algorithm>
#include <gtest/gtest.h>
#include <string>

#include "setup_fixture.h"

namespace nuvopick {
namespace {

TEST_F(SetupTest, AnUnreadableFileIsNotSavedOverUntilItHasBeenRead) {
  const std::string saved =
      "[]\r\nAllExt=txt|\r\nMoveLen=9\r\n[txt]\r\nCount=1\r\nName_0=Notepad\r\n";
  files.files[kIni] = saved;
  files.unreadable.insert(kIni);
  TForm_setup& f = Start();

  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(
      messages.shown[0].Text,
      "設定ファイル 'C:\\Tools\\np.ini' を読み込めませんでした。読み込めるまで設定は保存しません。"
      "ほかのプログラムが開いていないか確かめてから「全て戻す」を押してください。");
  EXPECT_EQ(messages.shown[0].Caption, "エラー");
  EXPECT_FALSE(f.Button_apply.Enabled());
  EXPECT_TRUE(f.Button_reload.Enabled());

  // Every road that saves is refused: apply, OK, and the tray's exit with Yes.
  f.GeneralPage.TrackBar_movlen.SetPosition(3);
  messages.shown.clear();
  messages.answers = {TMessageResult::Ok, TMessageResult::Ok, TMessageResult::Yes};
  EXPECT_FALSE(Run([&] { f.Button_apply.Click(); }));
  EXPECT_FALSE(Run([&] { f.Button_ok.Click(); }));
  EXPECT_FALSE(Run([&] { f.PMenu_ttray_exitClick(); }));
  const std::string refusal =
      "設定ファイル 'C:\\Tools\\np.ini' を読み込めていないため、保存しません。"
      "「全て戻す」で読み込み直してください。";
  ASSERT_EQ(messages.shown.size(), 4u);  // the exit's question among them
  EXPECT_EQ(messages.shown[3].Text, refusal);
  EXPECT_EQ(Ini(), saved);
  EXPECT_EQ(std::count(log.begin(), log.end(), "end"), 0);

  // Readable again: "全て戻す" reads it, and from then on it may be saved.
  files.unreadable.clear();
  ASSERT_TRUE(Run([&] { f.Button_reload.Click(); }));
  EXPECT_EQ(f.GeneralPage.TrackBar_movlen.Position(), 9);
  EXPECT_EQ(f.ExtPage.ListBoxEx_ext.Items(), (Names{"txt"}));
  EXPECT_FALSE(ApplyEnabled());
  ASSERT_TRUE(Run([&] { f.Button_apply.Click(); }));
  EXPECT_NE(Ini().find("MoveLen=9\r\n"), std::string::npos);
  EXPECT_NE(Ini().find("Name_0=Notepad\r\n"), std::string::npos);
}

TEST_F(SetupTest, ARegistryErrorOnOneExtensionKeepsItsEntriesAndTheOthersLoad) {
  store.Set(".nvb", "1", testing::TValueType::Dword);
  TForm_setup& f = Start(
      "[]\r\nAllExt=nva|nvb|nvc|\r\n[nva]\r\nCount=1\r\nName_0=A\r\n"
      "[nvb]\r\nCount=2\r\nrlmdExe=1\r\nName_0=B0\r\nName_1=B1\r\n[nvc]\r\nCount=1\r\nName_0="
      "C\r\n");

  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].Text,
            "次の拡張子の関連付けを処理できませんでした。\r\nnvb: '' のデータ型が不正です");
  EXPECT_EQ(f.ExtPage.ListBoxEx_ext.Items(), (Names{"nva", "nvb", "nvc"}));
  const TExtInfo& nvb = f.ExtList().Items(1);
  EXPECT_EQ(EntryNames(nvb.Apps), (Names{"B0", "B1"}));
  // The registry cannot say, so the flags last applied stand, and apply is due.
  EXPECT_EQ(nvb.RegFlags, (TRegFlags{rlmdExe}));
  EXPECT_TRUE(nvb.Modified);
  EXPECT_FALSE(f.ExtList().Items(0).Modified);
  EXPECT_TRUE(ApplyEnabled());

  // Apply writes every record, and the registry work of the others goes on.
  f.ExtList().Items(2).RegFlags = {rlmdExe};
  messages.shown.clear();
  EXPECT_FALSE(Run([&] { f.Button_ok.Click(); }));
  EXPECT_NE(Ini().find("[nvb]\r\nCount=2\r\n"), std::string::npos);
  EXPECT_NE(Ini().find("Name_1=B1\r\n"), std::string::npos);
  EXPECT_NE(Ini().find("[nvc]\r\nCount=1\r\n"), std::string::npos);
  EXPECT_EQ(store.Dump(".nvc"), "NuvoPick_AutoOpen_nvc");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].Text,
            "次の拡張子の関連付けを処理できませんでした。\r\nnvb: '' のデータ型が不正です");
  EXPECT_TRUE(nvb.Modified);
  EXPECT_FALSE(f.ExtList().Items(2).Modified);
  EXPECT_TRUE(ApplyEnabled());
  EXPECT_EQ(std::count(log.begin(), log.end(), "end"), 0);
}

TEST_F(SetupTest, RefusedWritesAtTheStartLeaveTheListAndTheRecordsAlike) {
  // Associations only while running, on a class store that refuses every write.
  store.RefuseWrites();
  TForm_setup& f = Start(
      "[]\r\nIsRelOnExe=1\r\nAllExt=aaa|bbb|\r\n[aaa]\r\nrlmdExe=1\r\n"
      "[bbb]\r\nrlmdContextMenu=1\r\nCount=1\r\nName_0=B\r\n");

  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].Text,
            "次の拡張子の関連付けを処理できませんでした。\r\naaa: '' の設定に失敗しました"
            "\r\nbbb: '' の設定に失敗しました");
  EXPECT_EQ(f.ExtPage.ListBoxEx_ext.Items(), (Names{"aaa", "bbb"}));
  ASSERT_EQ(f.ExtList().Count(), 2);
  EXPECT_TRUE(f.ExtList().Items(0).Modified);
  EXPECT_EQ(EntryNames(f.ExtList().Items(1).Apps), (Names{"B"}));
  EXPECT_EQ(f.ExtList().Items(1).RegFlags, (TRegFlags{rlmdContextMenu}));
}

}  // namespace
}  // namespace nuvopick
