// The x64 zip as a user unpacks it: copied into a fresh folder, its exe starts
// setup mode, and "/test" shows the sample skin that ships beside it.
// scripts/test unpacks the zip and names the folder in NUVOPICK_UNPACKED_X64.
#include <windows.h>

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

#include "resource_ids.h"
#include "support/win/process.h"
#include "support/win/screenshot.h"
#include "support/win/temp_folder.h"
#include "window_driving.h"

namespace nuvopick::testing {
namespace {

TEST(Package, TheUnpackedZipStartsSetupModeAndShowsItsSampleSkin) {
  const char* unpacked = std::getenv("NUVOPICK_UNPACKED_X64");
  if (unpacked == nullptr) GTEST_SKIP() << "no unpacked package named; scripts/test names one";
  TTempFolder folder("package");
  ASSERT_TRUE(CopyFolderFiles(unpacked, folder.Path()));
  ASSERT_TRUE(CopyFolderFiles(std::string(unpacked) + "\\skn", folder / "skn"));
  const std::string exe = folder / "NuvoPick.exe";

  {
    TProcess setup(exe, "\"" + exe + "\"", folder.Path());
    HWND window = setup.WaitForVisibleWindow("TForm_setup", kWaitLimit);
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(setup.WaitForExit(kWaitLimit), 0u);
  }

  WriteFileText(folder / "NuvoPick.ini",
                "[]\r\nIsUseSkin=1\r\nSkinPath=" + (folder / "skn\\sample.skn") + "\r\n\r\n");
  SetCursorPos(300, 200);
  TProcess test(exe, "\"" + exe + "\" /test", folder.Path());
  HWND gate = test.WaitForVisibleWindow("TForm_main", kWaitLimit);
  ASSERT_NE(gate, nullptr);
  EXPECT_EQ(SendMessageA(GetDlgItem(gate, IDC_GATE_LIST), LB_GETCOUNT, 0, 0), 7);
  HRGN outline = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(gate, outline), COMPLEXREGION);
  DeleteObject(outline);
  Sleep(300);
  SaveScreenshot("package-x64-test-form");
  PostMessageA(gate, WM_CLOSE, 0, 0);
  EXPECT_EQ(test.WaitForExit(kWaitLimit), 0u);
}

}  // namespace
}  // namespace nuvopick::testing
