// The setup window's pages 一般 and 外観・サウンド in the real NuvoPick.exe: the
// test run of the saved skin in a second copy of the program, its refusal, the
// sliders' arrow keys and the colour and font dialogs.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "nuvopick_run.h"
#include "resource_ids.h"
#include "support/win/screenshot.h"
#include "window_driving.h"

namespace nuvopick::testing {
namespace {

constexpr int kGeneralPage = 5;
constexpr int kAppearancePage = 6;

// A visible gate window of another process than Setup's, once there is one.
HWND WaitForOtherGate(const TProcess& setup, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    for (HWND window = FindWindowExA(nullptr, nullptr, "TForm_main", nullptr); window != nullptr;
         window = FindWindowExA(nullptr, window, "TForm_main", nullptr)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner != setup.Id() && IsWindowVisible(window)) return window;
    }
    Sleep(50);
  } while (GetTickCount() - start < milliseconds);
  return nullptr;
}

class AppearancePageTest : public ::testing::Test {
 protected:
  // Setup mode on saved settings that use the sample skin, on the page given.
  HWND StartSetup(int page) {
    EXPECT_TRUE(CopyFolderFiles(TestProgramFolder() + "\\skn", run.Folder() / "skn"));
    WriteFileText(run.SettingsPath(), "[]\r\nIsUseSkin=1\r\nSkinPath=" +
                                          (run.Folder() / "skn\\sample.skn") + "\r\n\r\n");
    HWND setup = run.Start("").WaitForVisibleWindow("TForm_setup", kWaitLimit);
    if (setup != nullptr) {
      ShowSetupPage(setup, page);
      apply = GetDlgItem(setup, IDC_BUTTON_APPLY);
    }
    return setup;
  }

  void Close(HWND setup) {
    PostMessageA(setup, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.Process().WaitForExit(kWaitLimit), 0u);
  }

  TNuvoPickRun run{"appearance"};
  HWND apply = nullptr;
};

TEST_F(AppearancePageTest, TestShowsTheSavedSkinInASecondCopy) {
  SetCursorPos(320, 240);
  HWND setup = StartSetup(kAppearancePage);
  ASSERT_NE(setup, nullptr);
  UpdateWindow(setup);
  Sleep(200);
  SaveScreenshot("setup-appearance-page");

  PostMessageA(GetDlgItem(setup, IDC_BUTTON_WINTEST), BM_CLICK, 0, 0);
  HWND gate = WaitForOtherGate(run.Process(), kWaitLimit);
  ASSERT_NE(gate, nullptr);
  // The demonstration list, shaped by the skin.
  HWND list = GetDlgItem(gate, IDC_GATE_LIST);
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 7);
  HRGN outline = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(gate, outline), COMPLEXREGION);
  DeleteObject(outline);
  Sleep(200);
  SaveScreenshot("setup-appearance-test-run");

  // The setup window goes on as it was.
  EXPECT_TRUE(IsWindowVisible(setup));
  EXPECT_FALSE(IsWindowEnabled(apply));
  PostMessageA(gate, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForGateEnd(gate), 0u);
  Close(setup);
}

TEST_F(AppearancePageTest, TestWithUnsavedChangesIsRefused) {
  HWND setup = StartSetup(kAppearancePage);
  ASSERT_NE(setup, nullptr);
  SendMessageA(GetDlgItem(setup, IDC_RADIOBUTTON_SOUND_MB_BEEP), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitForEnabled(apply, true, kWaitLimit));

  PostMessageA(GetDlgItem(setup, IDC_BUTTON_WINTEST), BM_CLICK, 0, 0);
  HWND box = WaitForWindow(run.Process(), "#32770", kWaitLimit);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WindowText(box), "NuvoPick");
  EXPECT_NE(Child(box, "Static", "適用ボタンを押して設定を保存してからテストしてください"),
            nullptr);
  Sleep(200);
  SaveScreenshot("setup-appearance-test-refused");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitForEnabled(setup, true, kWaitLimit));
  EXPECT_EQ(WaitForOtherGate(run.Process(), 500), nullptr);
  Close(setup);
}

TEST_F(AppearancePageTest, TheIconSwitchIsSavedByApply) {
  HWND setup = StartSetup(kAppearancePage);
  ASSERT_NE(setup, nullptr);
  HWND box = GetDlgItem(setup, IDC_CHECKBOX_ISSHOWICON);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(IsWindowVisible(box));
  EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  SendMessageA(box, BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitForEnabled(apply, true, kWaitLimit));
  PostMessageA(apply, BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitForEnabled(apply, false, kWaitLimit));
  EXPECT_NE(ReadFileText(run.SettingsPath()).find("\r\nIsShowIcon=1\r\n"), std::string::npos);
  Close(setup);
}

TEST_F(AppearancePageTest, SliderArrowKeysStepFiveWithinTheRange) {
  HWND setup = StartSetup(kGeneralPage);
  ASSERT_NE(setup, nullptr);
  HWND waitTime = GetDlgItem(setup, IDC_TRACKBAR_WAITTIME);
  HWND shown = GetDlgItem(setup, IDC_LABEL_WAITTIME);

  // Each key, then the position and its label.
  const struct {
    WPARAM key;
    int position;
  } steps[] = {{VK_RIGHT, 105}, {VK_RIGHT, 110}, {VK_LEFT, 105},  {VK_LEFT, 100},
               {VK_LEFT, 100},  {VK_END, 1000},  {VK_RIGHT, 1000}};
  for (const auto& step : steps) {
    SendMessageA(waitTime, WM_KEYDOWN, step.key, 0);
    SendMessageA(waitTime, WM_KEYUP, step.key, 0);
    const std::string text = std::to_string(step.position);
    EXPECT_EQ(SendMessageA(waitTime, TBM_GETPOS, 0, 0), step.position);
    EXPECT_EQ(WindowText(shown), text);
  }
  UpdateWindow(setup);
  Sleep(200);
  SaveScreenshot("setup-general-page");

  PostMessageA(apply, BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitForEnabled(apply, false, kWaitLimit));
  EXPECT_NE(ReadFileText(run.SettingsPath()).find("\r\nWaitTime=1000\r\n"), std::string::npos);
  Close(setup);
}

// The dialogs start from the sample's colour and font: confirming them as they
// come changes nothing.
TEST_F(AppearancePageTest, ColourAndFontDialogsConfirmedUnchangedChangeNothing) {
  HWND setup = StartSetup(kAppearancePage);
  ASSERT_NE(setup, nullptr);
  const struct {
    int Button;
    const char* Shot;
  } dialogs[] = {{IDC_BUTTON_COLOR, "colour"}, {IDC_BUTTON_FONT, "font"}};
  for (const auto& [button, shot] : dialogs) {
    SCOPED_TRACE(shot);
    PostMessageA(GetDlgItem(setup, button), BM_CLICK, 0, 0);
    HWND dialog = WaitForWindow(run.Process(), "#32770", kWaitLimit);
    ASSERT_NE(dialog, nullptr);
    Sleep(200);
    SaveScreenshot(std::string("setup-appearance-dialog-") + shot);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitForEnabled(setup, true, kWaitLimit));
    Sleep(200);
    EXPECT_FALSE(IsWindowEnabled(apply));
  }
  Close(setup);
}

}  // namespace
}  // namespace nuvopick::testing
