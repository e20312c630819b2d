// The rows' icons got on their own thread: what arrives for which row, and a
// window that goes while icons are still on their way.
#include "gate/win/row_icon_fetcher.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace nuvopick::win {
namespace {

constexpr UINT kIconMessage = WM_APP + 7;

HWND MakeWindow() {
  return CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

// The icons posted to Window within Milliseconds, by row; each is destroyed.
std::map<WPARAM, int> TakeIcons(HWND window, std::size_t expected, DWORD milliseconds) {
  std::map<WPARAM, int> sizes;
  const DWORD start = GetTickCount();
  while (sizes.size() < expected && GetTickCount() - start < milliseconds) {
    MSG message;
    if (!PeekMessageA(&message, window, kIconMessage, kIconMessage, PM_REMOVE)) {
      Sleep(10);
      continue;
    }
    HICON icon = reinterpret_cast<HICON>(message.lParam);
    ICONINFO info{};
    int width = 0;
    if (GetIconInfo(icon, &info)) {
      BITMAP bitmap{};
      GetObjectA(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
      width = bitmap.bmWidth;
      if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
      DeleteObject(info.hbmMask);
    }
    sizes[message.wParam] = width;
    DestroyIcon(icon);
  }
  return sizes;
}

TEST(RowIconFetcher, EachRowWithAProgramGetsItsIconAtTheSizeAsked) {
  HWND window = MakeWindow();
  ASSERT_NE(window, nullptr);
  {
    TRowIconFetcher fetcher(window, kIconMessage);
    ASSERT_TRUE(fetcher.Start({"notepad.exe", "", "C:\\windows", "https://example.com/", ""}, 24));
    const std::map<WPARAM, int> sizes = TakeIcons(window, 3, 10000);
    // A program's and a folder's icon are made at the size asked; the address's
    // type has no icon file here, and its icon comes at the shell's own size.
    ASSERT_EQ(sizes.size(), 3u);
    EXPECT_EQ(sizes.at(0), 24);
    EXPECT_EQ(sizes.at(2), 24);
    EXPECT_GT(sizes.at(3), 0);
  }
  DestroyWindow(window);
}

// The window goes at once: the fetcher's end neither waits for the fetch nor
// leaves icons queued for the window, and nothing is posted afterwards.
TEST(RowIconFetcher, AWindowThatGoesTakesNoIconsAndDoesNotWait) {
  HWND window = MakeWindow();
  ASSERT_NE(window, nullptr);
  const std::vector<std::string> programs(40, "notepad.exe");
  const DWORD start = GetTickCount();
  {
    TRowIconFetcher fetcher(window, kIconMessage);
    ASSERT_TRUE(fetcher.Start(programs, 16));
    Sleep(20);  // some icons may be posted by now
  }
  EXPECT_LT(GetTickCount() - start, 500u);
  Sleep(300);
  MSG message;
  EXPECT_FALSE(PeekMessageA(&message, window, kIconMessage, kIconMessage, PM_NOREMOVE));
  DestroyWindow(window);
}

}  // namespace
}  // namespace nuvopick::win
