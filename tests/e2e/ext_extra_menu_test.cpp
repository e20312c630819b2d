// The extension page's extra menu in the real window: the import of the previous
// association, which fills the entry list from the verbs of the file type the
// extension used before, and "全ての拡張子を関連付け", which after apply has taken
// every extension over in the user's classes.
#include <windows.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "model/ext_info.h"
#include "model/ext_reg_names.h"
#include "nuvopick_run.h"
#include "platform/win/win_file_system.h"
#include "resource_ids.h"
#include "shell/registry_association.h"
#include "support/win/real_registry.h"
#include "support/win/screenshot.h"
#include "window_driving.h"

namespace nuvopick::testing {
namespace {

// Items of the extra menu as the arrow keys reach them (separators skipped).
constexpr int kAssociateAllItem = 2;
constexpr int kImportItem = 6;

// Opens the extra menu with "他" and picks the item that Downs presses of the
// down arrow reach.
void ChooseExtraMenuItem(TProcess& process, HWND setup, int downs) {
  SetForegroundWindow(setup);
  MovePointer({300, 300});
  PostMessageA(GetDlgItem(setup, IDC_BUTTON_EXTEXTRA), BM_CLICK, 0, 0);
  ASSERT_NE(WaitForWindow(process, "#32768", kWaitLimit), nullptr);
  Sleep(300);
  for (int i = 0; i < downs; ++i) TypeKey(VK_DOWN);
  TypeKey(VK_RETURN);
}

TEST(ExtExtraMenu, TheImportFillsTheEntryListFromThePreviousFileType) {
  TNuvoPickRun run("extra-menu-import");
  const std::string ext = "npi" + std::to_string(GetCurrentProcessId());
  const std::string previousType = "npiprev" + std::to_string(GetCurrentProcessId());
  const std::string notepad = "C:\\windows\\system32\\notepad.exe";
  // The file type the extension has now, for every user, with the verbs open
  // and print; gone again at the end, whatever happened.
  TClassStoreView store = ClassesOf(RealHives().Machine);
  struct TCleanUp {
    std::vector<std::string> keys;
    ~TCleanUp() { DeleteTestClasses(keys); }
  } cleanUp{{"." + ext, previousType}};
  ASSERT_FALSE(KeyExists("." + ext));
  store.WriteDefault("." + ext, previousType);
  store.WriteDefault(previousType + "\\shell\\open\\command", notepad + " %1");
  store.WriteDefault(previousType + "\\shell\\print\\command", notepad + " /p %1");
  WriteFileText(run.SettingsPath(), "[]\r\nAllExt=" + ext + "|\r\n[" + ext + "]\r\nCount=0\r\n");

  TProcess& process = run.Start("");
  HWND setup = process.WaitForVisibleWindow("TForm_setup", kWaitLimit);
  ASSERT_NE(setup, nullptr);
  ShowSetupPage(setup, 2);
  HWND entryList = GetDlgItem(setup, IDC_LISTBOXEX_APP);
  EXPECT_EQ(SendMessageA(GetDlgItem(setup, IDC_LISTBOXEX_EXT), LB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(SendMessageA(entryList, LB_GETCOUNT, 0, 0), 0);
  HWND apply = GetDlgItem(setup, IDC_BUTTON_APPLY);
  EXPECT_FALSE(IsWindowEnabled(apply));

  ChooseExtraMenuItem(process, setup, kImportItem);
  EXPECT_EQ(WaitForRow(entryList, 1, "notepad_print"), "notepad_print");
  EXPECT_EQ(ListRows(entryList), (std::vector<std::string>{"notepad_open", "notepad_print"}));
  // The last entry is selected and shown in the form.
  EXPECT_EQ(SendMessageA(entryList, LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(EditText(GetDlgItem(setup, IDC_EDIT_NAME)), "notepad_print");
  EXPECT_EQ(EditText(GetDlgItem(setup, IDC_EDITEX_PATH)), notepad);
  EXPECT_EQ(EditText(GetDlgItem(setup, IDC_EDITEX_DIR)), "C:\\windows\\system32");
  EXPECT_EQ(EditText(GetDlgItem(setup, IDC_EDIT_PARAM)), "/p %1");
  EXPECT_TRUE(WaitForEnabled(apply, true, kWaitLimit));
  UpdateWindow(setup);
  Sleep(150);
  SaveScreenshot("setup-extension-import");

  // The previous type was only read.
  EXPECT_EQ(ShellDefault("." + ext), previousType);
  PostMessageA(setup, WM_CLOSE, 0, 0);
  EXPECT_EQ(process.WaitForExit(kWaitLimit), 0u);
}

TEST(ExtExtraMenu, AssociatingEveryExtensionAndApplyingTakesThemAllOver) {
  TNuvoPickRun run("extra-menu-associate-all");
  const std::string stem = "npa" + std::to_string(GetCurrentProcessId());
  const std::vector<std::string> exts = {stem + "a", stem + "b", stem + "c"};
  win::TWinFileSystem files;
  TRegistryAssociation association{{RealHives(), files, run.ExePath()}};
  // Takes every extension out of both hives, also when the test stops early.
  struct TCleanUp {
    const std::vector<std::string>& exts;
    ~TCleanUp() {
      for (const std::string& ext : exts) {
        DeleteTestClasses({"." + ext, ExtRegNamesFor(ext).T});
      }
    }
  } cleanUp{exts};
  std::string settings = "[]\r\nAllExt=";
  for (const std::string& ext : exts) {
    ASSERT_FALSE(KeyExists("." + ext));
    settings += ext + "|";
  }
  settings += "\r\n";
  for (const std::string& ext : exts) settings += "[" + ext + "]\r\nCount=0\r\n";
  WriteFileText(run.SettingsPath(), settings);

  TProcess& process = run.Start("");
  HWND setup = process.WaitForVisibleWindow("TForm_setup", kWaitLimit);
  ASSERT_NE(setup, nullptr);
  ShowSetupPage(setup, 2);
  HWND extList = GetDlgItem(setup, IDC_LISTBOXEX_EXT);
  EXPECT_EQ(ListRow(extList, 2), "  | " + exts[2]);

  ChooseExtraMenuItem(process, setup, kAssociateAllItem);
  HWND question = WaitForWindow(process, "#32770", kWaitLimit);
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(WindowText(question), "確認");
  PostMessageA(question, WM_COMMAND, IDYES, 0);
  EXPECT_EQ(WaitForRow(extList, 2, "R | " + exts[2]), "R | " + exts[2]);
  std::vector<std::string> marked;
  for (const std::string& ext : exts) marked.push_back("R | " + ext);
  EXPECT_EQ(ListRows(extList), marked);
  // Nothing is written before apply.
  for (const std::string& ext : exts) EXPECT_FALSE(KeyExists("." + ext)) << ext;

  HWND apply = GetDlgItem(setup, IDC_BUTTON_APPLY);
  ASSERT_TRUE(WaitForEnabled(apply, true, kWaitLimit));
  PostMessageA(apply, BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitForEnabled(apply, false, kWaitLimit));
  for (const std::string& ext : exts) {
    SCOPED_TRACE(ext);
    const TExtRegNames names = ExtRegNamesFor(ext);
    EXPECT_EQ(ShellDefault(names.D), names.T);
    EXPECT_EQ(ShellDefault(names.T + "\\shell\\open\\command"), association.OpenCommand());
    EXPECT_TRUE(RealHives().User.KeyExists(ClassesPath(names.T)));
    TExtInfo record;
    record.Name = ext;
    EXPECT_EQ(record.GetRegState(ShellClasses()), (TRegFlags{rlmdExe}));
  }
  const std::string written = ReadFileText(run.SettingsPath());
  for (const std::string& ext : exts) {
    const std::size_t section = written.find("[" + ext + "]\r\n");
    ASSERT_NE(section, std::string::npos) << written;
    EXPECT_NE(written.find("rlmdExe=1\r\n", section), std::string::npos) << written;
  }

  PostMessageA(setup, WM_CLOSE, 0, 0);
  EXPECT_EQ(process.WaitForExit(kWaitLimit), 0u);
}

}  // namespace
}  // namespace nuvopick::testing
