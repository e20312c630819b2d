// The gate window on screens of more than 96 DPI: rows, margins and fonts grow
// with the DPI, the skin's images by whole factors.
#include <windows.h>

#include <gtest/gtest.h>
#include <string>

#include "nuvopick_run.h"
#include "resource_ids.h"
#include "support/win/screenshot.h"
#include "support/win/system_dpi.h"
#include "window_driving.h"

namespace nuvopick::testing {
namespace {

constexpr DWORD kTimeout = 10000;

// What the test reads of a shown list, in screen pixels.
struct TShownList {
  int rows = 0;
  int rowHeight = 0;
  RECT window{};
  RECT list{};

  int Height() const { return window.bottom - window.top; }
  // Where the list lies inside the window: the skin's frame margins.
  POINT ListOffset() const { return {list.left - window.left, list.top - window.top}; }
};

class GateDpiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CopyFolderFiles(TestProgramFolder() + "\\skn", run.Folder() / "skn"));
    SetCursorPos(300, 200);
  }

  // The test form started at Dpi, read, pictured when Screenshot names a picture
  // (with its first row selected), and closed.
  TShownList ShowTestForm(DWORD dpi, bool skinned, const char* screenshot = nullptr) {
    std::string settings = "[]\r\n";
    if (skinned)
      settings += "IsUseSkin=1\r\nSkinPath=" + (run.Folder() / "skn\\sample.skn") + "\r\n";
    WriteFileText(run.SettingsPath(), settings + "\r\n");
    TShownList shown;
    const TScopedSystemDpi systemDpi(dpi);
    HWND gate = run.Start("/test").WaitForVisibleWindow("TForm_main", kTimeout);
    EXPECT_NE(gate, nullptr) << dpi;
    if (gate == nullptr) return shown;
    HWND list = GetDlgItem(gate, IDC_GATE_LIST);
    shown.rows = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    shown.rowHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    GetWindowRect(gate, &shown.window);
    GetWindowRect(list, &shown.list);
    if (screenshot != nullptr) {
      TypeKey(VK_DOWN);
      Sleep(300);
      SaveScreenshot(screenshot);
    }
    TypeKey(VK_ESCAPE);
    EXPECT_EQ(run.Process().WaitForExit(kTimeout), 0u);
    return shown;
  }

  TNuvoPickRun run{"gatedpi"};
};

TEST_F(GateDpiTest, At144DpiThePlainListsRowsAndMarginAreHalfAsLargeAgain) {
  const TShownList at96 = ShowTestForm(96, false);
  const TShownList at144 = ShowTestForm(144, false, "gate-window-144dpi");
  ASSERT_GT(at96.rowHeight, 0);
  EXPECT_EQ(at144.rows, at96.rows);
  EXPECT_NEAR(at144.rowHeight, at96.rowHeight * 1.5, 0.5);
  // All rows and the room below them: 5 pixels at 96 DPI, 8 at 144.
  EXPECT_EQ(at96.Height(), at96.rows * at96.rowHeight + 5);
  EXPECT_EQ(at144.Height(), at144.rows * at144.rowHeight + 8);
}

TEST_F(GateDpiTest, TheSkinsImagesGrowByWholeFactorsAndItsRowsWithTheFonts) {
  const TShownList at96 = ShowTestForm(96, true);
  const TShownList at144 = ShowTestForm(144, true, "gate-window-skinned-144dpi");
  const TShownList at192 = ShowTestForm(192, true, "gate-window-skinned-192dpi");
  ASSERT_GT(at96.rowHeight, 0);
  // The frame's margins: the images as they are below 192 DPI, doubled at 192.
  EXPECT_EQ(at144.ListOffset().x, at96.ListOffset().x);
  EXPECT_EQ(at144.ListOffset().y, at96.ListOffset().y);
  EXPECT_EQ(at192.ListOffset().x, 2 * at96.ListOffset().x);
  EXPECT_EQ(at192.ListOffset().y, 2 * at96.ListOffset().y);
  // Text height and the room below it grow by the exact factor.
  EXPECT_NEAR(at144.rowHeight, at96.rowHeight * 1.5, 1);
  EXPECT_NEAR(at192.rowHeight, at96.rowHeight * 2, 1);
}

}  // namespace
}  // namespace nuvopick::testing
