// A file whose name the ANSI code page cannot hold, opened through the real
// NuvoPick.exe: the started program must get its name with every character,
// started directly and through the command interpreter.
#include <windows.h>

#include <gtest/gtest.h>
#include <string>

#include "nuvopick_run.h"
#include "resource_ids.h"
#include "support/win/recorder_output.h"
#include "text/ansi_text.h"
#include "text/win/wide_chars.h"
#include "window_driving.h"

namespace nuvopick::testing {
namespace {

constexpr DWORD kTimeout = 10000;

class WideNamesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(
        CopyFileA((TestProgramFolder() + "\\recorder.exe").c_str(), recorder.c_str(), FALSE));
    // "表" ends in the byte 0x5C; "é", "한" and "ü" are not in code page 932.
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    HANDLE handle = CreateFileW(win::WideChars(file), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    CloseHandle(handle);
  }

  // The one entry of the extension, launched at once unless the list is to show.
  void WriteSettings(bool useInterpreter, bool showList = false) {
    WriteFileText(run.SettingsPath(),
                  "[nvq]\r\nCount=1\r\nName_0=R\r\nAppPath_0=" + recorder +
                      "\r\nParam_0=-f \"%1\"\r\nIsUseCmdp_0=" + (useInterpreter ? "1" : "0") +
                      "\r\n\r\n[]\r\nIsWait=0\r\nIsOnly1Exe=" + (showList ? "0" : "1") + "\r\n");
  }

  std::map<std::string, std::string> WaitForRecord() {
    const std::string out = run.Folder() / "recorder.out";
    const DWORD start = GetTickCount();
    while (GetFileAttributesA(out.c_str()) == INVALID_FILE_ATTRIBUTES &&
           GetTickCount() - start < kTimeout) {
      Sleep(20);
    }
    Sleep(100);  // let the recorder finish writing
    return ReadRecorderOutput(recorder);
  }

  TNuvoPickRun run{"widenames"};
  const std::string recorder = run.Folder() / "recorder.exe";
  const std::string folder = run.Folder() / "表 dir";
  const std::u16string file = WidenAnsi(folder) + u"\\é한ü 1.nvq";
};

TEST_F(WideNamesTest, TheProgramGetsTheFilesExactName) {
  for (bool useInterpreter : {false, true}) {
    SCOPED_TRACE(useInterpreter ? "through the interpreter" : "started directly");
    DeleteFileA((run.Folder() / "recorder.out").c_str());
    WriteSettings(useInterpreter);
    // As the shell starts the open command: the path in quotes.
    ASSERT_EQ(run.Start(u"\"" + file + u"\"").WaitForExit(kTimeout), 0u);
    const auto record = WaitForRecord();
    EXPECT_EQ(RecorderWideValue(record, "wideCommandLine"),
              u"\"" + WidenAnsi(recorder) + u"\" -f \"" + file + u"\"");
    // The entry has no working folder: it starts in the file's own.
    if (!useInterpreter) {
      EXPECT_EQ(record.at("workingFolder"), folder);
    }
  }
}

TEST_F(WideNamesTest, TheListsHintShowsTheFilesExactName) {
  WriteSettings(false, true);
  SetCursorPos(320, 240);
  run.Start(u"\"" + file + u"\"");
  HWND gate = WaitForGate(kTimeout);
  ASSERT_NE(gate, nullptr);
  HWND list = GetDlgItem(gate, IDC_GATE_LIST);
  RECT rect{};
  GetWindowRect(list, &rect);
  MovePointer({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
  EXPECT_EQ(WaitForWideTooltip(gate, list, kTimeout), file);
  PostMessageA(gate, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForGateEnd(gate), 0u);
}

}  // namespace
}  // namespace nuvopick::testing
