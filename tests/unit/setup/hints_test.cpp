// The setup window's hints: the table, the look-up of a control by its component
// name on the page showing, the texts that end with a box's contents, and the
// switch that silences them.
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

#include "setup/hint_table.h"
#include "setup_fixture.h"

namespace nuvopick {
namespace {

// What the show-hint event makes of the control behind Model on Page; the
// framework's own text comes in as "<own>".
std::string HintOver(TForm_setup& form, const TControlModel& model, int page,
                     std::uint32_t* hideTimeout = nullptr) {
  form.PageControl_base.SetActivePageIndex(page);
  std::string hint = "<own>";
  bool canShow = true;
  THintInfo info{form.ComponentName(&model), 2500};
  form.ApplicationEventsShowHint(hint, canShow, info);
  if (hideTimeout != nullptr) *hideTimeout = info.HideTimeout;
  return hint;
}

TEST(HintTable, HoldsEveryRowOnceWithLowerCaseNames) {
  std::map<int, int> perPage;
  std::set<std::pair<int, std::string_view>> seen;
  for (const THintRow& row : HintTable()) {
    ++perPage[row.Page];
    EXPECT_TRUE(seen.insert({row.Page, row.Name}).second) << row.Name;
    for (char c : row.Name) EXPECT_FALSE(c >= 'A' && c <= 'Z') << row.Name;
    EXPECT_FALSE(row.Text.empty()) << row.Name;
  }
  EXPECT_EQ(HintTable().size(), 90u);
  EXPECT_EQ(perPage, (std::map<int, int>{
                         {kAnyPage, 5}, {2, 27}, {3, 18}, {5, 12}, {6, 22}, {7, 2}, {8, 4}}));
}

TEST(HintTable, LooksUpAnyPageFirstThenThePageShowing) {
  const auto none = [](std::string_view) { return std::string("?"); };
  EXPECT_EQ(LookUpHint("BUTTON_OK", 0, none), "変更した設定を保存し終了します");
  EXPECT_EQ(LookUpHint("Button_extdel", 2, none), "現在選択中の拡張子設定を削除します");
  EXPECT_EQ(LookUpHint("Button_extdel", 3, none), "");
  EXPECT_EQ(LookUpHint("", 2, none), "");
  // Only the row's own box is asked for its text.
  EXPECT_EQ(LookUpHint("Edit_ext", 2, [](std::string_view name) { return std::string(name); }),
            "登録したい拡張子を入力してください\r\nEdit_ext");
}

TEST_F(SetupTest, AControlExplainsItselfOnItsPage) {
  TForm_setup& f = Start();
  f.AppEditor.Edit_name.SetText("（未設定）");
  f.All_AppEditor.EditEx_path.SetText("C:\\表\\a.exe");
  const std::string appAdd =
      "上のテキストボックスで指定した設定を\r\n実行ファイル設定として新規登録します";
  const std::string appNew =
      "現在選択中の拡張子設定の実行ファイル設定を新規登録します（上テキストボックスとは無関係）";
  const std::string pageControl =
      "拡張子別設定とは、NuvoPickに登録する拡張子についての設定です\r\n"
      "関連付け実行モード設定とは、関連付け実行した際に使用される設定です\r\n"
      "ｺﾝﾃｷｽﾄﾒﾆｭｰ設定とは、コンテキストメニュー（右クリックメニュー）に登録した際に使用される設定で"
      "す\r\n"
      "設定モード設定とは、設定モード（現在のモード）を操作する際に使用される設定です";
  struct Case {
    const char* what;
    const TControlModel& model;
    int page;
    std::string hint;
  };
  const Case cases[] = {
      {"追加, named Button_appAdd", f.AppEditor.Button_appadd, 2, appAdd},
      {"common 追加", f.All_AppEditor.Button_appadd, 3, appAdd},
      {"common 新規 speaks of the extension", f.All_AppEditor.Button_appnew, 3, appNew},
      {"name box with its text", f.AppEditor.Edit_name, 2, "設定名を指定します\r\n（未設定）"},
      {"common path box", f.All_AppEditor.EditEx_path, 3,
       "実行ファイルパスを指定します\r\nC:\\表\\a.exe"},
      {"empty path box", f.AppEditor.EditEx_path, 2, "実行ファイルパスを指定します\r\n"},
      {"decoration box", f.MenuPage.Edit_context_decorate, 7,
       "上設定の挿入する文字列を指定します\r\n■"},
      {"no-click slider borrows the wait text", f.GeneralPage.TrackBar_noclickwait, 5,
       "上設定の指定待ち時間を指定します"},
      {"radio group", f.GeneralPage.RadioGroup_caip, 5,
       "関連付け実行モードで全拡張子共通アプリケーション設定に設定されている項目を\r\n"
       "拡張子別項目より上に表示するか下に表示するか指定します"},
      {"hint switch", f.SetupModePage.CheckBox_isshowhint, 8,
       "この表示されているヘルプが鬱陶しいと感じた時は、このチェックを外してください\r\n"
       "ヘルプが表示されなくなります"},
      {"icon switch", f.AppearancePage.CheckBox_isshowicon, 6,
       "関連付け実行モードの時の実行ファイルリストの各項目の左に\r\n"
       "そのプログラムのアイコンを表示するかどうかです"},
      {"OK on the root page", f.Button_ok, 0, "変更した設定を保存し終了します"},
      {"apply on a page of its own", f.Button_apply, 6,
       "変更した設定を保存・反映させますが、終了しません"},
      {"page area on the root page", f.PageControl_base, 0, pageControl},
      {"extension page control on the root page", f.AppEditor.Button_appadd, 0, ""},
      {"extension page control on the common page", f.AppEditor.Edit_name, 3, ""},
      {"general page control elsewhere", f.GeneralPage.CheckBox_iswait, 8, ""},
      {"control without a row", f.TV_select, 2, ""},
      {"about link", f.About.Label_myurl, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::uint32_t hideTimeout = 0;
    EXPECT_EQ(HintOver(f, c.model, c.page, &hideTimeout), c.hint);
    EXPECT_EQ(hideTimeout, kHintHideTimeout);
  }
  // A control the form does not know has no name and so no hint.
  TButton stranger;
  EXPECT_EQ(f.ComponentName(&stranger), "");
  EXPECT_EQ(HintOver(f, stranger, 2), "");
}

TEST_F(SetupTest, UncheckingTheHintSwitchSilencesHintsAtOnce) {
  TForm_setup& f = Start();
  f.SetupModePage.CheckBox_isshowhint.Click();
  ASSERT_TRUE(ApplyEnabled());  // not applied, and already in force
  std::uint32_t hideTimeout = 0;
  EXPECT_EQ(HintOver(f, f.Button_ok, 0, &hideTimeout), "<own>");
  EXPECT_EQ(hideTimeout, 2500u);
  EXPECT_EQ(HintOver(f, f.SetupModePage.CheckBox_isshowhint, 8), "<own>");

  f.SetupModePage.CheckBox_isshowhint.Click();
  EXPECT_EQ(HintOver(f, f.Button_ok, 0), "変更した設定を保存し終了します");
}

TEST_F(SetupTest, HintsFollowTheSavedSwitch) {
  TForm_setup& f = Start("[]\r\nIsShowHint=0\r\n");
  EXPECT_EQ(HintOver(f, f.Button_cancel, 0), "<own>");
}

}  // namespace
}  // namespace nuvopick
