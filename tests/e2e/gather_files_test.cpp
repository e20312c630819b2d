// Several files of one extension opened together, as the shell does when the
// user selects them and presses Enter: one start per file, close together. The
// first list collects them all; the other starts end at once.
#include <windows.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "nuvopick_run.h"
#include "platform/win/win_file_system.h"
#include "resource_ids.h"
#include "support/win/recorder_output.h"
#include "support/win/screenshot.h"
#include "text/ansi_text.h"
#include "window_driving.h"

namespace nuvopick::testing {
namespace {

constexpr DWORD kTimeout = 10000;
constexpr int kFiles = 5;

TEST(GatherFilesTest, FiveFilesOpenedTogetherShareOneListThatLaunchesEachOfThem) {
  TNuvoPickRun run("gather");
  const std::string recorder = run.Folder() / "recorder.exe";
  ASSERT_TRUE(CopyFileA((TestProgramFolder() + "\\recorder.exe").c_str(), recorder.c_str(), FALSE));
  const std::string ext = "npm";
  WriteFileText(run.SettingsPath(), "[" + ext + "]\r\nCount=1\r\nName_0=E1\r\nAppPath_0=" +
                                        recorder + "\r\nParam_0=\"%1\"\r\n\r\n[]\r\nIsWait=0\r\n");
  std::vector<std::string> files;
  for (int i = 1; i <= kFiles; ++i) {
    files.push_back(run.Folder() / ("file " + std::to_string(i) + "." + ext));
    WriteFileText(files.back(), "a document");
  }
  SetCursorPos(320, 240);

  // As the shell starts the program for each file, 40 ms apart.
  std::vector<std::unique_ptr<TProcess>> starts;
  for (const std::string& file : files) {
    const std::string commandLine = "\"" + run.ExePath() + "\" \"" + file + "\"";
    starts.push_back(std::make_unique<TProcess>(run.ExePath(), commandLine, run.Folder().Path()));
    ASSERT_TRUE(starts.back()->Started());
    if (starts.size() < files.size()) Sleep(40);
  }
  const DWORD lastStart = GetTickCount();

  // Four end within a second, each with 0; the one left is the list.
  std::vector<DWORD> codes;
  int collector = -1;
  for (int i = 0; i < kFiles; ++i) {
    const DWORD spent = GetTickCount() - lastStart;
    codes.push_back(starts[i]->WaitForExit(spent < 1000 ? 1000 - spent : 0));
    if (codes.back() == STILL_ACTIVE) collector = collector == -1 ? i : -2;
  }
  ASSERT_GE(collector, 0) << "more than one start still runs, or none";
  for (int i = 0; i < kFiles; ++i) {
    if (i != collector) {
      EXPECT_EQ(codes[i], 0u) << files[i];
    }
  }

  HWND gate = WaitForGate(kTimeout);
  ASSERT_NE(gate, nullptr);
  EXPECT_EQ(starts[collector]->WaitForVisibleWindow("TForm_main", 0), gate);
  HWND list = GetDlgItem(gate, IDC_GATE_LIST);
  EXPECT_EQ(ListRows(list), (std::vector<std::string>{"E1", "[キャンセル]"}));

  RECT row{};
  SendMessageA(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
  POINT over{(row.left + row.right) / 2, (row.top + row.bottom) / 2};
  ClientToScreen(list, &over);
  MovePointer(over);
  EXPECT_EQ(WaitForTooltip(gate, list, kTimeout),
            files[collector] + "\r\nほか 4 個のファイル (全 5 個)");
  SaveScreenshot("gate-window-gathered");

  TypeKey(VK_DOWN);
  TypeKey(VK_RETURN);
  EXPECT_EQ(WaitForGateEnd(gate), 0u);

  std::vector<std::u16string> launched;
  for (const DWORD start = GetTickCount();
       launched.size() < files.size() && GetTickCount() - start < kTimeout; Sleep(50)) {
    launched = RecordedStartArguments(recorder);
  }
  ASSERT_EQ(launched.size(), files.size());
  // The list's own file first; the others in the order they came, which the
  // starts' own pace decides.
  EXPECT_EQ(NarrowAnsi(launched[0]).value_or("?"), files[collector]);
  std::vector<std::string> each;
  for (const std::u16string& file : launched) each.push_back(NarrowAnsi(file).value_or("?"));
  std::sort(each.begin(), each.end());
  EXPECT_EQ(each, files);
}

}  // namespace
}  // namespace nuvopick::testing
