// The setup window of the real NuvoPick.exe: the about panel on the root page,
// the readme link, and the hint that a control shows while the pointer rests
// on it, until the user turns hints off.
#include <windows.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "nuvopick_run.h"
#include "resource_ids.h"
#include "support/win/screenshot.h"
#include "version.h"
#include "window_driving.h"

namespace nuvopick::testing {
namespace {

constexpr DWORD kTimeout = 15000;

POINT CentreOf(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The setup window's hint once it reads Text; what it read last otherwise.
std::string WaitForSetupHint(HWND setup, const std::string& text) {
  return WaitForText([setup] { return WaitForTooltip(setup, setup, 200); }, text);
}

// Text files as a Windows system has them, for one test: Wine's prefix gives
// ".txt" no file type.
class TTextFileType {
 public:
  TTextFileType() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, ".txt", 0, KEY_READ, &key) == ERROR_SUCCESS) {
      RegCloseKey(key);
      return;
    }
    created_ = RegSetValueA(HKEY_CLASSES_ROOT, ".txt", REG_SZ, "txtfile", 7) == ERROR_SUCCESS;
  }
  TTextFileType(const TTextFileType&) = delete;
  TTextFileType& operator=(const TTextFileType&) = delete;
  ~TTextFileType() {
    if (created_) RegDeleteKeyA(HKEY_CLASSES_ROOT, ".txt");
  }

 private:
  bool created_ = false;
};

HWND FindNotepadWithReadme() {
  for (HWND window = FindWindowExA(nullptr, nullptr, nullptr, nullptr); window != nullptr;
       window = FindWindowExA(nullptr, window, nullptr, nullptr)) {
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    if (IsWindowVisible(window) && std::string(title).find("Readme") != std::string::npos) {
      return window;
    }
  }
  return nullptr;
}

TEST(AboutAndHints, TheRootPageShowsTheAboutPanelAndItsReadmeLinkOpensTheReadme) {
  TNuvoPickRun run("about");
  WriteFileText(run.Folder() / "Readme.txt", "NuvoPick readme");
  TProcess& process = run.Start("");
  HWND setup = process.WaitForVisibleWindow("TForm_setup", kTimeout);
  ASSERT_NE(setup, nullptr);

  HWND title = GetDlgItem(setup, IDC_LABEL_APPTITLE);
  ASSERT_TRUE(IsWindowVisible(title));
  EXPECT_EQ(WindowText(title), std::string("NuvoPick Ver") + NUVOPICK_VERSION_TEXT);
  EXPECT_EQ(WindowText(GetDlgItem(setup, IDC_LABEL_RELEASE)),
            std::string(NUVOPICK_RELEASE_DATE) + " Release");
  EXPECT_NE(Child(setup, "Static", "Author :", true), nullptr);
  EXPECT_NE(Child(setup, "Static", "NuvoPick Project", true), nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(setup, IDC_LABEL_MYURL)), "https://nuvopick.example.jp/");
  EXPECT_EQ(WindowText(GetDlgItem(setup, IDC_LABEL_MYMAIL)), "support@nuvopick.example.jp");
  HWND readme = GetDlgItem(setup, IDC_LABEL_SHOWREADME);
  ASSERT_EQ(WindowText(readme), "Readme.txtを表示");
  UpdateWindow(setup);
  Sleep(300);
  SaveScreenshot("setup-about");

  // The readme beside the program opens in the shell's viewer for text files.
  TTextFileType textFiles;
  SetForegroundWindow(setup);
  ClickOn(readme);
  HWND viewer = nullptr;
  for (DWORD start = GetTickCount(); viewer == nullptr && GetTickCount() - start < kTimeout;) {
    Sleep(100);
    viewer = FindNotepadWithReadme();
  }
  EXPECT_NE(viewer, nullptr);
  if (viewer != nullptr) PostMessageA(viewer, WM_CLOSE, 0, 0);

  ShowSetupPage(setup, 5);
  EXPECT_FALSE(IsWindowVisible(title));
  PostMessageA(setup, WM_CLOSE, 0, 0);
  EXPECT_EQ(process.WaitForExit(kTimeout), 0u);
}

TEST(AboutAndHints, AControlExplainsItselfUntilHintsAreTurnedOff) {
  TNuvoPickRun run("hints");
  TProcess& process = run.Start("");
  HWND setup = process.WaitForVisibleWindow("TForm_setup", kTimeout);
  ASSERT_NE(setup, nullptr);
  SetForegroundWindow(setup);

  HWND ok = GetDlgItem(setup, IDC_BUTTON_OK);
  MovePointer(CentreOf(ok));
  EXPECT_EQ(WaitForSetupHint(setup, "変更した設定を保存し終了します"),
            "変更した設定を保存し終了します");
  SaveScreenshot("setup-hint-ok");

  ShowSetupPage(setup, 2);
  const std::string appAdd =
      "上のテキストボックスで指定した設定を\r\n実行ファイル設定として新規登録します";
  MovePointer(CentreOf(GetDlgItem(setup, IDC_BUTTON_APPADD)));
  EXPECT_EQ(WaitForSetupHint(setup, appAdd), appAdd);
  SaveScreenshot("setup-hint-add");

  // Off takes effect at once, before anything is saved.
  ShowSetupPage(setup, 8);
  ClickOn(GetDlgItem(setup, IDC_CHECKBOX_ISSHOWHINT));
  EXPECT_TRUE(WaitForEnabled(GetDlgItem(setup, IDC_BUTTON_APPLY), true, kTimeout));
  MovePointer({CentreOf(ok).x, CentreOf(ok).y - 60});
  MovePointer(CentreOf(ok));
  Sleep(1500);
  EXPECT_EQ(VisibleTooltipOf(setup), nullptr);

  PostMessageA(setup, WM_CLOSE, 0, 0);
  EXPECT_EQ(process.WaitForExit(kTimeout), 0u);
}

TEST(AboutAndHints, TheDecorationTextMarksAChangeAtTheFirstKeystroke) {
  TNuvoPickRun run("decoration");
  TProcess& process = run.Start("");
  HWND setup = process.WaitForVisibleWindow("TForm_setup", kTimeout);
  ASSERT_NE(setup, nullptr);
  SetForegroundWindow(setup);
  ShowSetupPage(setup, 7);
  HWND decoration = GetDlgItem(setup, IDC_EDIT_CONTEXT_DECORATE);
  HWND apply = GetDlgItem(setup, IDC_BUTTON_APPLY);
  ASSERT_FALSE(IsWindowEnabled(apply));

  ClickOn(decoration);
  TypeKey('A');
  EXPECT_TRUE(WaitForEnabled(apply, true, kTimeout));
  PostMessageA(setup, WM_CLOSE, 0, 0);
  EXPECT_EQ(process.WaitForExit(kTimeout), 0u);
}

}  // namespace
}  // namespace nuvopick::testing
