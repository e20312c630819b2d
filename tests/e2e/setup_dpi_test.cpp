// The setup window and the icon picker on a screen of 144 DPI: every size
// grows by half and no text is cut off. On a 96-DPI screen both follow a move to
// a 144-DPI screen (WM_DPICHANGED) as if they had been made there, and back.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

#include "nuvopick_run.h"
#include "resource_ids.h"
#include "support/win/screenshot.h"
#include "support/win/system_dpi.h"
#include "window_driving.h"

namespace nuvopick::testing {
namespace {

constexpr int kDpi = 144;

int Px(int pixels) {
  return MulDiv(pixels, kDpi, 96);
}

// A font made in this process (at 96 DPI) as large as the program's is at 144.
class TTestFont {
 public:
  TTestFont(int height, bool bold, const char* face)
      : font_(CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                          DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, face)) {}
  explicit TTestFont(const LOGFONTA& face) : font_(CreateFontIndirectA(&face)) {}
  ~TTestFont() { DeleteObject(font_); }
  TTestFont(const TTestFont&) = delete;
  TTestFont& operator=(const TTestFont&) = delete;

  SIZE Extent(const std::string& text) const {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font_);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size;
  }

 private:
  HFONT font_;
};

// The room a check box's or radio button's mark and its gap take before the text.
int MarkRoom() {
  return Px(GetSystemMetrics(SM_CXMENUCHECK) + 4);
}

// Every static and button text of Window (all pages, shown or not) that needs
// more room than its control has, as "text: needed > had". FontOf gives the
// font the program draws a text in.
std::vector<std::string> ClippedTexts(
    HWND window, const std::function<const TTestFont&(const std::string&)>& fontOf) {
  std::vector<HWND> children;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM list) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  std::vector<std::string> clipped;
  for (HWND child : children) {
    char className[32] = "";
    GetClassNameA(child, className, sizeof className);
    const std::string text = WindowText(child);
    if (text.empty()) continue;
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(child, GWL_STYLE));
    RECT client{};
    GetClientRect(child, &client);
    int room = client.right;
    int lines = 1;
    if (lstrcmpiA(className, "Static") == 0) {
      const DWORD type = style & SS_TYPEMASK;
      if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT) continue;
    } else if (lstrcmpiA(className, "Button") == 0) {
      switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
          room -= Px(4);  // the button's edges
          break;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
          room -= MarkRoom();
          if (style & BS_MULTILINE) lines = 2;
          break;
        case BS_GROUPBOX:
          room -= Px(12);  // the frame's corner and the gaps beside the caption
          break;
        default:
          continue;
      }
    } else {
      continue;
    }
    const SIZE need = fontOf(text).Extent(text);
    if (need.cx > lines * room || need.cy * lines > client.bottom) {
      clipped.push_back(text + ": " + std::to_string(need.cx) + "x" + std::to_string(need.cy) +
                        " > " + std::to_string(lines) + " line(s) of " + std::to_string(room) +
                        "x" + std::to_string(client.bottom));
    }
  }
  return clipped;
}

// The setup window's texts: the pages' headings in bold, the about panel's
// title larger, the rest in the window's face, each at 144 DPI.
std::vector<std::string> ClippedSetupTexts(HWND setup) {
  static const std::set<std::string> headings = {"NuvoPick",
                                                 "アプリ設定",
                                                 "拡張子別設定",
                                                 "共通アプリ設定",
                                                 "関連付け実行モード",
                                                 "関連付け実行モード設定",
                                                 "関連付け実行モード設定2",
                                                 "ｺﾝﾃｷｽﾄﾒﾆｭｰ設定",
                                                 "設定モード設定"};
  const TTestFont normal(Px(-12), false, "ＭＳ Ｐゴシック");
  const TTestFont bold(Px(-12), true, "ＭＳ Ｐゴシック");
  const TTestFont title(Px(-16), true, "ＭＳ Ｐゴシック");
  return ClippedTexts(setup, [&](const std::string& text) -> const TTestFont& {
    if (text.rfind("NuvoPick Ver", 0) == 0) return title;
    return headings.count(text) != 0 ? bold : normal;
  });
}

// The icon picker's texts, in the system's dialog font grown by half.
std::vector<std::string> ClippedPickerTexts(HWND picker) {
  LOGFONTA face{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
  face.lfHeight = MulDiv(face.lfHeight, kDpi, 96);
  const TTestFont font(face);
  return ClippedTexts(picker, [&](const std::string&) -> const TTestFont& { return font; });
}

SIZE ClientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

int WidthOf(HWND control) {
  RECT bounds{};
  GetWindowRect(control, &bounds);
  return bounds.right - bounds.left;
}

// What the system sends a window dragged from a screen of From DPI onto one of
// To: the new DPI and the window's rectangle grown in proportion.
void SendDpiChanged(HWND window, int from, int to) {
  RECT now{};
  GetWindowRect(window, &now);
  RECT suggested{now.left, now.top, now.left + MulDiv(now.right - now.left, to, from),
                 now.top + MulDiv(now.bottom - now.top, to, from)};
  SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
}

std::string SettingsWithAnExtension() {
  const std::string ext = "npd" + std::to_string(GetCurrentProcessId());
  return "[]\r\nAllExt=" + ext + "|\r\n[" + ext + "]\r\nCount=0\r\n";
}

void ExpectScaledClient(HWND setup, int dpi) {
  const SIZE client = ClientSize(setup);
  EXPECT_NEAR(client.cx, MulDiv(588, dpi, 96), 2) << dpi << " DPI";
  EXPECT_NEAR(client.cy, MulDiv(391, dpi, 96), 2) << dpi << " DPI";
}

TEST(SetupWindowDpi, At144DpiTheSetupWindowAndThePickerGrowByHalfAndCutNoText) {
  TNuvoPickRun run("setup-dpi-144");
  WriteFileText(run.SettingsPath(), SettingsWithAnExtension());
  HWND setup = nullptr;
  TProcess* process = nullptr;
  {
    // The program takes the screen's DPI when it starts.
    TScopedSystemDpi screen(kDpi);
    process = &run.Start("");
    setup = process->WaitForVisibleWindow("TForm_setup", kWaitLimit);
  }
  ASSERT_NE(setup, nullptr);
  ExpectScaledClient(setup, kDpi);
  EXPECT_EQ(WidthOf(GetDlgItem(setup, IDC_BUTTON_APPLY)), Px(80));
  for (const std::string& text : ClippedSetupTexts(setup)) ADD_FAILURE() << "clipped: " << text;
  EXPECT_EQ(SendMessageA(GetDlgItem(setup, IDC_LISTBOXEX_EXT), LB_GETITEMHEIGHT, 0, 0), Px(12));

  // No hint over the pages in the pictures.
  MovePointer({0, 0});
  HWND tree = GetDlgItem(setup, IDC_TV_SELECT);
  const std::vector<HTREEITEM> nodes = TreeNodes(tree);
  for (std::size_t page = 0; page < nodes.size(); ++page) {
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(nodes[page]));
    UpdateWindow(setup);
    Sleep(100);
    SaveScreenshot("setup-144dpi-page-" + std::to_string(page));
  }

  ShowSetupPage(setup, 2);
  HWND picker = OpenIconPicker(*process, setup);
  ASSERT_NE(picker, nullptr);
  // Six columns and five rows of cells 72 pixels high and wide, each with its line.
  const SIZE grid = ClientSize(GetDlgItem(picker, IDC_ICON_GRID));
  EXPECT_GE(grid.cx, 6 * Px(49));
  EXPECT_GE(grid.cy, 5 * Px(49));
  for (const std::string& text : ClippedPickerTexts(picker)) ADD_FAILURE() << "clipped: " << text;
  Sleep(200);
  SaveScreenshot("icon-picker-144dpi");
  PostMessageA(picker, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitForEnabled(setup, true, kWaitLimit));

  PostMessageA(setup, WM_CLOSE, 0, 0);
  EXPECT_EQ(process->WaitForExit(kWaitLimit), 0u);
}

TEST(SetupWindowDpi, BothWindowsLayThemselvesOutAgainOnAScreenOfAnotherDpi) {
  TNuvoPickRun run("setup-dpi-change");
  WriteFileText(run.SettingsPath(), SettingsWithAnExtension());
  TProcess& process = run.Start("");
  HWND setup = process.WaitForVisibleWindow("TForm_setup", kWaitLimit);
  ASSERT_NE(setup, nullptr);
  ShowSetupPage(setup, 2);
  HWND apply = GetDlgItem(setup, IDC_BUTTON_APPLY);
  HWND extList = GetDlgItem(setup, IDC_LISTBOXEX_EXT);
  ExpectScaledClient(setup, 96);

  SendDpiChanged(setup, 96, kDpi);
  ExpectScaledClient(setup, kDpi);
  EXPECT_EQ(WidthOf(apply), Px(80));
  EXPECT_EQ(SendMessageA(extList, LB_GETITEMHEIGHT, 0, 0), Px(12));
  for (const std::string& text : ClippedSetupTexts(setup)) ADD_FAILURE() << "clipped: " << text;
  UpdateWindow(setup);
  Sleep(100);
  SaveScreenshot("setup-dpi-changed-to-144");

  // Back on a 96-DPI screen the window is as it was made.
  SendDpiChanged(setup, kDpi, 96);
  ExpectScaledClient(setup, 96);
  EXPECT_EQ(WidthOf(apply), 80);
  EXPECT_EQ(SendMessageA(extList, LB_GETITEMHEIGHT, 0, 0), 12);

  HWND picker = OpenIconPicker(process, setup);
  ASSERT_NE(picker, nullptr);
  HWND ok = GetDlgItem(picker, IDOK);
  const int okWidth = WidthOf(ok);
  SendDpiChanged(picker, 96, kDpi);
  const SIZE grid = ClientSize(GetDlgItem(picker, IDC_ICON_GRID));
  EXPECT_GE(grid.cx, 6 * Px(49));
  EXPECT_GE(grid.cy, 5 * Px(49));
  EXPECT_EQ(WidthOf(ok), Px(okWidth));
  for (const std::string& text : ClippedPickerTexts(picker)) ADD_FAILURE() << "clipped: " << text;
  PostMessageA(picker, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitForEnabled(setup, true, kWaitLimit));

  PostMessageA(setup, WM_CLOSE, 0, 0);
  EXPECT_EQ(process.WaitForExit(kWaitLimit), 0u);
}

}  // namespace
}  // namespace nuvopick::testing
