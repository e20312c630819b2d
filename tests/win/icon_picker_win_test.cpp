// The icon picker's window: the icons of a real file in the grid, the index label
// following a click, and the answer that reaches the setup window.
#include <windows.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "iconpick/win/form_icondlg.h"
#include "platform/win/module_path.h"
#include "support/win/screenshot.h"

namespace nuvopick::win {
namespace {

std::vector<TIconDialogCloseRecord> received;

// Stands in for the setup window: keeps every answer of the picker.
LRESULT CALLBACK SetupProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kWmIconDialogClosed) {
    received.push_back(*reinterpret_cast<const TIconDialogCloseRecord*>(wParam));
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

std::string Text(HWND hwnd) {
  char text[MAX_PATH] = "";
  GetWindowTextA(hwnd, text, MAX_PATH);
  return text;
}

TEST(IconPickerWindow, ShowsTheIconsOfAFileAndAnswersTheSetupWindow) {
  WNDCLASSA cls{};
  cls.lpfnWndProc = &SetupProc;
  cls.hInstance = GetModuleHandleA(nullptr);
  cls.lpszClassName = "IconPickerTestSetup";
  RegisterClassA(&cls);
  HWND setup = CreateWindowExA(0, cls.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                               nullptr, cls.hInstance, nullptr);
  ASSERT_NE(setup, nullptr);
  char system[MAX_PATH] = "";
  GetSystemDirectoryA(system, MAX_PATH);
  const std::string shell32 = std::string(system) + "\\shell32.dll";
  received.clear();
  {
    TForm_icondlg picker;
    ASSERT_TRUE(picker.Create());
    RECT outer{};
    GetWindowRect(picker.Handle(), &outer);
    EXPECT_EQ(outer.right - outer.left, 323);
    EXPECT_EQ(outer.bottom - outer.top, 373);
    EXPECT_EQ(Text(picker.Handle()), kIconPickerCaption);
    HWND edit = FindWindowExA(picker.Handle(), nullptr, "Edit", nullptr);
    HWND label = FindWindowExA(picker.Handle(), nullptr, "Static", "-");
    ASSERT_NE(label, nullptr);

    // This test program carries NuvoPick's two icons.
    picker.ShowIconPicker(5, RunningExePath(), setup, 1);
    EXPECT_TRUE(IsWindowVisible(picker.Handle()));
    EXPECT_EQ(picker.Picker().IconCount(), 2);
    EXPECT_EQ(Text(label), "1");

    // Typing another file loads its icons and selects its first one.
    SetWindowTextA(edit, shell32.c_str());
    const int count = picker.Picker().IconCount();
    ASSERT_GT(count, 8);
    EXPECT_EQ(picker.Picker().RowCount(), (count + 5) / 6);
    EXPECT_EQ(Text(label), "0");

    // The cell of row 1, column 2 stands for icon 8.
    SendMessageA(picker.Grid(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2 * 49 + 20, 49 + 20));
    EXPECT_EQ(Text(label), "8");
    UpdateWindow(picker.Handle());
    testing::SaveScreenshot("icon_picker");

    SendMessageA(GetDlgItem(picker.Handle(), IDOK), BM_CLICK, 0, 0);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].ExtIndex, 5);
    EXPECT_EQ(received[0].IconFile, shell32);
    EXPECT_EQ(received[0].IconIndex, 8);
    EXPECT_TRUE(received[0].Accepted);
    EXPECT_FALSE(IsWindowVisible(picker.Handle()));

    // The close box answers too, without accepting; a double click accepts.
    picker.ShowIconPicker(2, shell32, setup, 3);
    SendMessageA(picker.Handle(), WM_CLOSE, 0, 0);
    picker.ShowIconPicker(2, shell32, setup, 3);
    SendMessageA(picker.Grid(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 20));
    ASSERT_EQ(received.size(), 3u);
    EXPECT_FALSE(received[1].Accepted);
    EXPECT_EQ(received[1].IconIndex, 3);
    EXPECT_TRUE(received[2].Accepted);
    EXPECT_EQ(received[2].IconIndex, 3);
    EXPECT_NE(FindWindowA("TForm_icondlg", nullptr), nullptr);
  }
  DestroyWindow(setup);
  // The picker was this program's first window: its end asked the program to end.
  MSG quit{};
  PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

}  // namespace
}  // namespace nuvopick::win
