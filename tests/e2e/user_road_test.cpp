// The user's whole road through the real windows: an extension registered in
// the setup window with an entry for recorder.exe, a shortcut captured from a
// key press, the R mark and an icon from the icon picker; after "保存/適用" a file
// of the extension opened through the shell, the entry picked by its shortcut
// in the gate window; then the extension deleted and the previous file type back.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "model/ext_reg_names.h"
#include "nuvopick_run.h"
#include "resource_ids.h"
#include "support/win/real_registry.h"
#include "support/win/recorder_output.h"
#include "support/win/screenshot.h"
#include "window_driving.h"

namespace nuvopick::testing {
namespace {

void Screenshot(HWND window, const char* name) {
  UpdateWindow(window);
  Sleep(150);
  SaveScreenshot(name);
}

class UserRoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(
        CopyFileA((TestProgramFolder() + "\\recorder.exe").c_str(), recorder.c_str(), FALSE));
    WriteFileText(file, "a document");
    // The file type the extension had before NuvoPick took it over.
    TClassStoreView machine = ClassesOf(RealHives().Machine);
    machine.WriteDefault("." + ext, previousType);
    machine.WriteDefault(previousType + "\\shell\\open\\command", "notepad.exe \"%1\"");
    // Associations for every user: Wine's shell follows the machine's classes only.
    WriteFileText(run.SettingsPath(), "[]\r\nRegScope=1\r\n");
    SetCursorPos(320, 240);
  }

  void TearDown() override {
    DeleteTestClasses({"." + ext, previousType, ExtRegNamesFor(ext).T});
    if (HWND gate = FindVisibleGate()) PostMessageA(gate, WM_CLOSE, 0, 0);
  }

  TNuvoPickRun run{"user-road"};
  const std::string ext = "npu" + std::to_string(GetCurrentProcessId());
  const std::string previousType = "npprev" + std::to_string(GetCurrentProcessId());
  const std::string recorder = run.Folder() / "recorder.exe";
  const std::string file = run.Folder() / ("doc." + ext);
  const std::string shell32 = "C:\\windows\\system32\\shell32.dll";
};

TEST_F(UserRoadTest, RegisterAnExtensionOpenAFileWithItAndGiveItBack) {
  TProcess& process = run.Start("");
  HWND setup = process.WaitForVisibleWindow("TForm_setup", kWaitLimit);
  ASSERT_NE(setup, nullptr);
  SetForegroundWindow(setup);
  ShowSetupPage(setup, 2);

  // The extension, typed and added with its "新規".
  HWND extEdit = GetDlgItem(setup, IDC_EDIT_EXT);
  SendMessageA(extEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ext.c_str()));
  SendMessageA(GetDlgItem(setup, IDC_BUTTON_EXTNEW), BM_CLICK, 0, 0);
  HWND extList = GetDlgItem(setup, IDC_LISTBOXEX_EXT);
  HWND entryList = GetDlgItem(setup, IDC_LISTBOXEX_APP);
  EXPECT_EQ(WaitForRow(extList, 0, "  | " + ext), "  | " + ext);
  // A double click selects it and marks it R: NuvoPick opens its files.
  PostDoubleClick(extList, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONUP, MAKELPARAM(10, 5));
  EXPECT_EQ(WaitForRow(extList, 0, "R | " + ext), "R | " + ext);

  // A new entry, filled in and stored with "変更".
  SendMessageA(GetDlgItem(setup, IDC_BUTTON_APPNEW), BM_CLICK, 0, 0);
  EXPECT_EQ(WaitForRow(entryList, 0, "（未設定）"), "（未設定）");
  EXPECT_EQ(EditText(GetDlgItem(setup, IDC_EDIT_NAME)), "（未設定）");
  EXPECT_EQ(EditText(GetDlgItem(setup, IDC_EDIT_PARAM)), "\"%1\"");
  const std::pair<int, std::string> typed[] = {{IDC_EDIT_NAME, "Recorder"},
                                               {IDC_EDITEX_PATH, recorder},
                                               {IDC_EDITEX_DIR, run.Folder().Path()}};
  for (const auto& [edit, text] : typed) {
    SendMessageA(GetDlgItem(setup, edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  SendMessageA(GetDlgItem(setup, IDC_BUTTON_APPCHG), BM_CLICK, 0, 0);
  EXPECT_EQ(WaitForRow(entryList, 0, "Recorder"), "Recorder");

  // The shortcut, pressed in its box.
  HWND shortcut = GetDlgItem(setup, IDC_EDIT_SHORTCUT);
  ClickOn(shortcut);
  Sleep(100);
  TypeKey('K', {VK_SHIFT});
  EXPECT_EQ(WaitForText([shortcut] { return EditText(shortcut); }, "K + Shift"), "K + Shift");

  Screenshot(setup, "setup-page-2-entries");

  // The icon: the fourth of shell32.dll, picked with a double click.
  HWND picker = OpenIconPicker(process, setup);
  ASSERT_NE(picker, nullptr);
  SendMessageA(GetDlgItem(picker, IDC_ICON_PATH), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(shell32.c_str()));
  HWND grid = GetDlgItem(picker, IDC_ICON_GRID);
  ASSERT_NE(grid, nullptr);
  const LPARAM fourthCell = MAKELPARAM(3 * 49 + 20, 20);
  SendMessageA(grid, WM_LBUTTONDOWN, MK_LBUTTON, fourthCell);
  SendMessageA(grid, WM_LBUTTONUP, 0, fourthCell);
  Screenshot(picker, "icon-picker-shell32");
  PostMessageA(grid, WM_LBUTTONDBLCLK, MK_LBUTTON, fourthCell);
  EXPECT_TRUE(WaitForEnabled(setup, true, kWaitLimit));

  HWND apply = GetDlgItem(setup, IDC_BUTTON_APPLY);
  PostMessageA(apply, BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitForEnabled(apply, false, kWaitLimit));
  const TExtRegNames names = ExtRegNamesFor(ext);
  EXPECT_EQ(ShellDefault(names.D), names.T);
  EXPECT_EQ(ShellDefault(names.T + "\\DefaultIcon"), shell32 + ",3");
  EXPECT_EQ(ShellDefault(names.T + "\\shell\\open\\command"), "\"" + run.ExePath() + "\" \"%1\"");

  ShowSetupPage(setup, 3);
  Screenshot(setup, "setup-page-3-common");

  // The file, opened as the user opens it; the entry, picked by its shortcut.
  TProcess shell("C:\\windows\\system32\\cmd.exe", "cmd /c start \"\" \"" + file + "\"",
                 run.Folder().Path());
  ASSERT_EQ(shell.WaitForExit(kWaitLimit), 0u);
  HWND gate = WaitForGate(kWaitLimit);
  ASSERT_NE(gate, nullptr);
  EXPECT_EQ(ListRow(GetDlgItem(gate, IDC_GATE_LIST), 0), "Recorder   (s,K)");
  TypeKey('K', {VK_SHIFT});
  EXPECT_EQ(WaitForGateEnd(gate), 0u);
  const std::string out = run.Folder() / "recorder.out";
  for (DWORD start = GetTickCount(); GetFileAttributesA(out.c_str()) == INVALID_FILE_ATTRIBUTES &&
                                     GetTickCount() - start < 5000;) {
    Sleep(20);
  }
  Sleep(100);  // lets the recorder finish writing
  auto recorded = ReadRecorderOutput(recorder);
  EXPECT_EQ(recorded["commandLine"], "\"" + recorder + "\" \"" + file + "\"");
  EXPECT_EQ(recorded["workingFolder"], run.Folder().Path());

  // Deleting the extension gives the previous file type back at once.
  ShowSetupPage(setup, 2);
  SetForegroundWindow(setup);
  PostMessageA(GetDlgItem(setup, IDC_BUTTON_EXTDEL), BM_CLICK, 0, 0);
  HWND question = WaitForWindow(process, "#32770", kWaitLimit);
  ASSERT_NE(question, nullptr);
  PostMessageA(question, WM_COMMAND, IDYES, 0);
  EXPECT_EQ(WaitForText([&names] { return ShellDefault(names.D); }, previousType), previousType);
  EXPECT_FALSE(KeyExists(names.T));
  EXPECT_EQ(SendMessageA(extList, LB_GETCOUNT, 0, 0), 0);

  PostMessageA(apply, BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitForEnabled(apply, false, kWaitLimit));
  PostMessageA(setup, WM_CLOSE, 0, 0);
  EXPECT_EQ(process.WaitForExit(kWaitLimit), 0u);
}

}  // namespace
}  // namespace nuvopick::testing
