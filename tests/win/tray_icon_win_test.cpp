// The tray icon against the shell's notification area: it knows whether the
// shell took it, and it does not outlive its owner.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include "platform/win/win_setup_services.h"

namespace nuvopick::win {
namespace {

// The notification area still shows icon 1 of Window: only then may it be changed.
bool Shown(HWND window) {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = window;
  data.uID = 1;
  data.uFlags = NIF_TIP;
  return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

TEST(WinTrayIcon, AnIconTheShellTookIsTakenAwayWithItsOwner) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  {
    TWinTrayIcon tray;
    tray.SetWindow(window, LoadIconA(nullptr, MAKEINTRESOURCEA(32512)));  // IDI_APPLICATION
    EXPECT_FALSE(tray.Added());
    tray.Add();
    ASSERT_TRUE(tray.Added());
    EXPECT_TRUE(Shown(window));
    tray.Remove();
    EXPECT_FALSE(tray.Added());
    EXPECT_FALSE(Shown(window));
    tray.Add();
    ASSERT_TRUE(Shown(window));
  }
  EXPECT_FALSE(Shown(window));
  DestroyWindow(window);
}

// The shell refuses a second icon of the same window and number; the one that
// was refused leaves the other's icon alone.
TEST(WinTrayIcon, AnIconTheShellRefusedIsNotCountedAsUp) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  TWinTrayIcon first;
  first.SetWindow(window, LoadIconA(nullptr, MAKEINTRESOURCEA(32512)));
  first.Add();
  ASSERT_TRUE(first.Added());
  {
    TWinTrayIcon second;
    second.SetWindow(window, LoadIconA(nullptr, MAKEINTRESOURCEA(32512)));
    second.Add();
    EXPECT_FALSE(second.Added());
  }
  EXPECT_TRUE(Shown(window));
  first.Remove();
  DestroyWindow(window);
}

}  // namespace
}  // namespace nuvopick::win
