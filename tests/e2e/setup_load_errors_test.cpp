// The real setup window on what it cannot read: a settings file held open by
// another program, and a registered extension whose class key holds a value of
// the wrong type.
#include <windows.h>

#include <gtest/gtest.h>
#include <string>

#include "nuvopick_run.h"
#include "resource_ids.h"
#include "window_driving.h"

namespace nuvopick::testing {
namespace {

constexpr DWORD kTimeout = 15000;

// Dismisses the message box that the process shows next; its caption and text.
std::string AnswerBox(TProcess& process) {
  HWND box = WaitForWindow(process, "#32770", kTimeout);
  if (box == nullptr) return "<no box>";
  const std::string seen = WindowText(box) + "|" + BoxText(box);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  for (DWORD waited = 0; IsWindow(box) && waited < kTimeout; waited += 30) Sleep(30);
  return seen;
}

TEST(SetupLoadErrors, ASettingsFileHeldOpenElsewhereIsNotSavedOverUntilItIsRead) {
  TNuvoPickRun run("setup-locked-ini");
  const std::string saved = "[]\r\nAllExt=npl|\r\n[npl]\r\nCount=1\r\nName_0=Notepad\r\n";
  WriteFileText(run.SettingsPath(), saved);
  HANDLE held = CreateFileA(run.SettingsPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);

  TProcess& process = run.Start("");
  const std::string unread = AnswerBox(process);
  EXPECT_EQ(
      unread.rfind("エラー|設定ファイル '" + run.SettingsPath() + "' を読み込めませんでした。", 0),
      0u)
      << unread;
  HWND setup = process.WaitForVisibleWindow("TForm_setup", kTimeout);
  ASSERT_NE(setup, nullptr);
  HWND reload = GetDlgItem(setup, IDC_BUTTON_RELOAD);
  EXPECT_TRUE(IsWindowEnabled(reload));

  // OK refuses and the window stays.
  PostMessageA(GetDlgItem(setup, IDC_BUTTON_OK), BM_CLICK, 0, 0);
  const std::string refused = AnswerBox(process);
  EXPECT_NE(refused.find("を読み込めていないため、保存しません。"), std::string::npos) << refused;
  EXPECT_EQ(process.WaitForExit(300), static_cast<DWORD>(STILL_ACTIVE));

  // Let go, read it again, and OK saves the settings as they were.
  CloseHandle(held);
  EXPECT_EQ(ReadFileText(run.SettingsPath()), saved);
  SendMessageA(reload, BM_CLICK, 0, 0);
  PostMessageA(GetDlgItem(setup, IDC_BUTTON_OK), BM_CLICK, 0, 0);
  EXPECT_EQ(process.WaitForExit(kTimeout), 0u);
  const std::string written = ReadFileText(run.SettingsPath());
  EXPECT_NE(written.find("AllExt=npl|\r\n"), std::string::npos) << written;
  EXPECT_NE(written.find("Name_0=Notepad\r\n"), std::string::npos) << written;
}

TEST(SetupLoadErrors, AValueOfTheWrongTypeCostsNeitherItsEntriesNorTheOtherExtensions) {
  TNuvoPickRun run("setup-dword-class");
  const std::string id = std::to_string(GetCurrentProcessId());
  const std::string a = "nva" + id, b = "nvb" + id, c = "nvc" + id;
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, ("." + b).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const DWORD one = 1;
  RegSetValueExA(key, nullptr, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one);
  RegCloseKey(key);
  WriteFileText(run.SettingsPath(), "[]\r\nAllExt=" + a + "|" + b + "|" + c + "|\r\n[" + a +
                                        "]\r\nCount=1\r\nName_0=A\r\n[" + b +
                                        "]\r\nCount=2\r\nName_0=B0\r\nName_1=B1\r\n[" + c +
                                        "]\r\nCount=1\r\nName_0=C\r\n");

  TProcess& process = run.Start("");
  const std::string loaded = AnswerBox(process);
  EXPECT_NE(loaded.find(b + ": '' のデータ型が不正です"), std::string::npos) << loaded;
  HWND setup = process.WaitForVisibleWindow("TForm_setup", kTimeout);
  ASSERT_NE(setup, nullptr);

  // Apply writes every extension whole; the broken one is told about again.
  PostMessageA(GetDlgItem(setup, IDC_BUTTON_OK), BM_CLICK, 0, 0);
  const std::string applied = AnswerBox(process);
  EXPECT_NE(applied.find(b + ": '' のデータ型が不正です"), std::string::npos) << applied;
  const std::string written = ReadFileText(run.SettingsPath());
  EXPECT_NE(written.find("[" + b + "]\r\nCount=2\r\n"), std::string::npos) << written;
  EXPECT_NE(written.find("Name_1=B1\r\n"), std::string::npos) << written;
  EXPECT_NE(written.find("[" + c + "]\r\nCount=1\r\n"), std::string::npos) << written;

  PostMessageA(GetDlgItem(setup, IDC_BUTTON_CANCEL), BM_CLICK, 0, 0);
  EXPECT_EQ(process.WaitForExit(kTimeout), 0u);
  RegDeleteKeyA(HKEY_CLASSES_ROOT, ("." + b).c_str());
}

}  // namespace
}  // namespace nuvopick::testing
