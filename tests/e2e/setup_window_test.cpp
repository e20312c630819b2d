// The setup window of the real NuvoPick.exe: one setup mode at a time, the tree
// and its pages, OK and Cancel with the settings file, the associations that
// exist only while setup mode runs, and resident mode with its tray menu.
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
#include "support/win/screenshot.h"
#include "window_driving.h"

namespace nuvopick::testing {
namespace {

constexpr DWORD kTimeout = 15000;
constexpr UINT kWmTrayNotify = 0x8069;
constexpr LPARAM kLeftButtonDown = 0x201;
constexpr LPARAM kRightButtonDown = 0x204;

// What OK writes for settings that are all at their defaults and no extension.
std::string DefaultSettingsFile(const std::string& exePath) {
  return "[]\r\nAllExt=\r\nIsWait=1\r\nMoveLen=1\r\nWaitTime=100\r\nIsNoClickExe=0\r\n"
         "NoClickWait=3000\r\nIsExeBySingleClick=0\r\nIsOnly1Exe=0\r\nIsGatherFiles=1\r\n"
         "IsShowHintRel=1\r\n"
         "IsState=0\r\nIsRelOnExe=0\r\nRegScope=0\r\nIsShowHint=1\r\nIsUseSkin=0\r\nSkinPath=\r\n"
         "BackColor=15793151\r\nIsShowIcon=0\r\nContext_IsDecorate=1\r\nContext_DecorateText=■\r\n"
         "AutoExeType_NoClick=0\r\nIsUseSound=0\r\nIsUsersSound=0\r\nUserSoundPath=\r\n"
         "SoundMBType=OK\r\nDeactAction=0\r\nCommonAppInsertPos=1\r\n"
         "Font_Name=ＭＳ Ｐゴシック\r\nFont_Size=9\r\nFont_Color=-2147483640\r\n"
         "Font_CharSet=128\r\nFont_Style_Bold=0\r\nFont_Style_Italic=0\r\n"
         "Font_Style_UnderLine=0\r\nFont_Style_StrikeOut=0\r\nAppPath=" +
         exePath +
         "\r\n\r\n"
         "[<COMMON>]\r\nCount=0\r\nIconPath=\r\nIconIndex=0\r\nrlmdExe=0\r\n"
         "rlmdContextMenu=0\r\n\r\n";
}

TEST(SetupWindow, OpensCentredOnTheRootPageAndTheTreeShowsEachPage) {
  TNuvoPickRun run("setup-pages");
  TProcess& process = run.Start("");
  HWND setup = process.WaitForVisibleWindow("TForm_setup", kTimeout);
  ASSERT_NE(setup, nullptr);

  RECT rect{};
  GetWindowRect(setup, &rect);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2);
  // Nothing changed yet: no apply, no reload.
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(setup, IDC_BUTTON_APPLY)));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(setup, IDC_BUTTON_RELOAD)));
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(setup, IDC_BUTTON_OK)));
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(setup, IDC_BUTTON_CANCEL)));

  // A control that only its own page shows, per node in the tree's order.
  const struct {
    const char* className;
    const char* text;
  } marks[] = {
      {"Static", "左のツリーから設定項目を選択してください"},
      {"Static", "「拡張子別」または「全拡張子共通」を選択してください"},
      {"Static", "拡張子"},
      {"Static", "全拡張子共通のアプリケーション"},
      {"Static", "「一般」または「外観・サウンド」を選択してください"},
      {"Button", "シングルクリックで実行する"},
      {"Button", "スキンを使用する"},
      {"Button", "メニューの文字の前に装飾を入れる"},
      {"Button", "常駐する"},
  };
  HWND tree = GetDlgItem(setup, IDC_TV_SELECT);
  ASSERT_NE(tree, nullptr);
  const std::vector<HTREEITEM> nodes = TreeNodes(tree);
  ASSERT_EQ(nodes.size(), std::size(marks));
  EXPECT_EQ(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0),
            reinterpret_cast<LRESULT>(nodes[0]));

  for (std::size_t page = 0; page < nodes.size(); ++page) {
    if (page > 0) {
      SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(nodes[page]));
    }
    for (std::size_t other = 0; other < nodes.size(); ++other) {
      HWND mark = Child(setup, marks[other].className, marks[other].text);
      ASSERT_NE(mark, nullptr) << marks[other].text;
      EXPECT_EQ(IsWindowVisible(mark) != FALSE, other == page)
          << "page " << page << ": " << marks[other].text;
    }
    UpdateWindow(setup);
    Sleep(100);
    SaveScreenshot("setup-page-" + std::to_string(page));
  }

  // The tree stays expanded: the keys that collapse a node are refused.
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(nodes[0]));
  for (WPARAM key : {VK_LEFT, VK_SUBTRACT}) {
    SendMessageA(tree, WM_KEYDOWN, key, 0);
    EXPECT_EQ(TreeNodes(tree).size(), nodes.size()) << "key " << key;
  }

  PostMessageA(setup, WM_CLOSE, 0, 0);
  EXPECT_EQ(process.WaitForExit(kTimeout), 0u);
}

TEST(SetupWindow, WhatTheUserChangesMarksAChangeAndApplyWritesIt) {
  TNuvoPickRun run("setup-input");
  TProcess& process = run.Start("");
  HWND setup = process.WaitForVisibleWindow("TForm_setup", kTimeout);
  ASSERT_NE(setup, nullptr);
  HWND tree = GetDlgItem(setup, IDC_TV_SELECT);
  const std::vector<HTREEITEM> nodes = TreeNodes(tree);
  ASSERT_EQ(nodes.size(), 9u);
  HWND apply = GetDlgItem(setup, IDC_BUTTON_APPLY);
  HWND reload = GetDlgItem(setup, IDC_BUTTON_RELOAD);

  // Each change on its page, then the line that apply writes for it.
  const struct {
    std::size_t page;
    int control;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    const char* written;
  } changes[] = {
      {5, IDC_CHECKBOX_ISEXEBYSINGLECLICK, BM_CLICK, 0, 0, "IsExeBySingleClick=1\r\n"},
      {5, IDC_RADIO_ITEM(IDC_RADIOGROUP_DEACT, 1), BM_CLICK, 0, 0, "DeactAction=1\r\n"},
      {5, IDC_PANEL_AET_NOCLICK, WM_LBUTTONDOWN, MK_LBUTTON, 0, "AutoExeType_NoClick=1\r\n"},
      {5, IDC_TRACKBAR_MOVLEN, WM_KEYDOWN, VK_RIGHT, 0, "MoveLen=6\r\n"},
      {6, IDC_RADIOBUTTON_SOUND_MB_BEEP, BM_CLICK, 0, 0, "SoundMBType=BEEP\r\n"},
      {7, IDC_EDIT_CONTEXT_DECORATE, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("★"),
       "Context_DecorateText=★\r\n"},
      {8, IDC_CHECKBOX_ISSHOWHINT, BM_CLICK, 0, 0, "IsShowHint=0\r\n"},
  };
  // Each change alone marks unsaved changes; apply writes it and clears the mark.
  for (const auto& change : changes) {
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(nodes[change.page]));
    HWND control = GetDlgItem(setup, change.control);
    ASSERT_TRUE(IsWindowVisible(control)) << change.written;
    ASSERT_FALSE(IsWindowEnabled(apply)) << change.written;
    SendMessageA(control, change.message, change.wParam, change.lParam);
    // The two buttons change together, one just after the other.
    EXPECT_TRUE(WaitForEnabled(apply, true, kTimeout)) << change.written;
    EXPECT_TRUE(WaitForEnabled(reload, true, kTimeout)) << change.written;
    if (change.message == WM_KEYDOWN) {
      // The slider's position shows beside it.
      EXPECT_EQ(WindowText(GetDlgItem(setup, IDC_LABEL_MOVLEN)), "6");
    }

    PostMessageA(apply, BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitForEnabled(apply, false, kTimeout)) << change.written;
    EXPECT_TRUE(WaitForEnabled(reload, false, kTimeout)) << change.written;
    EXPECT_NE(ReadFileText(run.SettingsPath()).find(change.written), std::string::npos)
        << change.written;
  }
  PostMessageA(setup, WM_CLOSE, 0, 0);
  EXPECT_EQ(process.WaitForExit(kTimeout), 0u);
}

HWND WaitForFocusChange(HWND window, HWND from, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  HWND focus = FocusOf(window);
  while (focus == from && GetTickCount() - start < milliseconds) {
    Sleep(20);
    focus = FocusOf(window);
  }
  return focus;
}

TEST(SetupWindow, TabMovesTheKeyboardFromControlToControl) {
  TNuvoPickRun run("setup-tab");
  TProcess& process = run.Start("");
  HWND setup = process.WaitForVisibleWindow("TForm_setup", kTimeout);
  ASSERT_NE(setup, nullptr);
  SetForegroundWindow(setup);
  HWND tree = GetDlgItem(setup, IDC_TV_SELECT);
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET,
               reinterpret_cast<LPARAM>(TreeNodes(tree)[5]));  // the gate's behaviour page
  Sleep(300);

  std::vector<HWND> visited{FocusOf(setup)};
  for (int i = 0; i < 4; ++i) {
    TypeKey(VK_TAB);
    HWND next = WaitForFocusChange(setup, visited.back(), kTimeout);
    EXPECT_NE(next, visited.back()) << "Tab " << i + 1;
    EXPECT_TRUE(IsWindowVisible(next)) << "Tab " << i + 1;
    EXPECT_EQ(GetParent(next), setup) << "Tab " << i + 1;
    visited.push_back(next);
  }
  PostMessageA(setup, WM_CLOSE, 0, 0);
  EXPECT_EQ(process.WaitForExit(kTimeout), 0u);
}

TEST(SetupWindow, ASecondSetupModeIsRefusedWhileTheFirstRunsOn) {
  TNuvoPickRun first("setup-first");
  TProcess& running = first.Start("");
  HWND setup = running.WaitForVisibleWindow("TForm_setup", kTimeout);
  ASSERT_NE(setup, nullptr);

  TNuvoPickRun second("setup-second");
  TProcess& refused = second.Start("");
  HWND box = WaitForWindow(refused, "#32770", kTimeout);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WindowText(box), "警告");
  EXPECT_NE(Child(box, "Static", "NuvoPickを設定モードで二重起動することはできません"), nullptr);
  EXPECT_TRUE(refused.Windows("TForm_setup").empty() ||
              !IsWindowVisible(refused.Windows("TForm_setup")[0]));
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(refused.WaitForExit(kTimeout), 0u);

  EXPECT_EQ(running.WaitForExit(300), static_cast<DWORD>(STILL_ACTIVE));
  EXPECT_TRUE(IsWindowVisible(setup));
  PostMessageA(setup, WM_CLOSE, 0, 0);
  EXPECT_EQ(running.WaitForExit(kTimeout), 0u);
}

TEST(SetupWindow, OkRewritesTheSettingsFileAndCancelLeavesItAlone) {
  {
    TNuvoPickRun run("setup-ok");
    // A key the program does not know is dropped by the rewrite.
    WriteFileText(run.SettingsPath(), "[]\r\nStray=1\r\n");
    TProcess& process = run.Start("");
    HWND setup = process.WaitForVisibleWindow("TForm_setup", kTimeout);
    ASSERT_NE(setup, nullptr);
    PostMessageA(GetDlgItem(setup, IDC_BUTTON_OK), BM_CLICK, 0, 0);
    EXPECT_EQ(process.WaitForExit(kTimeout), 0u);
    EXPECT_EQ(ReadFileText(run.SettingsPath()), DefaultSettingsFile(run.ExePath()));
  }
  {
    TNuvoPickRun run("setup-cancel");
    const std::string settings = "[]\r\nStray=1\r\nIsWait=0\r\n";
    WriteFileText(run.SettingsPath(), settings);
    TProcess& process = run.Start("");
    HWND setup = process.WaitForVisibleWindow("TForm_setup", kTimeout);
    ASSERT_NE(setup, nullptr);
    PostMessageA(GetDlgItem(setup, IDC_BUTTON_CANCEL), BM_CLICK, 0, 0);
    EXPECT_EQ(process.WaitForExit(kTimeout), 0u);
    EXPECT_EQ(ReadFileText(run.SettingsPath()), settings);
  }
}

TEST(SetupWindow, OkRepeatsTheRegistryWorkForEveryAssociatedExtension) {
  TNuvoPickRun run("setup-ok-registry");
  const std::string ext = "npo" + std::to_string(GetCurrentProcessId());
  const std::string type = "NuvoPick_AutoOpen_" + ext;
  TClassStoreView store = ShellClasses();
  win::TWinFileSystem files;
  TRegistryAssociation association{{RealHives(), files, run.ExePath()}};
  TExtInfo record;
  record.Name = ext;
  record.RegFlags = {rlmdExe};
  association.ApplyRegistration(record, "");
  // Something else changed the open command since.
  store.WriteDefault(type + "\\shell\\open\\command", "other.exe \"%1\"");
  WriteFileText(run.SettingsPath(), "[]\r\nAllExt=" + ext + "|\r\n[" + ext + "]\r\nCount=0\r\n");

  TProcess& process = run.Start("");
  HWND setup = process.WaitForVisibleWindow("TForm_setup", kTimeout);
  ASSERT_NE(setup, nullptr);
  PostMessageA(GetDlgItem(setup, IDC_BUTTON_OK), BM_CLICK, 0, 0);
  EXPECT_EQ(process.WaitForExit(kTimeout), 0u);
  EXPECT_EQ(store.ReadDefault(type + "\\shell\\open\\command").value_or(""),
            association.OpenCommand());
  DeleteTestClasses({"." + ext, type});
}

TEST(SetupWindow, SavedAssociationsExistOnlyWhileSetupModeRuns) {
  // Setup mode ends by its Cancel button, or the user logs off while it runs.
  for (const bool logOff : {false, true}) {
    TNuvoPickRun run("setup-relonexe");
    const std::string ext = "nps" + std::to_string(GetCurrentProcessId());
    TExtInfo record;
    record.Name = ext;
    ASSERT_FALSE(KeyExists("." + ext));
    WriteFileText(run.SettingsPath(), "[]\r\nIsRelOnExe=1\r\nAllExt=" + ext + "|\r\n[" + ext +
                                          "]\r\nCount=0\r\nrlmdExe=1\r\n");

    TProcess& process = run.Start("");
    HWND setup = process.WaitForVisibleWindow("TForm_setup", kTimeout);
    ASSERT_NE(setup, nullptr);
    EXPECT_TRUE(record.GetRegState(ShellClasses()).Contains(rlmdExe)) << logOff;

    if (logOff) {
      SendMessageA(setup, WM_ENDSESSION, TRUE, 0);
      EXPECT_FALSE(KeyExists("." + ext));
      PostMessageA(setup, WM_CLOSE, 0, 0);
    } else {
      PostMessageA(GetDlgItem(setup, IDC_BUTTON_CANCEL), BM_CLICK, 0, 0);
    }
    EXPECT_EQ(process.WaitForExit(kTimeout), 0u);
    EXPECT_FALSE(KeyExists("." + ext)) << logOff;
    EXPECT_TRUE(record.GetRegState(ShellClasses()).Empty()) << logOff;
    // In case the program left anything behind.
    DeleteTestClasses({"." + ext, ExtRegNamesFor(ext).T});
  }
}

TEST(SetupWindow, AnExtensionIsAddedMarkedAndAppliedOnItsPage) {
  TNuvoPickRun run("setup-extensions");
  const std::string ext = "np" + std::to_string(GetCurrentProcessId());
  ASSERT_FALSE(KeyExists("." + ext));
  TProcess& process = run.Start("");
  HWND setup = process.WaitForVisibleWindow("TForm_setup", kTimeout);
  ASSERT_NE(setup, nullptr);
  HWND tree = GetDlgItem(setup, IDC_TV_SELECT);
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(TreeNodes(tree)[2]));

  // Typed in capitals with a dot: the list takes the bare name in small letters.
  HWND edit = GetDlgItem(setup, IDC_EDIT_EXT);
  ASSERT_NE(edit, nullptr);
  std::string typed = "." + ext;
  for (char& c : typed) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
  SendMessageA(GetDlgItem(setup, IDC_BUTTON_EXTNEW), BM_CLICK, 0, 0);
  HWND list = GetDlgItem(setup, IDC_LISTBOXEX_EXT);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(WaitForRow(list, 0, "  | " + ext), "  | " + ext);
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 1);

  // A left double click marks R; right double clicks turn M on and off again.
  const LPARAM onRow = MAKELPARAM(10, 5);
  PostDoubleClick(list, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONUP, onRow);
  EXPECT_EQ(WaitForRow(list, 0, "R | " + ext), "R | " + ext);
  PostDoubleClick(list, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK, WM_RBUTTONUP, onRow);
  EXPECT_EQ(WaitForRow(list, 0, "RM| " + ext), "RM| " + ext);
  PostDoubleClick(list, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK, WM_RBUTTONUP, onRow);
  EXPECT_EQ(WaitForRow(list, 0, "R | " + ext), "R | " + ext);
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
  UpdateWindow(setup);
  Sleep(100);
  SaveScreenshot("setup-page-2-extensions");

  // The icon panel opens the icon picker, which keeps the setup window disabled
  // until it closes.
  HWND picker = OpenIconPicker(process, setup);
  ASSERT_NE(picker, nullptr);
  EXPECT_TRUE(WaitForEnabled(setup, false, kTimeout));
  SendMessageA(GetDlgItem(picker, IDCANCEL), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitForEnabled(setup, true, kTimeout));

  HWND apply = GetDlgItem(setup, IDC_BUTTON_APPLY);
  PostMessageA(apply, BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitForEnabled(apply, false, kTimeout));
  const std::string written = ReadFileText(run.SettingsPath());
  EXPECT_NE(written.find("AllExt=" + ext + "|\r\n"), std::string::npos) << written;
  const std::size_t section = written.find("[" + ext + "]\r\n");
  ASSERT_NE(section, std::string::npos) << written;
  EXPECT_NE(written.find("rlmdExe=1\r\n", section), std::string::npos) << written;
  EXPECT_NE(written.find("rlmdContextMenu=0\r\n", section), std::string::npos) << written;
  EXPECT_TRUE(KeyExists("." + ext));

  PostMessageA(setup, WM_CLOSE, 0, 0);
  EXPECT_EQ(process.WaitForExit(kTimeout), 0u);
  // Puts back what the association replaced, in both hives: here, nothing.
  win::TWinFileSystem files;
  TRegistryAssociation association{{RealHives(), files, run.ExePath()}};
  TExtInfo record;
  record.Name = ext;
  EXPECT_TRUE(association.Release(record));
  EXPECT_FALSE(KeyExists("." + ext));
  DeleteTestClasses({"." + ext, ExtRegNamesFor(ext).T});
}

TEST(SetupWindow, ResidentModeClosesToTheTrayAndItsMenuEndsIt) {
  TNuvoPickRun run("setup-resident");
  WriteFileText(run.SettingsPath(), "[]\r\nIsState=1\r\n");
  TProcess& process = run.Start("");
  HWND setup = process.WaitForVisibleWindow("TForm_setup", kTimeout);
  ASSERT_NE(setup, nullptr);
  // Only the tray menu leaves a resident setup mode.
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(setup, IDC_BUTTON_OK)));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(setup, IDC_BUTTON_CANCEL)));

  // Closing keeps it running, out of sight; a left click on the icon brings it back.
  for (int round = 0; round < 2; ++round) {
    PostMessageA(setup, WM_CLOSE, 0, 0);
    EXPECT_EQ(process.WaitForExit(500), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_FALSE(IsWindowVisible(setup));
    if (round == 0) {
      PostMessageA(setup, kWmTrayNotify, 1, kLeftButtonDown);
      EXPECT_EQ(process.WaitForVisibleWindow("TForm_setup", kTimeout), setup);
      EXPECT_FALSE(IsIconic(setup));
    }
  }

  SetCursorPos(400, 300);
  PostMessageA(setup, kWmTrayNotify, 1, kRightButtonDown);
  HWND menu = WaitForWindow(process, "#32768", kTimeout);
  ASSERT_NE(menu, nullptr);
  Sleep(200);
  SaveScreenshot("setup-tray-menu");

  // From the bottom: "キャンセル", then "終了".
  TypeKey(VK_UP);
  TypeKey(VK_UP);
  TypeKey(VK_RETURN);
  EXPECT_EQ(process.WaitForExit(kTimeout), 0u);
}

TEST(SetupWindow, TheTrayExitAsksOnlyWithUnsavedChanges) {
  const struct {
    int answer;
    bool ends;
    bool saved;
  } answers[] = {{IDCANCEL, false, false}, {IDNO, true, false}, {IDYES, true, true}};
  for (const auto& answer : answers) {
    TNuvoPickRun run("setup-exit");
    const std::string settings = "[]\r\nIsState=1\r\n";
    WriteFileText(run.SettingsPath(), settings);
    TProcess& process = run.Start("");
    HWND setup = process.WaitForVisibleWindow("TForm_setup", kTimeout);
    ASSERT_NE(setup, nullptr);
    HWND tree = GetDlgItem(setup, IDC_TV_SELECT);
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(TreeNodes(tree)[5]));
    SendMessageA(GetDlgItem(setup, IDC_CHECKBOX_ISEXEBYSINGLECLICK), BM_CLICK, 0, 0);

    PostMessageA(setup, kWmTrayNotify, 1, kRightButtonDown);
    ASSERT_NE(WaitForWindow(process, "#32768", kTimeout), nullptr);
    Sleep(100);
    TypeKey(VK_UP);
    TypeKey(VK_UP);
    TypeKey(VK_RETURN);
    HWND box = WaitForWindow(process, "#32770", kTimeout);
    ASSERT_NE(box, nullptr) << answer.answer;
    EXPECT_EQ(WindowText(box), "NuvoPick 終了確認");
    EXPECT_NE(Child(box, "Static", "設定が変更されています。保存して終了しますか?"), nullptr);
    PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(answer.answer), 0);

    if (answer.ends) {
      EXPECT_EQ(process.WaitForExit(kTimeout), 0u) << answer.answer;
    } else {
      EXPECT_EQ(process.WaitForExit(500), static_cast<DWORD>(STILL_ACTIVE));
    }
    const std::string written = ReadFileText(run.SettingsPath());
    EXPECT_EQ(written.find("IsExeBySingleClick=1") != std::string::npos, answer.saved)
        << answer.answer;
    if (!answer.saved) {
      EXPECT_EQ(written, settings) << answer.answer;
    }
  }
}

}  // namespace
}  // namespace nuvopick::testing
