// The extension list of the page "拡張子別": adding, copying, deleting, moving,
// sorting, the R and M marks, the rows as drawn and the icon panel.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "setup_fixture.h"

namespace nuvopick {
namespace {

// txt has an entry and an icon; jpg and png have neither entries nor marks.
const std::string kThree =
    "[]\r\nAllExt=txt|jpg|png|\r\n"
    "[txt]\r\nCount=1\r\nName_0=Notepad\r\nIconPath=a.dll\r\nIconIndex=3\r\n"
    "[jpg]\r\nCount=0\r\nIconPath=b.dll\r\n[png]\r\nCount=0\r\nIconPath=c.dll\r\n";

std::vector<std::string> Shown(const testing::ScriptedMessageBox& box) {
  std::vector<std::string> texts;
  for (const TMessageRequest& r : box.shown) texts.push_back(r.Text + " / " + r.Caption);
  return texts;
}

TEST_F(SetupTest, NewAndCopyCleanTheNameAndRefuseForbiddenOrListedOnes) {
  const std::string forbidden = std::string(kExtForbiddenText) + " / NuvoPick";
  const std::string listed = std::string(kExtDuplicateText) + " / NuvoPick";
  struct Case {
    bool copy;
    const char* typed;
    const char* added;  // null: nothing added
    std::string message;
  };
  const Case cases[] = {
      {false, ".TXT2", "txt2", ""},
      {false, "a\\/:,;*?\"<>|.b", "ab", ""},
      {false, ".", nullptr, ""},
      {false, "EXE", nullptr, forbidden},
      {false, ".Com", nullptr, forbidden},
      {false, "JPG", nullptr, listed},
      {true, "EXE", "EXE", ""},
      {true, "JPG", "JPG", ""},
      {true, ".exe", nullptr, forbidden},
      {true, "jpg", nullptr, listed},
      {true, "..", nullptr, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.copy ? "copy " : "new ") + c.typed);
    TForm_setup& f = Start(kThree);
    TExtPage& page = f.ExtPage;
    messages.shown.clear();
    page.Edit_ext.SetText(c.typed);
    (c.copy ? page.Button_extcpy : page.Button_extnew).Click();

    Names expected = {"txt", "jpg", "png"};
    if (c.added != nullptr) expected.push_back(c.added);
    EXPECT_EQ(page.ListBoxEx_ext.Items(), expected);
    ASSERT_EQ(f.ExtList().Count(), static_cast<int>(expected.size()));
    EXPECT_EQ(f.ExtList().Items(f.ExtList().Count() - 1).Name, expected.back());
    EXPECT_EQ(Shown(messages), c.message.empty() ? Names{} : Names{c.message});
    EXPECT_EQ(ApplyEnabled(), c.added != nullptr);
    // The new item is not selected, and the box keeps what was typed.
    EXPECT_EQ(page.ListBoxEx_ext.ItemIndex(), 0);
    EXPECT_EQ(page.Edit_ext.Text(), c.typed);
  }
}

TEST_F(SetupTest, NewExtensionIsAnEmptyMarkedRecord) {
  TForm_setup& f = Start(kThree);
  f.ExtPage.Edit_ext.SetText("md");
  f.ExtPage.Button_extnew.Click();
  const TExtInfo& ext = f.ExtList().Items(3);
  EXPECT_TRUE(ext.Modified);
  EXPECT_TRUE(ext.RegFlags.Empty());
  EXPECT_EQ(ext.Apps.Count(), 0);
  EXPECT_EQ(ext.Apps.Owner(), &f);
  EXPECT_EQ(ext.IconPath, "");
  EXPECT_EQ(f.ExtPage.ListBoxEx_extDrawItem(3).TextColor, kRowModifiedText);
}

TEST_F(SetupTest, CopyTakesTheSourceAsItIsUnderTheNewName) {
  TForm_setup& f = Start(kThree);
  f.ExtList().Items(0).RegFlags = {rlmdExe, rlmdContextMenu};
  f.ExtPage.Edit_ext.SetText("log");
  f.ExtPage.Button_extcpy.Click();

  const TExtInfo& copy = f.ExtList().Items(3);
  EXPECT_EQ(copy.Name, "log");
  EXPECT_EQ(copy.IconPath, "a.dll");
  EXPECT_EQ(copy.IconIndex, 3);
  ASSERT_EQ(copy.Apps.Count(), 1);
  EXPECT_EQ(copy.Apps.Items(0).Name, "Notepad");
  // The source was unmarked, so is the copy; the addition still is a change.
  EXPECT_FALSE(copy.Modified);
  EXPECT_TRUE(ApplyEnabled());
  EXPECT_EQ(f.ExtPage.ListBoxEx_extDrawItem(3), (TExtRowLook{"RM| log", kRowWhite, kRowBlack}));

  // Without a selected source nothing is copied.
  f.ExtPage.ListBoxEx_ext.SetItemIndex(-1);
  f.ExtPage.Edit_ext.SetText("ini");
  f.ExtPage.Button_extcpy.Click();
  EXPECT_EQ(f.ExtList().Count(), 4);
}

TEST_F(SetupTest, DeletingAsksAndThenDropsTheRecord) {
  TForm_setup& f = Start(kThree);
  TExtPage& page = f.ExtPage;
  page.ListBoxEx_ext.SetItemIndex(2);
  messages.answers = {TMessageResult::No};
  page.Button_extdel.Click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0], (TMessageRequest{"pngの設定を削除してよろしいですか?", "警告",
                                                TMessageButtons::YesNo, TMessageIcon::None, true}));
  EXPECT_EQ(f.ExtList().Count(), 3);
  EXPECT_FALSE(ApplyEnabled());

  messages.answers = {TMessageResult::Yes};
  page.Button_extdel.Click();
  EXPECT_EQ(page.ListBoxEx_ext.Items(), (Names{"txt", "jpg"}));
  EXPECT_EQ(f.ExtList().Items(1).Name, "jpg");
  // Item 0 is selected and shows its entries.
  EXPECT_EQ(page.ListBoxEx_ext.ItemIndex(), 0);
  EXPECT_EQ(page.ListBoxEx_app.Items(), (Names{"Notepad"}));
  EXPECT_TRUE(ApplyEnabled());
}

TEST_F(SetupTest, DeletingTheOnlyExtensionEmptiesTheEntryList) {
  TForm_setup& f = Start("[]\r\nAllExt=txt|\r\n[txt]\r\nCount=1\r\nName_0=Notepad\r\n");
  ASSERT_EQ(f.ExtPage.ListBoxEx_app.Count(), 1);
  messages.answers = {TMessageResult::Yes};
  f.ExtPage.Button_extdel.Click();
  EXPECT_EQ(f.ExtList().Count(), 0);
  EXPECT_EQ(f.ExtPage.ListBoxEx_ext.Count(), 0);
  EXPECT_EQ(f.ExtPage.ListBoxEx_app.Count(), 0);
  EXPECT_TRUE(ApplyEnabled());
}

TEST_F(SetupTest, DeletingAnAssociatedExtensionGivesItsFileTypeBackAtOnce) {
  store.Set(".txt", "txtfile");
  store.Set("txtfile\\shell\\open\\command", "notepad.exe %1");
  TForm_setup& f =
      Start("[]\r\nIsRelOnExe=1\r\nAllExt=txt|jpg|\r\n[txt]\r\nCount=0\r\nrlmdExe=1\r\n[jpg]\r\n");
  ASSERT_EQ(store.Dump(".txt"), "NuvoPick_AutoOpen_txt");

  messages.answers = {TMessageResult::Yes};
  EXPECT_TRUE(Run([&] { f.ExtPage.Button_extdelClick(); }));
  EXPECT_EQ(store.Dump(".txt"), "txtfile");
  EXPECT_EQ(store.Dump("NuvoPick_AutoOpen_txt"), "<no key>");
  EXPECT_EQ(log, (testing::EventLog{"notice NuvoPick 設定", "icon C:\\Tools\\np.exe 1"}));

  // An extension that is not associated leaves the registry alone.
  log.clear();
  const std::string before = store.DumpAll();
  messages.answers = {TMessageResult::Yes};
  f.ExtPage.Button_extdel.Click();
  EXPECT_EQ(store.DumpAll(), before);
  EXPECT_EQ(log, testing::EventLog{});
}

TEST_F(SetupTest, MovesSwapNeighboursAndStopAtBothEnds) {
  struct Case {
    int selected;
    bool up;
    Names order;
    int selectedAfter;
  };
  const Case cases[] = {
      {0, true, {"txt", "jpg", "png"}, 0},
      {2, false, {"txt", "jpg", "png"}, 2},
      {0, false, {"jpg", "txt", "png"}, 1},
      {2, true, {"txt", "png", "jpg"}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.selected) + (c.up ? " up" : " down"));
    TForm_setup& f = Start(kThree);
    TExtPage& page = f.ExtPage;
    page.ListBoxEx_ext.SetItemIndex(c.selected);
    (c.up ? page.ExtUpButton : page.ExtDownButton).Click();

    EXPECT_EQ(page.ListBoxEx_ext.Items(), c.order);
    EXPECT_EQ(page.ListBoxEx_ext.ItemIndex(), c.selectedAfter);
    const bool moved = c.selected != c.selectedAfter;
    EXPECT_EQ(ApplyEnabled(), moved);
    for (int i = 0; i < 3; ++i) {
      const TExtInfo& ext = f.ExtList().Items(i);
      EXPECT_EQ(ext.Name, c.order[static_cast<std::size_t>(i)]);
      // Icons and entries travel with their records.
      EXPECT_EQ(ext.Apps.Count(), ext.Name == "txt" ? 1 : 0);
      EXPECT_EQ(ext.IconPath, ext.Name == "txt" ? "a.dll" : ext.Name == "jpg" ? "b.dll" : "c.dll");
      EXPECT_EQ(ext.Modified, moved && (i == c.selected || i == c.selectedAfter));
    }
  }
}

TEST_F(SetupTest, SortOrdersWithoutRegardToCaseMarksAllAndSelectsTheFirst) {
  TForm_setup& f = Start(
      "[]\r\nAllExt=png|Doc|bmp|\r\n[png]\r\nCount=0\r\n[Doc]\r\nCount=1\r\nName_0=Writer\r\n"
      "[bmp]\r\nCount=0\r\n");
  TExtPage& page = f.ExtPage;
  page.ListBoxEx_ext.SetItemIndex(2);

  messages.answers = {TMessageResult::No};
  page.PMenu_extextra_sortClick();
  EXPECT_EQ(page.ListBoxEx_ext.Items(), (Names{"png", "Doc", "bmp"}));
  EXPECT_EQ(messages.shown.at(0).Text + messages.shown.at(0).Caption,
            std::string(kExtSortQuestionText) + "確認");

  messages.answers = {TMessageResult::Yes};
  page.PMenu_extextra_sortClick();
  EXPECT_EQ(page.ListBoxEx_ext.Items(), (Names{"bmp", "Doc", "png"}));
  EXPECT_EQ(f.ExtList().Items(1).Apps.Items(0).Name, "Writer");
  EXPECT_EQ(page.ListBoxEx_ext.ItemIndex(), 0);
  EXPECT_EQ(page.ListBoxEx_extDrawItem(0).BackColor, kRowSelectedModifiedBack);
  for (int i = 1; i < 3; ++i) EXPECT_EQ(page.ListBoxEx_extDrawItem(i).TextColor, kRowModifiedText);
}

TEST_F(SetupTest, DoubleClicksToggleTheMarksOfTheSelectedExtension) {
  TForm_setup& f = Start(kThree);
  TExtPage& page = f.ExtPage;
  EXPECT_EQ(page.ListBoxEx_extDrawItem(1), (TExtRowLook{"  | jpg", kRowWhite, kRowBlack}));
  EXPECT_EQ(page.ListBoxEx_extDrawItem(0), (TExtRowLook{"  | txt", kRowSelectedBack, kRowWhite}));

  // A right press selects, so the right double click marks the item under it.
  page.ListBoxEx_extMouseDown(1);
  page.ListBoxEx_extRightDblClick(1);
  EXPECT_EQ(page.ListBoxEx_extDrawItem(1),
            (TExtRowLook{" M| jpg", kRowSelectedModifiedBack, kRowWhite}));
  page.ListBoxEx_extDblClick();
  EXPECT_EQ(f.ExtList().Items(1).RegFlags, (TRegFlags{rlmdExe, rlmdContextMenu}));
  EXPECT_EQ(page.ListBoxEx_extDrawItem(1).Text, "RM| jpg");
  page.ListBoxEx_extRightDblClick(1);
  EXPECT_EQ(page.ListBoxEx_extDrawItem(1).Text, "R | jpg");
  EXPECT_TRUE(ApplyEnabled());

  // Below the last item nothing is selected or toggled.
  page.ListBoxEx_extMouseDown(-1);
  page.ListBoxEx_extRightDblClick(-1);
  EXPECT_EQ(page.ListBoxEx_ext.ItemIndex(), 1);
  EXPECT_EQ(f.ExtList().Items(1).RegFlags, (TRegFlags{rlmdExe}));
}

TEST_F(SetupTest, SelectionShowsTheIconAndThePanelOpensThePicker) {
  TForm_setup& f = Start(kThree);
  TExtPage& page = f.ExtPage;
  std::vector<TIconPickerRequest> requests;
  page.OnOpenIconPicker = [&](const TIconPickerRequest& r) { requests.push_back(r); };

  page.ListBoxEx_ext.SetItemIndex(1);
  EXPECT_EQ(log, (testing::EventLog{"icon b.dll 0"}));
  EXPECT_EQ(page.ListBoxEx_app.Count(), 0);

  // A release outside the panel is no press.
  page.Panel_iconMouseDown(true);
  EXPECT_TRUE(page.IconPanelLowered());
  EXPECT_TRUE(page.IconImageShifted());
  page.Panel_iconMouseUp({50, 10});
  EXPECT_FALSE(page.IconPanelLowered());
  EXPECT_TRUE(requests.empty());
  EXPECT_TRUE(f.Window.Enabled());

  page.Panel_iconMouseDown(false);
  EXPECT_FALSE(page.IconImageShifted());
  page.Panel_iconMouseUp({49, 0});
  EXPECT_EQ(requests, (std::vector<TIconPickerRequest>{{1, "b.dll", 0}}));
  EXPECT_FALSE(f.Window.Enabled());
}

TEST_F(SetupTest, ARecordWithoutIconShowsTheIconOfItsFileTypeUnmarked) {
  store.Set(".gif", "giffile");
  store.Set("giffile\\DefaultIcon", "C:\\v.exe,2");
  TForm_setup& f = Start("[]\r\nAllExt=txt|gif|\r\n[txt]\r\nIconPath=a.dll\r\n[gif]\r\n");
  f.ExtPage.ListBoxEx_extMouseDown(1);
  EXPECT_EQ(log, (testing::EventLog{"icon C:\\v.exe 2"}));
  EXPECT_EQ(f.ExtList().Items(1).IconPath, "C:\\v.exe");
  EXPECT_FALSE(f.ExtList().Items(1).Modified);
  EXPECT_FALSE(ApplyEnabled());
}

}  // namespace
}  // namespace nuvopick
