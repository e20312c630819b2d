// The dialogs and menus the setup window opens: the open dialog and the folder
// browser of the entry form, and the extension page's extra menu.
#include <windows.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "nuvopick_run.h"
#include "resource_ids.h"
#include "support/win/screenshot.h"
#include "window_driving.h"

namespace nuvopick::testing {
namespace {

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(SetupDialogs, TheBrowseButtonsFillTheEntryFormFromTheDialogs) {
  TNuvoPickRun run("setup-browse");
  const std::string program = run.Folder() / "tool.exe";
  WriteFileText(program, "not really a program");
  TProcess& process = run.Start("");
  HWND setup = process.WaitForVisibleWindow("TForm_setup", kWaitLimit);
  ASSERT_NE(setup, nullptr);
  ShowSetupPage(setup, 3);
  // With no common entry yet the form shows a new entry's values: "通常".
  EXPECT_EQ(SendMessageA(GetDlgItem(setup, IDC_ALL_COMBOBOX_SW), CB_GETCURSEL, 0, 0), 0);
  SendMessageA(GetDlgItem(setup, IDC_ALL_BUTTON_APPNEW), BM_CLICK, 0, 0);
  HWND name = GetDlgItem(setup, IDC_ALL_EDIT_NAME);
  HWND path = GetDlgItem(setup, IDC_ALL_EDITEX_PATH);
  HWND folder = GetDlgItem(setup, IDC_ALL_EDITEX_DIR);

  // The program chosen in the open dialog: its name and folder fill the boxes
  // that hold nothing of the user's yet.
  PostMessageA(GetDlgItem(setup, IDC_ALL_BUTTON_REF_PATH), BM_CLICK, 0, 0);
  HWND open = WaitForWindow(process, "#32770", kWaitLimit);
  ASSERT_NE(open, nullptr);
  HWND fileName = Child(open, "Edit", "");
  ASSERT_NE(fileName, nullptr);
  SendMessageA(fileName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(program.c_str()));
  PostMessageA(open, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(WaitForText([path] { return EditText(path); }, program), program);
  EXPECT_EQ(EditText(name), "tool.exe");
  EXPECT_EQ(EditText(folder), run.Folder().Path() + "\\");

  // The folder browser: the folder confirmed goes into the folder box.
  PostMessageA(GetDlgItem(setup, IDC_ALL_BUTTON_REF_DIR), BM_CLICK, 0, 0);
  HWND folders = WaitForWindow(process, "#32770", kWaitLimit);
  ASSERT_NE(folders, nullptr);
  ASSERT_NE(GetDlgItem(folders, 14145), nullptr);
  Sleep(200);
  SaveScreenshot("setup-folder-browser");
  PostMessageA(folders, WM_COMMAND, IDOK, 0);
  const std::string before = run.Folder().Path() + "\\";
  const DWORD start = GetTickCount();
  while (EditText(folder) == before && GetTickCount() - start < kWaitLimit) Sleep(20);
  EXPECT_TRUE(IsFolder(EditText(folder))) << EditText(folder);

  PostMessageA(setup, WM_CLOSE, 0, 0);
  EXPECT_EQ(process.WaitForExit(kWaitLimit), 0u);
}

TEST(SetupDialogs, TheExtraMenuSortsTheExtensionsAfterAsking) {
  TNuvoPickRun run("setup-extra-menu");
  // Many extensions, out of order: the list shows every one in the file's order.
  std::vector<std::string> names = {"png", "Doc", "bmp"};
  for (int i = 0; i < 150; ++i) names.push_back("x" + std::to_string(100 + (i * 37) % 150));
  std::string allExt;
  for (const std::string& name : names) allExt += name + "|";
  WriteFileText(run.SettingsPath(), "[]\r\nAllExt=" + allExt + "\r\n");
  TProcess& process = run.Start("");
  HWND setup = process.WaitForVisibleWindow("TForm_setup", kWaitLimit);
  ASSERT_NE(setup, nullptr);
  ShowSetupPage(setup, 2);
  SetForegroundWindow(setup);
  HWND list = GetDlgItem(setup, IDC_LISTBOXEX_EXT);
  std::vector<std::string> rows;
  for (const std::string& name : names) rows.push_back("  | " + name);
  EXPECT_EQ(ListRows(list), rows);

  // Marking a row far down leaves the list where it was scrolled.
  constexpr int kTop = 60;
  constexpr int kMarked = kTop + 2;
  SendMessageA(list, LB_SETTOPINDEX, kTop, 0);
  RECT row{};
  SendMessageA(list, LB_GETITEMRECT, kMarked, reinterpret_cast<LPARAM>(&row));
  PostDoubleClick(list, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONUP,
                  MAKELPARAM(row.left + 10, (row.top + row.bottom) / 2));
  rows[kMarked] = "R | " + names[kMarked];
  EXPECT_EQ(WaitForRow(list, kMarked, rows[kMarked]), rows[kMarked]);
  EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), kTop);
  EXPECT_EQ(ListRows(list), rows);

  MovePointer({300, 300});
  PostMessageA(GetDlgItem(setup, IDC_BUTTON_EXTEXTRA), BM_CLICK, 0, 0);
  ASSERT_NE(WaitForWindow(process, "#32768", kWaitLimit), nullptr);
  Sleep(300);
  SaveScreenshot("setup-extension-extra-menu");
  TypeKey(VK_DOWN);
  TypeKey(VK_RETURN);
  HWND question = WaitForWindow(process, "#32770", kWaitLimit);
  ASSERT_NE(question, nullptr);
  PostMessageA(question, WM_COMMAND, IDYES, 0);

  EXPECT_EQ(WaitForRow(list, 0, "  | bmp"), "  | bmp");
  std::vector<std::string> sorted = {"  | bmp", "  | Doc", "  | png"};
  for (int i = 100; i < 250; ++i) {
    const std::string name = "x" + std::to_string(i);
    sorted.push_back((name == names[kMarked] ? "R | " : "  | ") + name);
  }
  EXPECT_EQ(ListRows(list), sorted);
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);

  PostMessageA(setup, WM_CLOSE, 0, 0);
  EXPECT_EQ(process.WaitForExit(kWaitLimit), 0u);
}

}  // namespace
}  // namespace nuvopick::testing
