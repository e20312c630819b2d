// The extra menu's bulk commands and its import of the previous association on
// the page "拡張子別", through the setup form with its working lists.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "setup_fixture.h"

namespace nuvopick {
namespace {

using Handler = void (TExtPage::*)();

const std::string kThree =
    "[]\r\nAllExt=txt|jpg|png|\r\n"
    "[txt]\r\nCount=1\r\nName_0=Mine\r\nAppPath_0=C:\\mine.exe\r\nIconPath=a.dll\r\n"
    "[jpg]\r\nCount=0\r\nIconPath=b.dll\r\n[png]\r\nCount=0\r\nIconPath=c.dll\r\n";

class ExtExtraMenuTest : public SetupTest {
 protected:
  // txt has no flag, jpg R, png R and M; none of them is marked.
  TForm_setup& StartWithFlags(TRegFlags txt, TRegFlags jpg, TRegFlags png) {
    TForm_setup& f = Start(kThree);
    f.ExtList().Items(0).RegFlags = txt;
    f.ExtList().Items(1).RegFlags = jpg;
    f.ExtList().Items(2).RegFlags = png;
    return f;
  }

  std::vector<TRegFlags> Flags() const {
    std::vector<TRegFlags> flags;
    for (int i = 0; i < form->ExtList().Count(); ++i)
      flags.push_back(form->ExtList().Items(i).RegFlags);
    return flags;
  }

  std::vector<bool> Marks() const {
    std::vector<bool> marks;
    for (int i = 0; i < form->ExtList().Count(); ++i)
      marks.push_back(form->ExtList().Items(i).Modified);
    return marks;
  }

  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (int i = 0; i < form->ExtList().Count(); ++i) {
      rows.push_back(form->ExtPage.ListBoxEx_extDrawItem(i).Text);
    }
    return rows;
  }

  // The text file type with its verbs open and print, as a system has it.
  void ArrangeTxtFile() {
    store.Set(".txt", "txtfile");
    store.Set("txtfile\\shell\\open\\command", "%SystemRoot%\\system32\\NOTEPAD.EXE %1",
              testing::TValueType::ExpandString);
    store.Set("txtfile\\shell\\print\\command", "%SystemRoot%\\system32\\NOTEPAD.EXE /p %1",
              testing::TValueType::ExpandString);
  }

  TExeList& TxtApps() { return form->ExtList().Items(0).Apps; }
};

const TRegFlags kNone;
const TRegFlags kR{rlmdExe};
const TRegFlags kM{rlmdContextMenu};
const TRegFlags kRM{rlmdExe, rlmdContextMenu};

TEST_F(ExtExtraMenuTest, BulkCommandsAskAndChangeNothingWithoutYes) {
  const struct {
    Handler handler;
    const char* question;
  } commands[] = {
      {&TExtPage::PMenu_extextra_allRClick, "全ての拡張子に関連付けしてよろしいですか?"},
      {&TExtPage::PMenu_extextra_allMClick,
       "全ての拡張子のコンテキストメニューに表示してよろしいですか?"},
      {&TExtPage::PMenu_extextra_deallRClick, "全ての拡張子の関連付けを外してよろしいですか?"},
      {&TExtPage::PMenu_extextra_deallMClick,
       "全ての拡張子のコンテキストメニューから外してよろしいですか?"},
  };
  for (const auto& c : commands) {
    // No, and a box closed without an answer.
    for (const bool answerNo : {true, false}) {
      SCOPED_TRACE(std::string(c.question) + (answerNo ? " No" : " closed"));
      TForm_setup& f = StartWithFlags(kNone, kR, kRM);
      messages.shown.clear();
      if (answerNo) messages.answers = {TMessageResult::No};
      (f.ExtPage.*c.handler)();
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0], (TMessageRequest{c.question, "確認", TMessageButtons::YesNo,
                                                    TMessageIcon::None, true}));
      EXPECT_EQ(Flags(), (std::vector<TRegFlags>{kNone, kR, kRM}));
      EXPECT_EQ(Marks(), std::vector<bool>(3, false));
      EXPECT_FALSE(ApplyEnabled());
      // Not even repainted.
      EXPECT_EQ(log, testing::EventLog{});
    }
  }
}

TEST_F(ExtExtraMenuTest, BulkCommandsAfterYesChangeOneFlagWhereNeededAndRepaint) {
  const struct {
    const char* what;
    Handler handler;
    std::vector<TRegFlags> flags;
    std::vector<bool> marks;
    Names rows;
  } cases[] = {
      {"allR",
       &TExtPage::PMenu_extextra_allRClick,
       {kR, kR, kRM},
       {true, false, false},
       {"R | txt", "R | jpg", "RM| png"}},
      {"allM",
       &TExtPage::PMenu_extextra_allMClick,
       {kM, kRM, kRM},
       {true, true, false},
       {" M| txt", "RM| jpg", "RM| png"}},
      {"deallR",
       &TExtPage::PMenu_extextra_deallRClick,
       {kNone, kNone, kM},
       {false, true, true},
       {"  | txt", "  | jpg", " M| png"}},
      // Taking the menu verbs away leaves the association of png.
      {"deallM",
       &TExtPage::PMenu_extextra_deallMClick,
       {kNone, kR, kR},
       {false, false, true},
       {"  | txt", "R | jpg", "R | png"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TForm_setup& f = StartWithFlags(kNone, kR, kRM);
    const std::string registry = store.DumpAll();
    const std::string settings = Ini();
    const int entries = TxtApps().Count();
    messages.answers = {TMessageResult::Yes};
    (f.ExtPage.*c.handler)();
    EXPECT_EQ(Flags(), c.flags);
    EXPECT_EQ(Marks(), c.marks);
    EXPECT_EQ(Rows(), c.rows);
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_EQ(log, testing::EventLog{"repaint"});
    // Only the working list: the registry, the file and the entries wait for apply.
    EXPECT_EQ(store.DumpAll(), registry);
    EXPECT_EQ(Ini(), settings);
    EXPECT_EQ(TxtApps().Count(), entries);
    EXPECT_FALSE(TxtApps().Items(0).Modified);
    // The selection stays.
    EXPECT_EQ(f.ExtPage.ListBoxEx_ext.ItemIndex(), 0);
  }
}

TEST_F(ExtExtraMenuTest, BulkCommandWithNothingToDoMarksNothingButRepaints) {
  TForm_setup& f = StartWithFlags(kR, kR, kRM);
  messages.answers = {TMessageResult::Yes};
  f.ExtPage.PMenu_extextra_allRClick();
  EXPECT_EQ(Flags(), (std::vector<TRegFlags>{kR, kR, kRM}));
  EXPECT_EQ(Marks(), std::vector<bool>(3, false));
  EXPECT_FALSE(ApplyEnabled());
  EXPECT_EQ(log, testing::EventLog{"repaint"});

  // deallM on a list without M anywhere but on png.
  log.clear();
  messages.answers = {TMessageResult::Yes, TMessageResult::Yes};
  f.ExtPage.PMenu_extextra_deallMClick();
  EXPECT_EQ(Marks(), (std::vector<bool>{false, false, true}));
  log.clear();
  f.ExtPage.PMenu_extextra_deallMClick();
  EXPECT_EQ(log, testing::EventLog{"repaint"});
  EXPECT_EQ(Flags(), (std::vector<TRegFlags>{kR, kR, kR}));

  // An empty list only repaints.
  Start("[]\r\n");
  messages.answers = {TMessageResult::Yes};
  form->ExtPage.PMenu_extextra_allMClick();
  EXPECT_FALSE(ApplyEnabled());
  EXPECT_EQ(log, testing::EventLog{"repaint"});
}

// Each item runs the command its caption names: seen in the question it asks
// (answered No), or for the import, which asks nothing, in the entries it adds.
TEST_F(ExtExtraMenuTest, EachItemOfTheMenuRunsTheCommandOfItsCaption) {
  ArrangeTxtFile();
  const struct {
    const char* caption;
    const char* question;
  } items[] = {
      {"拡張子名順に並び替え", "拡張子の並べ替えをしてよろしいですか?"},
      {"", nullptr},
      {"全ての拡張子を関連付け", "全ての拡張子に関連付けしてよろしいですか?"},
      {"全ての拡張子の右クリックメニューに登録",
       "全ての拡張子のコンテキストメニューに表示してよろしいですか?"},
      {"", nullptr},
      {"全ての拡張子の関連付けを外す", "全ての拡張子の関連付けを外してよろしいですか?"},
      {"全ての拡張子の右クリックメニューから外す",
       "全ての拡張子のコンテキストメニューから外してよろしいですか?"},
      {"", nullptr},
      {"元の関連付け先のアクションを登録", nullptr},
  };
  TForm_setup& f = Start(kThree);
  const TPopupMenu& menu = f.ExtPage.PMenu_extextra;
  ASSERT_EQ(menu.size(), std::size(items));
  for (std::size_t i = 0; i < std::size(items); ++i) {
    SCOPED_TRACE(i);
    const bool separator = *items[i].caption == '\0';
    EXPECT_EQ(menu[i].Kind, separator ? TMenuItemKind::Separator : TMenuItemKind::Command);
    EXPECT_EQ(menu[i].Caption, items[i].caption);
    if (separator) continue;
    messages.shown.clear();
    messages.answers = {TMessageResult::No};
    ASSERT_TRUE(menu[i].OnClick);
    menu[i].OnClick();
    if (items[i].question != nullptr) {
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0].Text, items[i].question);
    } else {
      EXPECT_TRUE(messages.shown.empty());
      EXPECT_EQ(EntryNames(TxtApps()), (Names{"Mine", "NOTEPAD_open", "NOTEPAD_print"}));
    }
  }
}

TEST_F(ExtExtraMenuTest, ImportAppendsAnEntryForEveryVerbOfThePresentType) {
  ArrangeTxtFile();
  TForm_setup& f = Start(kThree);
  TExtPage& page = f.ExtPage;
  ASSERT_EQ(page.ListBoxEx_ext.ItemIndex(), 0);
  messages.shown.clear();
  log.clear();
  page.PMenu_extextra_getbeforeregClick();

  EXPECT_TRUE(messages.shown.empty());           // asks nothing
  EXPECT_EQ(log, testing::EventLog{"repaint"});  // once for all the entries
  EXPECT_EQ(EntryNames(TxtApps()), (Names{"Mine", "NOTEPAD_open", "NOTEPAD_print"}));
  EXPECT_EQ(page.ListBoxEx_app.Items(), (Names{"Mine", "NOTEPAD_open", "NOTEPAD_print"}));
  const struct { const char* param; } params[] = {{"%1"}, {"/p %1"}};
  for (int n = 1; n <= 2; ++n) {
    const TExeInfo& entry = TxtApps().Items(n);
    EXPECT_EQ(entry.AppPath, "%SystemRoot%\\system32\\NOTEPAD.EXE");
    EXPECT_EQ(entry.DirPath, "%SystemRoot%\\system32");
    EXPECT_EQ(entry.Param, params[n - 1].param);
    EXPECT_FALSE(entry.IsUseCmdp);
    EXPECT_EQ(entry.ShowCmd, 1);
    EXPECT_EQ(entry.ShortcutKey.Key, 0);
    EXPECT_FALSE(entry.ShortcutKey.Shift || entry.ShortcutKey.Alt || entry.ShortcutKey.Ctrl);
    EXPECT_TRUE(entry.Modified);
  }
  EXPECT_FALSE(TxtApps().Items(0).Modified);
  EXPECT_TRUE(f.ExtList().Items(0).Modified);
  EXPECT_TRUE(ApplyEnabled());
  // The last one is selected and shown in the form.
  EXPECT_EQ(page.ListBoxEx_app.ItemIndex(), 2);
  EXPECT_EQ(f.AppEditor.Edit_name.Text(), "NOTEPAD_print");
  EXPECT_EQ(f.AppEditor.EditEx_path.Text(), "%SystemRoot%\\system32\\NOTEPAD.EXE");
  EXPECT_EQ(f.AppEditor.EditEx_dir.Text(), "%SystemRoot%\\system32");
  EXPECT_EQ(f.AppEditor.Edit_param.Text(), "/p %1");
  EXPECT_EQ(f.AppEditor.ComboBox_sw.ItemIndex(), 0);
  EXPECT_EQ(f.AppEditor.Edit_shortcut.Text(), "-");
  EXPECT_EQ(f.AppEditor.DrawItem(1).TextColor, kRowModifiedText);
  EXPECT_EQ(page.ListBoxEx_extDrawItem(0).BackColor, kRowSelectedModifiedBack);
  // Read only; the settings file waits for apply.
  EXPECT_EQ(store.Dump(".txt"), "txtfile");
  EXPECT_EQ(files.files.count("C:\\Tools\\regbackup.ini"), 0u);

  // Nothing is de-duplicated: a second run appends the same two again.
  page.PMenu_extextra_getbeforeregClick();
  EXPECT_EQ(EntryNames(TxtApps()),
            (Names{"Mine", "NOTEPAD_open", "NOTEPAD_print", "NOTEPAD_open", "NOTEPAD_print"}));
  // The other records keep what they had.
  EXPECT_EQ(f.ExtList().Items(1).Apps.Count(), 0);
  EXPECT_FALSE(f.ExtList().Items(1).Modified);
}

TEST_F(ExtExtraMenuTest, LineBreaksFromTheRegistryNeverBreakTheSettingsFile) {
  // A command and an icon location with line breaks in them: written as they
  // stand, the rest of the command would become a Count line of its own.
  store.Set(".txt", "txtfile");
  store.Set("txtfile\\DefaultIcon", "C:\\a\r\nb.dll,2");
  store.Set("txtfile\\shell\\open\\command", "C:\\ed.exe %1\r\nCount=5");
  TForm_setup& f = Start("[]\r\nAllExt=txt|\r\n[txt]\r\nCount=0\r\n");
  f.ExtPage.PMenu_extextra_getbeforeregClick();
  ASSERT_TRUE(Run([&] { f.Button_applyClick(); }));

  TForm_setup& again = Start(Ini());
  const TExtInfo& txt = again.ExtList().Items(0);
  EXPECT_EQ(txt.IconPath, "C:\\a  b.dll");
  EXPECT_EQ(txt.IconIndex, 2);
  ASSERT_EQ(txt.Apps.Count(), 1);
  EXPECT_EQ(txt.Apps.Items(0).Param, "%1  Count=5");
}

TEST_F(ExtExtraMenuTest, ImportTakesTheProgramFromTheCommandAsItStands) {
  const struct {
    const char* command;
    const char* name;
    const char* appPath;
    const char* dirPath;
    const char* param;
  } cases[] = {
      {"rundll32.exe C:\\Windows\\x.dll,Show %1", "rundll32_open", "rundll32.exe", "",
       "C:\\Windows\\x.dll,Show %1"},
      {"\"C:\\Program Files\\Viewer\\view.exe\" \"%1\"", "view_open",
       "C:\\Program Files\\Viewer\\view.exe", "C:\\Program Files\\Viewer", "\"%1\""},
      {"C:\\Program Files\\Viewer\\view.exe \"%1\"", "Program_open", "C:\\Program", "C:\\",
       "Files\\Viewer\\view.exe \"%1\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    store = testing::MemoryClasses();
    store.Set(".txt", "viewfile");
    store.Set("viewfile\\shell\\open\\command", c.command);
    TForm_setup& f = Start(kThree);
    f.ExtPage.PMenu_extextra_getbeforeregClick();
    ASSERT_EQ(TxtApps().Count(), 2);
    const TExeInfo& entry = TxtApps().Items(1);
    EXPECT_EQ(entry.Name, c.name);
    EXPECT_EQ(entry.AppPath, c.appPath);
    EXPECT_EQ(entry.DirPath, c.dirPath);
    EXPECT_EQ(entry.Param, c.param);
    EXPECT_EQ(f.ExtPage.ListBoxEx_app.Item(1), c.name);
  }
}

TEST_F(ExtExtraMenuTest, ImportFollowsATakenOverExtensionToItsRecordedType) {
  ArrangeTxtFile();
  store.Set(".txt", "NuvoPick_AutoOpen_txt");
  store.Set("NuvoPick_AutoOpen_txt\\shell\\open\\command", "\"C:\\Tools\\np.exe\" \"%1\"");
  store.Set("NuvoPick_AutoOpen_txt\\NP_OldCommand", "%SystemRoot%\\system32\\NOTEPAD.EXE %1");
  files.files["C:\\Tools\\regbackup.ini"] = "[txt]\r\nRef=txtfile\r\n";
  TForm_setup& f = Start(kThree);
  ASSERT_EQ(f.ExtList().Items(0).RegFlags, kR);
  f.ExtPage.PMenu_extextra_getbeforeregClick();
  EXPECT_EQ(EntryNames(TxtApps()), (Names{"Mine", "NOTEPAD_open", "NOTEPAD_print"}));
  EXPECT_TRUE(ApplyEnabled());
}

TEST_F(ExtExtraMenuTest, ImportDoesNothingWithoutAPreviousTypeOrASelection) {
  // Taken over, but the backup file is gone.
  ArrangeTxtFile();
  store.Set(".txt", "NuvoPick_AutoOpen_txt");
  store.Set("NuvoPick_AutoOpen_txt\\shell\\open\\command", "\"C:\\Tools\\np.exe\" \"%1\"");
  TForm_setup& f = Start(kThree);
  f.ExtPage.PMenu_extextra_getbeforeregClick();
  EXPECT_EQ(EntryNames(TxtApps()), (Names{"Mine"}));
  EXPECT_FALSE(f.ExtList().Items(0).Modified);
  EXPECT_FALSE(ApplyEnabled());
  EXPECT_EQ(log, testing::EventLog{});
  EXPECT_TRUE(messages.shown.empty());

  // jpg has no class key at all.
  f.ExtPage.ListBoxEx_ext.SetItemIndex(1);
  log.clear();
  f.ExtPage.PMenu_extextra_getbeforeregClick();
  EXPECT_EQ(f.ExtList().Items(1).Apps.Count(), 0);
  EXPECT_FALSE(ApplyEnabled());

  // No extension selected: not even a present type is looked at.
  store = testing::MemoryClasses();
  ArrangeTxtFile();
  TForm_setup& g = Start(kThree);
  g.ExtPage.ListBoxEx_ext.SetItemIndex(-1);
  g.ExtPage.PMenu_extextra_getbeforeregClick();
  EXPECT_EQ(EntryNames(TxtApps()), (Names{"Mine"}));
  EXPECT_FALSE(ApplyEnabled());
}

TEST_F(ExtExtraMenuTest, ImportStoppedByAValueOfTheWrongTypeKeepsWhatCameBefore) {
  store.Set(".txt", "txtfile");
  store.Set("txtfile\\shell\\edit\\command", "write.exe %1");
  store.Set("txtfile\\shell\\open\\command", "1", testing::TValueType::Dword);
  TForm_setup& f = Start(kThree);
  EXPECT_FALSE(Run([&] { f.ExtPage.PMenu_extextra_getbeforeregClick(); }));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].Text, "'' のデータ型が不正です");
  EXPECT_EQ(messages.shown[0].Caption, "エラー");
  EXPECT_EQ(EntryNames(TxtApps()), (Names{"Mine", "write_edit"}));
  EXPECT_TRUE(ApplyEnabled());
}

}  // namespace
}  // namespace nuvopick
