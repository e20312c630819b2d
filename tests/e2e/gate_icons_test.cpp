// The gate list's program icons in the real NuvoPick.exe: taller rows with an icon
// column, and the icon of each row's program drawn once it has come, in the plain
// list and the skinned one.
#include <windows.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "nuvopick_run.h"
#include "resource_ids.h"
#include "support/win/screenshot.h"
#include "support/win/system_dpi.h"
#include "window_driving.h"

namespace nuvopick::testing {
namespace {

constexpr DWORD kTimeout = 10000;
// The icon column at 96 DPI: 16 pixels, 2 from the row's left edge.
constexpr int kIconSize = 16;
constexpr int kIconLeft = 2;

// One program of each kind the icon comes from: a bare name on the search path,
// a path with a variable, a document, a folder and an address.
const std::vector<std::string> kPrograms = {"notepad.exe", "%windir%\\regedit.exe",
                                            "C:\\windows\\win.ini", "C:\\windows",
                                            "https://example.com/"};

class GateIconsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CopyFolderFiles(TestProgramFolder() + "\\skn", run.Folder() / "skn"));
  }

  // The gate for a .npi file whose extension has an entry for each of Programs
  // (an empty one has none), with the general keys given.
  HWND StartGate(const std::vector<std::string>& programs, const std::string& generalKeys) {
    std::string ini = "[npi]\r\nCount=" + std::to_string(programs.size()) + "\r\n";
    for (std::size_t i = 0; i < programs.size(); ++i) {
      const std::string n = std::to_string(i);
      ini += "Name_" + n + "=Entry " + n + "\r\nAppPath_" + n + "=" + programs[i] + "\r\n";
    }
    WriteFileText(run.SettingsPath(), ini + "\r\n[]\r\nIsWait=0\r\n" + generalKeys + "\r\n");
    SetCursorPos(300, 200);
    return run.Start("\"" + (run.Folder() / "a.npi") + "\"")
        .WaitForVisibleWindow("TForm_main", kTimeout);
  }

  void Close(HWND gate) {
    PostMessageA(gate, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.Process().WaitForExit(kTimeout), 0u);
  }

  std::string SkinKeys() const {
    return "IsUseSkin=1\r\nSkinPath=" + (run.Folder() / "skn\\sample.skn") + "\r\n";
  }

  TNuvoPickRun run{"icons"};
};

int RowHeight(HWND gate) {
  return static_cast<int>(SendMessageA(GetDlgItem(gate, IDC_GATE_LIST), LB_GETITEMHEIGHT, 0, 0));
}

// The screen's pixels where Row of the gate's list shows its icon.
std::vector<COLORREF> IconPixels(HWND gate, int row) {
  HWND list = GetDlgItem(gate, IDC_GATE_LIST);
  RECT rect{};
  SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
  POINT origin{rect.left + kIconLeft, rect.top + (rect.bottom - rect.top - kIconSize) / 2};
  ClientToScreen(list, &origin);
  HDC screen = GetDC(nullptr);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < kIconSize; ++y) {
    for (int x = 0; x < kIconSize; ++x)
      pixels.push_back(GetPixel(screen, origin.x + x, origin.y + y));
  }
  ReleaseDC(nullptr, screen);
  return pixels;
}

// The icon squares of every row, once Rows rows differ from Blank or the time is up.
std::vector<std::vector<COLORREF>> WaitForIcons(HWND gate, int rows,
                                                const std::vector<std::vector<COLORREF>>& blank) {
  std::vector<std::vector<COLORREF>> squares;
  const DWORD start = GetTickCount();
  do {
    Sleep(100);
    squares.clear();
    int drawn = 0;
    for (int row = 0; row < static_cast<int>(blank.size()); ++row) {
      squares.push_back(IconPixels(gate, row));
      if (squares.back() != blank[row]) ++drawn;
    }
    if (drawn >= rows) break;
  } while (GetTickCount() - start < kTimeout);
  return squares;
}

// Each row of a program shows an icon in its column; the row without program and
// the cancel row show none. The same rows with no program at all are the blank
// to compare with: the same layout, nothing in the column.
TEST_F(GateIconsTest, TallerRowsShowTheIconOfEachProgram) {
  for (const bool skinned : {false, true}) {
    SCOPED_TRACE(skinned ? "skinned" : "plain");
    const std::string skin = skinned ? SkinKeys() : "";
    std::vector<std::string> programs = kPrograms;
    programs.push_back("");  // an entry without program
    const int rows = static_cast<int>(programs.size()) + 1;

    HWND gate = StartGate(programs, skin);
    ASSERT_NE(gate, nullptr);
    const int textRowHeight = RowHeight(gate);
    Close(gate);

    gate = StartGate(std::vector<std::string>(programs.size()), "IsShowIcon=1\r\n" + skin);
    ASSERT_NE(gate, nullptr);
    // The sample skin's rows (bold text and its room) hold the icon already; the
    // plain list's rows grow for it.
    EXPECT_GE(RowHeight(gate), std::max(textRowHeight, kIconSize + 2));
    if (!skinned) {
      EXPECT_GT(RowHeight(gate), textRowHeight);
    }
    Sleep(500);
    std::vector<std::vector<COLORREF>> blank;
    for (int row = 0; row < rows; ++row) blank.push_back(IconPixels(gate, row));
    Close(gate);

    gate = StartGate(programs, "IsShowIcon=1\r\n" + skin);
    ASSERT_NE(gate, nullptr);
    const std::vector<std::vector<COLORREF>> squares =
        WaitForIcons(gate, static_cast<int>(kPrograms.size()), blank);
    for (int row = 0; row < rows; ++row) {
      SCOPED_TRACE(row);
      const bool hasProgram = row < static_cast<int>(kPrograms.size());
      EXPECT_EQ(squares[row] != blank[row], hasProgram);
    }
    SaveScreenshot(skinned ? "gate-window-skinned-icons" : "gate-window-icons");
    Close(gate);
  }
}

// At 144 DPI the icons and their room grow by half: 24-pixel icons in rows of at
// least 27 pixels, the text after a column of 33.
TEST_F(GateIconsTest, At144DpiTheIconColumnGrowsByHalf) {
  const TScopedSystemDpi systemDpi(144);
  HWND gate = StartGate(kPrograms, "IsShowIcon=1\r\n");
  ASSERT_NE(gate, nullptr);
  EXPECT_GE(RowHeight(gate), 27);
  SetCursorPos(10, 10);  // no hint over the picture
  Sleep(1000);
  SaveScreenshot("gate-window-icons-144dpi");
  Close(gate);
}

}  // namespace
}  // namespace nuvopick::testing
