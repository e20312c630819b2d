// The setup window's side of where associations go: the scope it reads, saves
// and applies, and Windows' own default-app choice shown and offered.
#include <gtest/gtest.h>

#include "setup_fixture.h"
#include "shell/class_store_view.h"
#include "shell/user_choice.h"

namespace nuvopick {
namespace {

// Setup mode that associates its extensions while it runs, on RegScope Line.
std::string AssociatingIni(const std::string& scopeLine, const std::string& exts = "txt|") {
  std::string ini = "[]\r\nIsRelOnExe=1\r\n" + scopeLine + "AllExt=" + exts + "\r\n";
  for (std::size_t begin = 0; begin < exts.size();) {
    const std::size_t end = exts.find('|', begin);
    ini += "[" + exts.substr(begin, end - begin) + "]\r\nrlmdExe=1\r\n";
    begin = end + 1;
  }
  return ini;
}

TEST_F(SetupTest, RegScopeChoosesTheHiveAndIsSavedAsShown) {
  const struct {
    const char* line;
    int index;
  } cases[] = {
      {"", 0},
      {"RegScope=0\r\n", 0},
      {"RegScope=1\r\n", 1},
      {"RegScope=2\r\n", 0},
      {"RegScope=x\r\n", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    store = testing::MemoryClasses();
    TForm_setup& f = Start(AssociatingIni(c.line));
    EXPECT_EQ(f.SetupModePage.RadioGroup_regscope.ItemIndex(), c.index);
    const TRegScope scope = c.index == 1 ? TRegScope::AllUsers : TRegScope::CurrentUser;
    const TRegScope other = c.index == 1 ? TRegScope::CurrentUser : TRegScope::AllUsers;
    EXPECT_EQ(ClassesOf(store.Of(scope)).ReadDefault(".txt"), "NuvoPick_AutoOpen_txt");
    EXPECT_FALSE(ClassesOf(store.Of(other)).KeyExists(".txt"));

    ASSERT_TRUE(Run([&] { f.Button_applyClick(); }));
    EXPECT_NE(Ini().find("\r\nRegScope=" + std::to_string(c.index) + "\r\n"), std::string::npos);
    f.FormDestroy();
  }
}

TEST_F(SetupTest, ApplyMovesTheAssociationsToTheScopeChosen) {
  const std::string machineBefore = store.machine.DumpAll();
  TForm_setup& f = Start(AssociatingIni("RegScope=1\r\n"));
  ASSERT_EQ(store.Dump(".txt"), "NuvoPick_AutoOpen_txt");

  f.SetupModePage.RadioGroup_regscope.SetItemIndex(0);
  EXPECT_TRUE(ApplyEnabled());
  ASSERT_TRUE(Run([&] { f.Button_applyClick(); }));

  EXPECT_EQ(store.machine.DumpAll(), machineBefore);
  EXPECT_EQ(ClassesOf(store.user).ReadDefault(".txt"), "NuvoPick_AutoOpen_txt");
  EXPECT_NE(Ini().find("\r\nRegScope=0\r\n"), std::string::npos);
}

TEST_F(SetupTest, WindowsOwnChoiceIsMarkedAndOneNoticeOffersItsSettings) {
  for (const char* ext : {"txt", "jpg"}) {
    store.user.Set(UserChoiceKey(ExtRegNamesFor(ext)), "ProgId", "SomeViewer." + std::string(ext));
  }
  const std::string choices = store.user.DumpAll();
  messages.answers = {TMessageResult::Yes};
  TForm_setup& f = Start(AssociatingIni("", "txt|png|jpg|"));

  // At the start, which associated them: one notice for both.
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].Text,
            "次の拡張子は、Windowsの既定のアプリの設定がNuvoPickより優先されるため、NuvoPickでは開"
            "かれません。\r\n\r\n.txt .jpg\r\n\r\nWindowsの既定のアプリの設定を開いて、NuvoPickを"
            "選びますか?");
  EXPECT_EQ(messages.shown[0].Caption, "確認");
  EXPECT_EQ(messages.shown[0].Buttons, TMessageButtons::YesNo);
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0].first.File, u"ms-settings:defaultapps?registeredAppUser=NuvoPick");
  std::vector<std::string> rows;
  for (int i = 0; i < f.ExtList().Count(); ++i)
    rows.push_back(f.ExtPage.ListBoxEx_extDrawItem(i).Text);
  EXPECT_EQ(rows, (std::vector<std::string>{"R |！txt", "R | png", "R |！jpg"}));
  EXPECT_EQ(f.ExtPage.ListBoxEx_extDrawItem(2).TextColor, kRowWindowsChoiceText);

  // Each apply associates again and asks again; declining changes nothing.
  messages.answers = {TMessageResult::No};
  f.SetupModePage.RadioGroup_regscope.SetItemIndex(1);
  ASSERT_TRUE(Run([&] { f.Button_applyClick(); }));
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].Text, messages.shown[0].Text);
  EXPECT_EQ(shell.opened.size(), 1u);

  // The user's choice is Windows' own: never written, never deleted.
  f.FormDestroy();
  EXPECT_EQ(store.user.DumpAll(), choices);
}

TEST_F(SetupTest, TheMachinesSettingsPageFollowsTheScope) {
  store.user.Set(UserChoiceKey(ExtRegNamesFor("txt")), "ProgId", "txtfile");
  messages.answers = {TMessageResult::Yes};
  Start(AssociatingIni("RegScope=1\r\n"));
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0].first.File, u"ms-settings:defaultapps?registeredAppMachine=NuvoPick");
}

// For every user, a class key of the user's own for the extension hides the
// machine's association from this user's shell: the list still shows it, marked,
// and unticking it gives it back instead of leaving it behind.
TEST_F(SetupTest, AMachineAssociationHiddenByTheUsersOwnClassIsShownAndGivenBack) {
  store.user.Set(ClassesPath(".txt"), "", "UserViewer.txt");
  const std::string before = store.DumpAll();
  TExtInfo txt;
  txt.Name = "txt";
  txt.RegFlags = {rlmdExe};
  TRegistryAssociation({store.Hives(), files, kExe, TRegScope::AllUsers})
      .ApplyRegistration(txt, "");
  ASSERT_EQ(store.Dump(".txt"), "UserViewer.txt");

  TForm_setup& f = Start("[]\r\nRegScope=1\r\nAllExt=txt|\r\n[txt]\r\n");
  EXPECT_EQ(f.ExtPage.ListBoxEx_extDrawItem(0).Text, "R |！txt");

  f.ExtPage.ListBoxEx_extDblClick();
  ASSERT_TRUE(Run([&] { f.Button_applyClick(); }));
  EXPECT_EQ(store.DumpAll(), before);
}

TEST_F(SetupTest, WithoutAnAssociationWindowsChoiceIsNeitherMarkedNorTold) {
  store.user.Set(UserChoiceKey(ExtRegNamesFor("txt")), "ProgId", "txtfile");
  TForm_setup& f = Start("[]\r\nAllExt=txt|\r\n[txt]\r\n");
  ASSERT_TRUE(Run([&] { f.Button_applyClick(); }));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(f.ExtPage.ListBoxEx_extDrawItem(0).Text, "  | txt");
}

}  // namespace
}  // namespace nuvopick
