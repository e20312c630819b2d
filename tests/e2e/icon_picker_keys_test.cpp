// The icon picker driven from the keyboard alone, as in any dialog: Tab and
// Shift+Tab between its controls, Enter for OK (or the button that has the
// keyboard), Escape for Cancel.
#include <windows.h>

#include <gtest/gtest.h>
#include <string>

#include "nuvopick_run.h"
#include "resource_ids.h"
#include "window_driving.h"

namespace nuvopick::testing {
namespace {

// Polls until the control with the keyboard in Window's thread is Control.
HWND WaitForFocus(HWND window, HWND control) {
  const DWORD start = GetTickCount();
  while (FocusOf(window) != control && GetTickCount() - start < kWaitLimit) Sleep(20);
  return FocusOf(window);
}

bool WaitForHidden(HWND window) {
  const DWORD start = GetTickCount();
  while (IsWindowVisible(window) && GetTickCount() - start < kWaitLimit) Sleep(20);
  return !IsWindowVisible(window);
}

TEST(IconPickerKeys, TabMovesEnterAcceptsEscapeCancels) {
  TNuvoPickRun run("icon-picker-keys");
  const std::string ext = "npk" + std::to_string(GetCurrentProcessId());
  WriteFileText(run.SettingsPath(), "[]\r\nAllExt=" + ext + "|\r\n[" + ext + "]\r\nCount=0\r\n");
  TProcess& process = run.Start("");
  HWND setup = process.WaitForVisibleWindow("TForm_setup", kWaitLimit);
  ASSERT_NE(setup, nullptr);
  ShowSetupPage(setup, 2);

  // The extension has no icon file: the picker opens on the program's icon 1, with
  // the keyboard in the grid, where the left arrow moves to icon 0.
  auto open = [&](const char* index) {
    HWND picker = OpenIconPicker(process, setup);
    if (picker == nullptr) return picker;
    HWND label = GetDlgItem(picker, IDC_ICON_INDEX);
    EXPECT_EQ(WindowText(label), index) << "the picker does not open on icon " << index;
    HWND grid = GetDlgItem(picker, IDC_ICON_GRID);
    EXPECT_EQ(WaitForFocus(picker, grid), grid);
    TypeKey(VK_LEFT);
    EXPECT_EQ(WaitForText([label] { return WindowText(label); }, "0"), "0");
    return picker;
  };

  // Escape cancels: icon 0 was not taken.
  HWND picker = open("1");
  ASSERT_NE(picker, nullptr);
  TypeKey(VK_ESCAPE);
  EXPECT_TRUE(WaitForHidden(picker));
  EXPECT_TRUE(WaitForEnabled(setup, true, kWaitLimit));

  // Round the controls and back; Enter on Cancel presses Cancel.
  ASSERT_EQ(open("1"), picker);
  HWND grid = GetDlgItem(picker, IDC_ICON_GRID);
  HWND edit = GetDlgItem(picker, IDC_ICON_PATH);
  HWND browse = GetDlgItem(picker, IDC_ICON_BROWSE);
  HWND ok = GetDlgItem(picker, IDOK);
  HWND cancel = GetDlgItem(picker, IDCANCEL);
  for (HWND next : {ok, cancel, edit, browse, grid}) {
    TypeKey(VK_TAB);
    EXPECT_EQ(WaitForFocus(picker, next), next);
  }
  for (HWND previous : {browse, edit, cancel}) {
    TypeKey(VK_TAB, {VK_SHIFT});
    EXPECT_EQ(WaitForFocus(picker, previous), previous);
  }
  TypeKey(VK_RETURN);
  EXPECT_TRUE(WaitForHidden(picker));
  EXPECT_TRUE(WaitForEnabled(setup, true, kWaitLimit));

  // Enter in the grid is OK: icon 0 becomes the extension's, and the picker
  // opens on it the next time.
  ASSERT_EQ(open("1"), picker);
  TypeKey(VK_RETURN);
  EXPECT_TRUE(WaitForHidden(picker));
  EXPECT_TRUE(WaitForEnabled(setup, true, kWaitLimit));
  ASSERT_EQ(OpenIconPicker(process, setup), picker);
  EXPECT_EQ(WindowText(GetDlgItem(picker, IDC_ICON_INDEX)), "0");
  TypeKey(VK_ESCAPE);
  EXPECT_TRUE(WaitForHidden(picker));

  PostMessageA(setup, WM_CLOSE, 0, 0);
  EXPECT_EQ(process.WaitForExit(kWaitLimit), 0u);
}

}  // namespace
}  // namespace nuvopick::testing
