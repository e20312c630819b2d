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
#include "support/win/real_registry.h"
#include "support/win/recorder_output.h"
#include "support/win/screenshot.h"
#include "window_driving.h"

namespace nuvopick::testing {
namespace {

// The visible children of Window with the class and caption, in the order made.
std::vector<HWND> NamedChildren(HWND window, const char* className, const std::string& text) {
  std::vector<HWND> found;
  for (HWND child : VisibleChildren(window, className)) {
    if (WindowText(child) == text) found.push_back(child);
  }
  return found;
}

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

  // The extension, typed and added with the first "新規".
  std::vector<HWND> edits = VisibleChildren(setup, "Edit");
  ASSERT_EQ(edits.size(), 6u);  // extension, name, path, folder, command line, shortcut
  SendMessageA(edits[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ext.c_str()));
  const std::vector<HWND> news = NamedChildren(setup, "Button", "新規");
  ASSERT_EQ(news.size(), 2u);
  SendMessageA(news[0], BM_CLICK, 0, 0);
  const std::vector<HWND> lists = VisibleChildren(setup, "ListBox");
  ASSERT_EQ(lists.size(), 2u);
  HWND extList = lists[0];
  HWND entryList = lists[1];
  EXPECT_EQ(WaitForRow(extList, 0, "  | " + ext), "  | " + ext);
  // A double click selects it and marks it R: NuvoPick opens its files.
  PostDoubleClick(extList, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONUP, MAKELPARAM(10, 5));
  EXPECT_EQ(WaitForRow(extList, 0, "R | " + ext), "R | " + ext);

  // A new entry, filled in and stored with "変更".
  SendMessageA(news[1], BM_CLICK, 0, 0);
  EXPECT_EQ(WaitForRow(entryList, 0, "（未設定）"), "（未設定）");
  EXPECT_EQ(EditText(edits[1]), "（未設定）");
  EXPECT_EQ(EditText(edits[4]), "\"%1\"");
  const std::pair<HWND, std::string> typed[] = {
      {edits[1], "Recorder"}, {edits[2], recorder}, {edits[3], run.Folder().Path()}};
  for (const auto& [edit, text] : typed) {
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  SendMessageA(Child(setup, "Button", "変更", true), BM_CLICK, 0, 0);
  EXPECT_EQ(WaitForRow(entryList, 0, "Recorder"), "Recorder");

  // The shortcut, pressed in its box.
  ClickOn(edits[5]);
  Sleep(100);
  TypeKey('K', {VK_SHIFT});
  EXPECT_EQ(WaitForText([&edits] { return EditText(edits[5]); }, "K + Shift"), "K + Shift");

  Screenshot(setup, "setup-page-2-entries");

  // The icon: the fourth of shell32.dll, picked with a double click.
  HWND picker = OpenIconPicker(process, setup);
  ASSERT_NE(picker, nullptr);
  SendMessageA(Child(picker, "Edit", ""), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shell32.c_str()));
  HWND grid = FindWindowExA(picker, nullptr, "TIconGrid", nullptr);
  ASSERT_NE(grid, nullptr);
  const LPARAM fourthCell = MAKELPARAM(3 * 49 + 20, 20);
  SendMessageA(grid, WM_LBUTTONDOWN, MK_LBUTTON, fourthCell);
  SendMessageA(grid, WM_LBUTTONUP, 0, fourthCell);
  Screenshot(picker, "icon-picker-shell32");
  PostMessageA(grid, WM_LBUTTONDBLCLK, MK_LBUTTON, fourthCell);
  EXPECT_TRUE(WaitForEnabled(setup, true, kWaitLimit));

  HWND apply = Child(setup, "Button", "保存/適用");
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
  EXPECT_EQ(ListRow(FindWindowExA(gate, nullptr, "LISTBOX", nullptr), 0), "Recorder   (s,K)");
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
  PostMessageA(NamedChildren(setup, "Button", "削除")[0], BM_CLICK, 0, 0);
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
