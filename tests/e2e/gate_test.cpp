// The road of one opened file: an extension taken over for a copy of
// NuvoPick.exe, a file of it opened through the shell, the gate window at the
// pointer, and recorder.exe started (or not) by what the user does.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "model/ext_reg_names.h"
#include "nuvopick_run.h"
#include "platform/win/win_file_system.h"
#include "resource_ids.h"
#include "shell/registry_association.h"
#include "support/win/real_registry.h"
#include "support/win/recorder_output.h"
#include "support/win/screenshot.h"
#include "window_driving.h"

namespace nuvopick::testing {
namespace {

constexpr DWORD kTimeout = 10000;

std::vector<std::string> Rows(HWND gate) {
  return ListRows(GetDlgItem(gate, IDC_GATE_LIST));
}

// The centre of a row of the gate's list, in screen pixels.
POINT RowCentre(HWND gate, int row) {
  HWND list = GetDlgItem(gate, IDC_GATE_LIST);
  RECT rect{};
  SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
  POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  ClientToScreen(list, &centre);
  return centre;
}

// The text of the gate's hint over its list, once it shows; empty when none does.
std::string WaitForHint(HWND gate, DWORD milliseconds) {
  return WaitForTooltip(gate, GetDlgItem(gate, IDC_GATE_LIST), milliseconds);
}

class GateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(
        CopyFileA((TestProgramFolder() + "\\recorder.exe").c_str(), recorder.c_str(), FALSE));
    WriteFileText(file, "a document");
    TExtInfo record;
    record.Name = ext;
    record.RegFlags = {rlmdExe};
    association.ApplyRegistration(record, "");
    SetCursorPos(320, 240);
  }

  void TearDown() override {
    DeleteTestClasses({"." + ext, ExtRegNamesFor(ext).T});
    if (HWND gate = FindVisibleGate()) PostMessageA(gate, WM_CLOSE, 0, 0);
  }

  // The extension's entries E1 (shortcut A) and E2 (Ctrl+B), the common entry C1,
  // then the general keys given.
  void WriteSettings(const std::string& generalKeys, int entries = 2, int common = 1) {
    std::string ini = "[" + ext + "]\r\nCount=" + std::to_string(entries) + "\r\n";
    const char* names[] = {"E1", "E2"};
    const char* keys[] = {"SCK_Key_0=65\r\n", "SCK_Key_1=66\r\nSCK_Ctrl_1=1\r\n"};
    for (int i = 0; i < entries; ++i) {
      const std::string n = std::to_string(i);
      ini += "Name_" + n + "=" + names[i] + "\r\nAppPath_" + n + "=" + recorder + "\r\nParam_" + n +
             "=/" + names[i] + " \"%1\"\r\n" + keys[i];
    }
    ini += "\r\n[<COMMON>]\r\nCount=" + std::to_string(common) + "\r\nName_0=C1\r\nAppPath_0=\"" +
           recorder + "\"\r\nParam_0=/C1 %1\r\n\r\n[]\r\n" + generalKeys + "\r\n";
    WriteFileText(run.SettingsPath(), ini);
  }

  void OpenThroughShell() {
    TProcess shell("C:\\windows\\system32\\cmd.exe", "cmd /c start \"\" \"" + file + "\"",
                   run.Folder().Path());
    ASSERT_EQ(shell.WaitForExit(kTimeout), 0u);
  }

  // What recorder.exe was started with; empty when it was not started.
  std::string RecordedCommandLine(DWORD milliseconds = 3000) {
    const std::string out = run.Folder() / "recorder.out";
    const DWORD start = GetTickCount();
    while (GetFileAttributesA(out.c_str()) == INVALID_FILE_ATTRIBUTES &&
           GetTickCount() - start < milliseconds) {
      Sleep(20);
    }
    Sleep(50);  // let the recorder finish writing
    return ReadRecorderOutput(recorder)["commandLine"];
  }

  std::string Launched(const char* entry) const {
    return "\"" + recorder + "\" /" + entry + " \"" + file + "\"";
  }

  TNuvoPickRun run{"gate"};
  const std::string ext = "npg" + std::to_string(GetCurrentProcessId());
  const std::string recorder = run.Folder() / "recorder.exe";
  const std::string file = run.Folder() / ("a b." + ext);
  win::TWinFileSystem files;
  // For every user: Wine's shell follows the machine's classes only.
  TRegistryAssociation association{{RealHives(), files, run.ExePath(), TRegScope::AllUsers}};
};

TEST_F(GateTest, TheListAtThePointerAndEnterOnTheSelectedRow) {
  WriteSettings("IsWait=0\r\n");
  OpenThroughShell();
  HWND gate = WaitForGate(kTimeout);
  ASSERT_NE(gate, nullptr);
  RECT rect{};
  GetWindowRect(gate, &rect);
  EXPECT_EQ(rect.left, 320);
  EXPECT_EQ(rect.top, 240);
  EXPECT_EQ(Rows(gate), (std::vector<std::string>{"E1   (A)", "E2   (c,B)", "C1", "[キャンセル]"}));
  // Resting on the list brings up the opened file's path as a hint.
  const POINT over = RowCentre(gate, 1);
  MovePointer(over);
  EXPECT_EQ(WaitForHint(gate, kTimeout), file);
  SaveScreenshot("gate-window");

  TypeKey(VK_DOWN);
  TypeKey(VK_DOWN);
  TypeKey(VK_RETURN);
  EXPECT_EQ(WaitForGateEnd(gate), 0u);
  EXPECT_EQ(RecordedCommandLine(), Launched("E2"));
  // No working folder was given: the opened file's folder stands in.
  EXPECT_EQ(ReadRecorderOutput(recorder)["workingFolder"], run.Folder().Path());
}

TEST_F(GateTest, AShortcutKeyWithItsExactModifiersLaunchesItsEntry) {
  WriteSettings("IsWait=0\r\n");
  OpenThroughShell();
  HWND gate = WaitForGate(kTimeout);
  ASSERT_NE(gate, nullptr);
  TypeKey('B');  // E2 wants Ctrl+B: nothing
  Sleep(200);
  EXPECT_TRUE(IsWindow(gate));
  TypeKey('B', {VK_CONTROL});
  EXPECT_EQ(WaitForGateEnd(gate), 0u);
  EXPECT_EQ(RecordedCommandLine(), Launched("E2"));
}

TEST_F(GateTest, ADoubleClickLaunchesTheRowAndASingleClickOnlySelects) {
  WriteSettings("IsWait=0\r\n");
  OpenThroughShell();
  HWND gate = WaitForGate(kTimeout);
  ASSERT_NE(gate, nullptr);
  Click(RowCentre(gate, 0), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  HWND list = GetDlgItem(gate, IDC_GATE_LIST);
  for (int i = 0; i < 100 && SendMessageA(list, LB_GETCURSEL, 0, 0) != 0; ++i) Sleep(10);
  Sleep(GetDoubleClickTime() + 100);  // so that the next click starts a pair of its own
  EXPECT_TRUE(IsWindowVisible(gate));
  Click(RowCentre(gate, 2), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 2);
  EXPECT_EQ(WaitForGateEnd(gate), 0u);
  EXPECT_EQ(RecordedCommandLine(), "\"" + recorder + "\" /C1 " + file);
}

TEST_F(GateTest, EscapeAndARightClickLaunchNothing) {
  WriteSettings("IsWait=0\r\n");
  for (bool escape : {true, false}) {
    OpenThroughShell();
    HWND gate = WaitForGate(kTimeout);
    ASSERT_NE(gate, nullptr);
    if (escape) {
      TypeKey(VK_ESCAPE);
    } else {
      Click(RowCentre(gate, 0), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    }
    EXPECT_EQ(WaitForGateEnd(gate), 0u);
    EXPECT_EQ(RecordedCommandLine(300), "") << (escape ? "Escape" : "right click");
  }
}

TEST_F(GateTest, LaunchesWithoutShowingTheList) {
  struct TCase {
    const char* what;
    std::string keys;
    int entries;
    int common;
  };
  const TCase cases[] = {
      {"the pointer moved during the wait", "IsWait=1\r\nWaitTime=1500\r\nMoveLen=1\r\n", 2, 1},
      {"a single entry", "IsWait=0\r\nIsOnly1Exe=1\r\n", 1, 0},
  };
  for (const TCase& c : cases) {
    WriteSettings(c.keys, c.entries, c.common);
    DeleteFileA((run.Folder() / "recorder.out").c_str());
    SetCursorPos(320, 240);
    OpenThroughShell();
    if (c.keys.rfind("IsWait=1", 0) == 0) {
      Sleep(400);
      SetCursorPos(330, 240);
    }
    EXPECT_EQ(RecordedCommandLine(kTimeout), Launched("E1")) << c.what;
    EXPECT_EQ(FindVisibleGate(), nullptr) << c.what;
  }
}

TEST_F(GateTest, TheNoClickTimerAndTheLossOfActivationLaunchTheFirstRow) {
  for (const char* keys :
       {"IsWait=0\r\nIsNoClickExe=1\r\nNoClickWait=500\r\n", "IsWait=0\r\nDeactAction=2\r\n"}) {
    WriteSettings(keys);
    DeleteFileA((run.Folder() / "recorder.out").c_str());
    OpenThroughShell();
    HWND gate = WaitForGate(kTimeout);
    ASSERT_NE(gate, nullptr) << keys;
    TypeKey(VK_DOWN);
    TypeKey(VK_DOWN);  // a selection that the first-row rules ignore
    if (std::string(keys).find("DeactAction") != std::string::npos) {
      // The user clicks a window of another program.
      HWND mine = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                  200, 100, nullptr, nullptr, nullptr, nullptr);
      Click({110, 60}, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
      SetForegroundWindow(mine);
      EXPECT_EQ(WaitForGateEnd(gate), 0u);
      DestroyWindow(mine);
    } else {
      EXPECT_EQ(WaitForGateEnd(gate), 0u);
    }
    EXPECT_EQ(RecordedCommandLine(), Launched("E1")) << keys;
  }
}

TEST_F(GateTest, TheTestFormShowsTheDemonstrationRows) {
  TProcess& process = run.Start("/test");
  HWND gate = process.WaitForVisibleWindow("TForm_main", kTimeout);
  ASSERT_NE(gate, nullptr);
  const std::vector<std::string> rows = Rows(gate);
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows[0], "アイテム1");
  EXPECT_EQ(rows[3], "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(rows[4], "テストモードです");
  EXPECT_EQ(rows[6], "[キャンセル]");
  SaveScreenshot("gate-window-test-form");
  TypeKey(VK_RETURN);  // nothing selected: nothing happens
  Sleep(200);
  EXPECT_TRUE(IsWindowVisible(gate));
  Click(RowCentre(gate, 0), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 2);
  EXPECT_EQ(process.WaitForExit(kTimeout), 0u);  // a row without a program only closes
}

}  // namespace
}  // namespace nuvopick::testing
