// The entry editors of the pages "拡張子別" and "全拡張子共通": new, add, change,
// delete, move, the "←" buttons, dropped files, the shortcut box and the marks.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "setup_fixture.h"

namespace nuvopick {
namespace {

// txt has three entries, jpg none; the common list has one.
const std::string kEntriesIni =
    "[]\r\nAllExt=txt|jpg|\r\n"
    "[txt]\r\nCount=3\r\n"
    "Name_0=Edit\r\nAppPath_0=C:\\ed.exe\r\nDirPath_0=C:\\\r\nParam_0=\"%1\"\r\nShowCmd_0=3\r\n"
    "Name_1=View\r\nAppPath_1=C:\\view.exe\r\nShowCmd_1=1\r\n"
    "Name_2=Print\r\nAppPath_2=C:\\print.exe\r\nShowCmd_2=0\r\n"
    "[jpg]\r\nCount=0\r\n"
    "[<COMMON>]\r\nCount=1\r\nName_0=Hex\r\nAppPath_0=C:\\hex.exe\r\n";

class EntryEditorTest : public SetupTest {
 protected:
  TExtInfo& Txt() { return form->ExtList().Items(0); }
};

TEST_F(EntryEditorTest, AnExtensionWithoutEntriesLeavesTheFormAsItWas) {
  // At the start the form keeps its initial texts...
  TForm_setup& first = Start("[]\r\nAllExt=jpg|txt|\r\n[jpg]\r\nCount=0\r\n");
  TEntryEditor& initial = first.AppEditor;
  EXPECT_EQ(initial.Edit_name.Text(), "（未設定）");
  EXPECT_EQ(initial.Edit_param.Text(), "\"%1\"");
  EXPECT_EQ(initial.ComboBox_sw.Text(), "通常");
  EXPECT_EQ(initial.Edit_shortcut.Text(), "（未設定）");

  // ...and later what the last extension with entries showed.
  TForm_setup& f = Start(kEntriesIni);
  f.ExtPage.ListBoxEx_ext.UserSelect(1);
  TEntryEditor& e = f.AppEditor;
  EXPECT_EQ(e.ListBoxEx_app.Count(), 0);
  EXPECT_EQ(e.Edit_name.Text(), "Edit");
  EXPECT_EQ(e.EditEx_path.Text(), "C:\\ed.exe");
  EXPECT_EQ(e.EditEx_dir.Text(), "C:\\");
  EXPECT_EQ(e.ComboBox_sw.Text(), "最大化");
  EXPECT_EQ(e.Edit_shortcut.Text(), "-");
}

TEST_F(EntryEditorTest, NewEntryStoredUnchangedTurnsShowCmd5IntoNormalAndMarksIt) {
  TForm_setup& f = Start(kEntriesIni);
  f.ExtPage.ListBoxEx_ext.UserSelect(1);
  TEntryEditor& e = f.AppEditor;
  e.Button_appnew.Click();

  TExeList& apps = f.ExtList().Items(1).Apps;
  ASSERT_EQ(apps.Count(), 1);
  EXPECT_EQ(apps.Items(0).ShowCmd, 5);
  EXPECT_EQ(e.ListBoxEx_app.ItemIndex(), 0);
  EXPECT_EQ(e.Edit_name.Text(), "（未設定）");
  EXPECT_EQ(e.EditEx_path.Text(), "");
  EXPECT_EQ(e.Edit_param.Text(), "\"%1\"");
  EXPECT_EQ(e.ComboBox_sw.Text(), "通常");

  // Saved: no marks and nothing to apply.
  ASSERT_TRUE(Run([&] { f.Button_applyClick(); }));
  ASSERT_FALSE(apps.Items(0).Modified);
  ASSERT_FALSE(ApplyEnabled());

  e.Button_appchg.Click();
  EXPECT_EQ(apps.Items(0).ShowCmd, 1);
  EXPECT_TRUE(apps.Items(0).Modified);
  EXPECT_TRUE(f.ExtList().Items(1).Modified);
  EXPECT_TRUE(ApplyEnabled());
}

TEST_F(EntryEditorTest, ChangeMarksOnlyWhatDiffersAndRefusesAnEmptyName) {
  TForm_setup& f = Start(kEntriesIni);
  TEntryEditor& e = f.AppEditor;
  ASSERT_EQ(e.ListBoxEx_app.ItemIndex(), 0);
  ASSERT_EQ(e.ComboBox_sw.Text(), "最大化");

  e.Button_appchg.Click();
  EXPECT_FALSE(Txt().Apps.Items(0).Modified);
  EXPECT_FALSE(Txt().Modified);
  EXPECT_FALSE(ApplyEnabled());

  e.Edit_name.SetText("");
  e.Button_appchg.Click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].Text, "設定名を入力してください");
  EXPECT_EQ(messages.shown[0].Caption, "NuvoPick");
  EXPECT_EQ(Txt().Apps.Items(0).Name, "Edit");
  EXPECT_FALSE(ApplyEnabled());

  // An emptied show state stores normal and shows it again.
  e.Edit_name.SetText("Editor");
  e.ComboBox_sw.SetItemIndex(-1);
  e.Button_appchg.Click();
  const TExeInfo& entry = Txt().Apps.Items(0);
  EXPECT_EQ(entry.Name, "Editor");
  EXPECT_EQ(entry.ShowCmd, 1);
  EXPECT_EQ(e.ListBoxEx_app.Item(0), "Editor");
  EXPECT_EQ(e.ComboBox_sw.Text(), "通常");
  EXPECT_TRUE(entry.Modified);
  EXPECT_TRUE(Txt().Modified);
  EXPECT_TRUE(ApplyEnabled());
}

TEST_F(EntryEditorTest, AddStoresTheFormAsANewSelectedEntry) {
  TForm_setup& f = Start(kEntriesIni);
  TEntryEditor& e = f.AppEditor;
  e.Edit_name.SetText("Hidden");
  e.ComboBox_sw.SetItemIndex(3);
  e.CheckBox_usecmdp.SetChecked(true);
  e.Button_appadd.Click();

  EXPECT_EQ(EntryNames(Txt().Apps), (Names{"Edit", "View", "Print", "Hidden"}));
  const TExeInfo& added = Txt().Apps.Items(3);
  EXPECT_EQ(added.AppPath, "C:\\ed.exe");
  EXPECT_EQ(added.ShowCmd, 0);
  EXPECT_TRUE(added.IsUseCmdp);
  EXPECT_TRUE(added.Modified);
  EXPECT_EQ(e.ListBoxEx_app.ItemIndex(), 3);
  EXPECT_EQ(e.Edit_name.Text(), "Hidden");
}

TEST_F(EntryEditorTest, DeleteSelectsTheNeighbourAndAnEmptiedListKeepsTheForm) {
  TForm_setup& f = Start(kEntriesIni);
  TEntryEditor& e = f.AppEditor;
  e.ListBoxEx_app.UserSelect(2);
  e.Button_appdel.Click();
  EXPECT_EQ(EntryNames(Txt().Apps), (Names{"Edit", "View"}));
  EXPECT_EQ(e.ListBoxEx_app.Items(), (Names{"Edit", "View"}));
  EXPECT_EQ(e.ListBoxEx_app.ItemIndex(), 1);
  EXPECT_EQ(e.Edit_name.Text(), "View");
  EXPECT_TRUE(Txt().Modified);
  EXPECT_TRUE(ApplyEnabled());

  e.ListBoxEx_app.UserSelect(0);
  e.Button_appdel.Click();
  EXPECT_EQ(e.ListBoxEx_app.ItemIndex(), 0);
  e.Button_appdel.Click();
  EXPECT_EQ(Txt().Apps.Count(), 0);
  EXPECT_EQ(e.ListBoxEx_app.ItemIndex(), -1);
  EXPECT_EQ(e.Edit_name.Text(), "View");
}

TEST_F(EntryEditorTest, MoveSwapsWithTheNeighbourAndStopsAtBothEnds) {
  struct Case {
    int selected;
    int delta;
    Names order;
    int selectedAfter;
  };
  const Case cases[] = {
      {0, -1, {"Edit", "View", "Print"}, 0},
      {2, +1, {"Edit", "View", "Print"}, 2},
      {0, +1, {"View", "Edit", "Print"}, 1},
      {2, -1, {"Edit", "Print", "View"}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.selected) + " by " + std::to_string(c.delta));
    TForm_setup& f = Start(kEntriesIni);
    TEntryEditor& e = f.AppEditor;
    Txt().Apps.Items(c.selected).ShortcutKey.SetKey('Q');
    e.ListBoxEx_app.UserSelect(c.selected);
    (c.delta < 0 ? e.AppUpButton : e.AppDownButton).Click();

    EXPECT_EQ(EntryNames(Txt().Apps), c.order);
    EXPECT_EQ(e.ListBoxEx_app.Items(), c.order);
    EXPECT_EQ(e.ListBoxEx_app.ItemIndex(), c.selectedAfter);
    // The whole entry travels, shortcut key included.
    EXPECT_EQ(Txt().Apps.Items(c.selectedAfter).ShortcutKey.Key, 'Q');
    EXPECT_EQ(Txt().Modified, c.selected != c.selectedAfter);
  }
}

TEST_F(EntryEditorTest, ArrowButtonsTakeNameAndFolderFromTheUnquotedPath) {
  struct Case {
    const char* path;
    const char* name;
    const char* folder;
  };
  const Case cases[] = {
      {"\"C:\\Tools\\ed.exe\"", "ed.exe", "C:\\Tools\\"},
      {"\"\"\"", "", ""},
      {"C:\\表\\a.exe", "a.exe", "C:\\表\\"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    TForm_setup& f = Start(kEntriesIni);
    TEntryEditor& e = f.AppEditor;
    e.EditEx_path.SetText(c.path);
    e.Button_assist_name.Click();
    e.Button_assist_dir.Click();
    EXPECT_EQ(e.Edit_name.Text(), c.name);
    EXPECT_EQ(e.EditEx_dir.Text(), c.folder);
    EXPECT_FALSE(ApplyEnabled());
  }
}

TEST_F(EntryEditorTest, BrowseButtonsFillThePathAndOnlyTheBoxesStillUnset) {
  TForm_setup& f = Start(kEntriesIni);
  TEntryEditor& e = f.AppEditor;
  e.Button_appnew.Click();
  dialogs.choices = {"C:\\表\\app.exe", std::nullopt, "C:\\Other\\b.exe", "D:\\Work"};

  e.Button_ref_path.Click();
  EXPECT_EQ(e.EditEx_path.Text(), "C:\\表\\app.exe");
  EXPECT_EQ(e.Edit_name.Text(), "app.exe");
  EXPECT_EQ(e.EditEx_dir.Text(), "C:\\表\\");

  e.Button_ref_path.Click();  // cancelled
  EXPECT_EQ(e.EditEx_path.Text(), "C:\\表\\app.exe");
  // A name and a folder of the user's stay.
  e.Button_ref_path.Click();
  EXPECT_EQ(e.EditEx_path.Text(), "C:\\Other\\b.exe");
  EXPECT_EQ(e.Edit_name.Text(), "app.exe");
  EXPECT_EQ(e.EditEx_dir.Text(), "C:\\表\\");

  e.Button_ref_dir.Click();
  EXPECT_EQ(e.EditEx_dir.Text(), "D:\\Work");
  e.Button_ref_dir.Click();  // cancelled
  EXPECT_EQ(e.EditEx_dir.Text(), "D:\\Work");

  EXPECT_EQ(dialogs.shown,
            (Names{kProgramFilter, kProgramFilter, kProgramFilter, "<folder>", "<folder>"}));
}

TEST_F(EntryEditorTest, DropsUseTheFirstTrimmedNameAndAFolderBoxWantsAFolder) {
  TForm_setup& f = Start(kEntriesIni);
  files.directories.insert("C:\\Data");
  TEntryEditor& e = f.AppEditor;

  e.EditEx_dir.DropFiles({" C:\\Data\r\n", "C:\\Other"});
  EXPECT_EQ(e.EditEx_dir.Text(), "C:\\Data");
  e.EditEx_dir.DropFiles({"C:\\Data\\sub\\a.txt"});
  EXPECT_EQ(e.EditEx_dir.Text(), "C:\\Data\\sub");

  e.EditEx_path.DropFiles({"\tC:\\x y\\p.exe ", "C:\\q.exe"});
  EXPECT_EQ(e.EditEx_path.Text(), "C:\\x y\\p.exe");
  EXPECT_EQ(e.Edit_name.Text(), "Edit");
}

TEST_F(EntryEditorTest, ShortcutBoxCapturesKeyPressesIntoTheEntry) {
  struct Case {
    unsigned key;
    TShiftState shift;
    const char* shown;
    const char* afterLeaving;
  };
  const Case cases[] = {
      {'K', {true, false, true}, "K + Shift + Ctrl", "K + Shift + Ctrl"},
      {0x74 /* F5 */, {}, "-", "-"},
      {0x10 /* Shift */, {true, false, false}, "- + Shift", "-"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    TForm_setup& f = Start(kEntriesIni);
    TEntryEditor& e = f.AppEditor;
    const TShortcutKey& key = Txt().Apps.Items(0).ShortcutKey;
    e.CaptureShortcut(c.key, c.shift);
    EXPECT_EQ(e.Edit_shortcut.Text(), c.shown);
    EXPECT_EQ(key.ToText(), c.shown);
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_FALSE(Txt().Apps.Items(0).Modified);

    e.FinishShortcut();
    EXPECT_EQ(e.Edit_shortcut.Text(), c.afterLeaving);
    EXPECT_EQ(key.ToText(), c.afterLeaving);
  }
}

TEST_F(EntryEditorTest, CommonEditorWorksOnTheCommonListAlone) {
  TForm_setup& f = Start(kEntriesIni);
  TEntryEditor& e = f.All_AppEditor;
  ASSERT_EQ(e.Edit_name.Text(), "Hex");

  e.Button_appnew.Click();
  e.Edit_name.SetText("Dump");
  e.Button_appchg.Click();
  e.AppUpButton.Click();
  EXPECT_EQ(EntryNames(f.CommonList()), (Names{"Dump", "Hex"}));
  EXPECT_EQ(f.All_ListBoxEx_app.Items(), (Names{"Dump", "Hex"}));
  EXPECT_TRUE(f.CommonList().Items(0).Modified);
  EXPECT_EQ(Txt().Apps.Count(), 3);
  EXPECT_FALSE(Txt().Modified);
  EXPECT_TRUE(ApplyEnabled());

  // The interpreter check box greys out this page's show state only.
  e.CheckBox_usecmdp.SetChecked(true);
  EXPECT_FALSE(e.ComboBox_sw.Enabled());
  EXPECT_FALSE(e.Label_sw.Enabled());
  EXPECT_TRUE(f.AppEditor.ComboBox_sw.Enabled());

  e.Button_appdel.Click();
  EXPECT_EQ(EntryNames(f.CommonList()), (Names{"Hex"}));
  EXPECT_EQ(e.ListBoxEx_app.ItemIndex(), 0);
}

TEST_F(EntryEditorTest, RowsShowNameOrPlaceholderInTheMarkColours) {
  TForm_setup& f = Start(kEntriesIni);
  TEntryEditor& e = f.AppEditor;
  Txt().Apps.Items(1).Modified = true;
  Txt().Apps.Items(2).Name = "";
  e.ListBoxEx_app.SetItem(2, "");
  e.ListBoxEx_app.UserSelect(1);
  EXPECT_EQ(e.DrawItem(0), (TExtRowLook{"Edit", kRowWhite, kRowBlack}));
  EXPECT_EQ(e.DrawItem(1), (TExtRowLook{"View", kRowSelectedModifiedBack, kRowWhite}));
  EXPECT_EQ(e.DrawItem(2), (TExtRowLook{"（未設定）", kRowWhite, kRowBlack}));
}

}  // namespace
}  // namespace nuvopick
