// The gate window drawn with the sample skin that ships beside the exe.
#include <windows.h>

#include <gtest/gtest.h>

#include "nuvopick_run.h"
#include "resource_ids.h"
#include "support/win/screenshot.h"
#include "window_driving.h"

namespace nuvopick::testing {
namespace {

constexpr DWORD kTimeout = 10000;

class SkinGateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CopyFolderFiles(TestProgramFolder() + "\\skn", run.Folder() / "skn"));
    SetCursorPos(300, 200);
  }

  HWND StartTestForm(const std::string& skinFile) {
    WriteFileText(run.SettingsPath(),
                  "[]\r\nIsUseSkin=1\r\nSkinPath=" + (run.Folder() / skinFile) + "\r\n\r\n");
    return run.Start("/test").WaitForVisibleWindow("TForm_main", kTimeout);
  }

  TNuvoPickRun run{"skin"};
};

TEST_F(SkinGateTest, TheSampleSkinShapesTheWindowAndDrawsTheRows) {
  HWND gate = StartTestForm("skn\\sample.skn");
  ASSERT_NE(gate, nullptr);
  HWND list = GetDlgItem(gate, IDC_GATE_LIST);
  EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & LBS_OWNERDRAWFIXED);
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 7);

  // The outline: the corners are cut away, the middle is there.
  RECT bounds{};
  GetWindowRect(gate, &bounds);
  EXPECT_EQ(bounds.left, 300);
  EXPECT_EQ(bounds.top, 200);
  HRGN outline = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(gate, outline), COMPLEXREGION);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  EXPECT_FALSE(PtInRegion(outline, 0, 0));
  EXPECT_FALSE(PtInRegion(outline, width - 1, height - 1));
  EXPECT_TRUE(PtInRegion(outline, width / 2, height / 2));
  DeleteObject(outline);

  // The list sits inside the frame.
  RECT listBounds{};
  GetWindowRect(list, &listBounds);
  EXPECT_GT(listBounds.left, bounds.left);
  EXPECT_GT(listBounds.top, bounds.top);
  EXPECT_LT(listBounds.right, bounds.right);

  TypeKey(VK_DOWN);
  TypeKey(VK_DOWN);
  Sleep(300);
  SaveScreenshot("gate-window-skinned");
  TypeKey(VK_ESCAPE);
  EXPECT_EQ(run.Process().WaitForExit(kTimeout), 0u);
}

TEST_F(SkinGateTest, ASkinWithoutItsEdgesFallsBackToThePlainList) {
  WriteFileText(run.Folder() / "skn\\broken.skn", "[NuvoPickSkinFile]\r\nBmpTop=top.bmp\r\n");
  HWND gate = StartTestForm("skn\\broken.skn");
  ASSERT_NE(gate, nullptr);
  HWND list = GetDlgItem(gate, IDC_GATE_LIST);
  EXPECT_FALSE(GetWindowLongA(list, GWL_STYLE) & LBS_OWNERDRAWFIXED);
  HRGN outline = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(gate, outline), ERROR);  // no outline of its own
  DeleteObject(outline);
  PostMessageA(gate, WM_CLOSE, 0, 0);
  EXPECT_EQ(run.Process().WaitForExit(kTimeout), 0u);
}

}  // namespace
}  // namespace nuvopick::testing
