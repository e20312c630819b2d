// NuvoPick.exe started as the shell and the setup window start it: each start
// reaches its mode and ends with exit code 0.
#include <windows.h>

#include <gtest/gtest.h>

#include "nuvopick_run.h"
#include "support/win/screenshot.h"

namespace nuvopick::testing {
namespace {

constexpr DWORD kTimeout = 15000;

TEST(StartModes, WithoutArgumentsTheSetupWindowOpensAndClosingItEnds) {
  for (const char* arguments : {"", "\"\""}) {
    TNuvoPickRun run("setup");
    TProcess& process = run.Start(arguments);

    HWND setup = process.WaitForVisibleWindow("TForm_setup", kTimeout);
    ASSERT_NE(setup, nullptr) << "arguments: " << arguments;
    EXPECT_EQ(WindowText(setup), "NuvoPick 設定");
    EXPECT_EQ(ClientSize(setup).cx, 588);
    EXPECT_EQ(ClientSize(setup).cy, 391);

    // The gate window exists, as the main window, but stays hidden; so does the
    // icon picker.
    auto gate = process.Windows("TForm_main");
    ASSERT_EQ(gate.size(), 1u);
    EXPECT_FALSE(IsWindowVisible(gate[0]));
    auto picker = process.Windows("TForm_icondlg");
    ASSERT_EQ(picker.size(), 1u);
    EXPECT_FALSE(IsWindowVisible(picker[0]));
    EXPECT_EQ(WindowText(picker[0]), "アイコン設定");

    if (*arguments == '\0') SaveScreenshot("setup-window");
    PostMessageA(setup, WM_CLOSE, 0, 0);
    EXPECT_EQ(process.WaitForExit(kTimeout), 0u);
  }
}

TEST(StartModes, TheTestFormShowsTheGateWindowAtThePointer) {
  for (const char* arguments : {"/test", "/test C:\\ignored.txt"}) {
    TNuvoPickRun run("testform");
    SetCursorPos(200, 150);
    TProcess& process = run.Start(arguments);

    HWND gate = process.WaitForVisibleWindow("TForm_main", kTimeout);
    ASSERT_NE(gate, nullptr) << arguments;
    RECT rect{};
    GetWindowRect(gate, &rect);
    EXPECT_EQ(rect.left, 200);
    EXPECT_EQ(rect.top, 150);
    EXPECT_TRUE(GetWindowLongA(gate, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(process.Windows("TForm_setup").empty());

    PostMessageA(gate, WM_CLOSE, 0, 0);
    EXPECT_EQ(process.WaitForExit(kTimeout), 0u);
  }
}

TEST(StartModes, AFileArgumentIsAssociationModeAndEndsByItself) {
  // Upper-case "/TEST" is a file path, not the test form.
  for (const char* arguments : {"\"C:\\docs\\a b.txt\"", "/TEST", "C:\\no\\such\\file.txt"}) {
    TNuvoPickRun run("association");
    TProcess& process = run.Start(arguments);
    EXPECT_EQ(process.WaitForExit(kTimeout), 0u) << arguments;
    EXPECT_TRUE(process.Windows("TForm_setup").empty()) << arguments;
  }
}

}  // namespace
}  // namespace nuvopick::testing
