// The folder browser against the real shell dialog: where it opens, how its
// tree and buttons are laid out, that the next dialog opens where the user left
// the last, and the folder it answers. A second thread plays the user.
#include "controls/win/browse_folder_win.h"

#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "support/win/temp_folder.h"

namespace nuvopick::win {
namespace {

constexpr int kTreeItem = 14145;

// What the user saw of the dialog once it showed.
struct TSeen {
  HWND dialog = nullptr;
  HWND owner = nullptr;
  std::string caption;
  RECT bounds{};
  RECT tree{};    // on the screen
  RECT ok{};      // in the dialog's client coordinates
  RECT cancel{};  // in the dialog's client coordinates
};

RECT ClientBoundsOf(HWND dialog, HWND control) {
  RECT bounds{};
  GetWindowRect(control, &bounds);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

// The shown dialog box (class #32770) among the windows of a thread.
BOOL CALLBACK MatchDialog(HWND window, LPARAM data) {
  char name[16] = "";
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(data) = window;
  return FALSE;
}

HWND FindDialogOf(DWORD thread) {
  HWND found = nullptr;
  EnumThreadWindows(thread, &MatchDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

struct TTextSearch {
  std::string text;
  HWND found = nullptr;
};

BOOL CALLBACK MatchText(HWND child, LPARAM data) {
  auto& search = *reinterpret_cast<TTextSearch*>(data);
  char buffer[256] = "";
  GetWindowTextA(child, buffer, sizeof buffer);
  if (search.text != buffer) return TRUE;
  search.found = child;
  return FALSE;
}

HWND FindChildWithText(HWND dialog, const std::string& text) {
  TTextSearch search{text};
  EnumChildWindows(dialog, &MatchText, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Waits on its own thread for the dialog of the UI thread to show, notes what
// it looks like, runs Act on it and presses Button, as a user would (posted, so
// that the dialog's own message loop sees it). A dialog that does not close is
// closed all the same, so that a failing test never hangs.
class TUser {
 public:
  explicit TUser(int button, std::function<void(HWND)> act = {})
      : ui_(GetCurrentThreadId()), button_(button), act_(std::move(act)) {
    thread_ = CreateThread(nullptr, 0, &TUser::Main, this, 0, nullptr);
  }
  TUser(const TUser&) = delete;
  TUser& operator=(const TUser&) = delete;
  ~TUser() { Join(); }

  // Call after Execute returned.
  const TSeen& Seen() {
    Join();
    return seen_;
  }

 private:
  static DWORD WINAPI Main(void* self) {
    static_cast<TUser*>(self)->Run();
    return 0;
  }

  void Join() {
    if (thread_ == nullptr) return;
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    thread_ = nullptr;
  }

  void Run() {
    const ULONGLONG deadline = GetTickCount64() + 20000;
    HWND dialog = nullptr;
    while (dialog == nullptr && GetTickCount64() < deadline) {
      Sleep(50);
      dialog = FindDialogOf(ui_);
    }
    if (dialog == nullptr) return;
    // Let the dialog finish showing before it is measured.
    Sleep(300);
    seen_.dialog = dialog;
    seen_.owner = GetWindow(dialog, GW_OWNER);
    char caption[256] = "";
    GetWindowTextA(dialog, caption, sizeof caption);
    seen_.caption = caption;
    GetWindowRect(dialog, &seen_.bounds);
    GetWindowRect(GetDlgItem(dialog, kTreeItem), &seen_.tree);
    seen_.ok = ClientBoundsOf(dialog, GetDlgItem(dialog, IDOK));
    seen_.cancel = ClientBoundsOf(dialog, GetDlgItem(dialog, IDCANCEL));
    if (act_) act_(dialog);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button_)));
    for (int i = 0; i < 100 && IsWindow(dialog); ++i) Sleep(50);
    if (IsWindow(dialog)) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  }

  DWORD ui_;
  int button_;
  std::function<void(HWND)> act_;
  TSeen seen_;
  HANDLE thread_ = nullptr;
};

std::string SelectedTreeText(HWND dialog) {
  HWND tree = GetDlgItem(dialog, kTreeItem);
  const auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (item == nullptr) return {};
  char text[MAX_PATH] = "";
  TVITEMA tvItem = {};
  tvItem.mask = TVIF_TEXT;
  tvItem.hItem = item;
  tvItem.pszText = text;
  tvItem.cchTextMax = sizeof text;
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tvItem));
  return text;
}

// Waits up to ten seconds for the tree's selected item to read Text.
void WaitForTreeSelection(HWND dialog, const std::string& text) {
  for (int i = 0; i < 200 && lstrcmpiA(SelectedTreeText(dialog).c_str(), text.c_str()) != 0; ++i)
    Sleep(50);
}

int Width(const RECT& r) {
  return r.right - r.left;
}
int Height(const RECT& r) {
  return r.bottom - r.top;
}

class BrowseFolderWin : public ::testing::Test {
 protected:
  void SetUp() override {
    owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200,
                            100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
  }
  void TearDown() override { DestroyWindow(owner); }

  HWND owner = nullptr;
};

TEST_F(BrowseFolderWin, OpensCentredAndNextWhereTheUserLeftIt) {
  TplBrowseFolder browser;
  browser.Caption = "作業フォルダの選択";
  int shows = 0;
  browser.OnShow = [&](TplBrowseFolder&) { ++shows; };

  TUser user(IDCANCEL, [](HWND dialog) {
    SetWindowPos(dialog, nullptr, 100, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  });
  bool answered = ExecuteBrowseFolder(browser, owner);
  const TSeen first = user.Seen();
  ASSERT_NE(first.dialog, nullptr) << "no dialog showed";
  EXPECT_FALSE(answered);
  EXPECT_EQ(browser.SelectedDir(), "");
  EXPECT_FALSE(browser.IsOpen());
  EXPECT_EQ(shows, 1);
  EXPECT_EQ(first.owner, owner);
  EXPECT_EQ(first.caption, "作業フォルダの選択");

  const int width = Width(first.bounds);
  const int height = Height(first.bounds);
  EXPECT_GE(width, 371);
  EXPECT_GE(height, 311);
  EXPECT_EQ(first.bounds.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(first.bounds.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);

  const int okWidth = Width(first.ok);
  const int okHeight = Height(first.ok);
  EXPECT_EQ(Width(first.tree), width - 32);
  EXPECT_EQ(Height(first.tree), first.bounds.bottom - first.tree.top - okHeight - 18);
  EXPECT_EQ(first.ok.left, width - 2 * okWidth - 25);
  EXPECT_EQ(first.ok.top, height - okHeight - 35);
  EXPECT_EQ(first.cancel.left, first.ok.left + okWidth + 5);
  EXPECT_EQ(first.cancel.top, first.ok.top);

  EXPECT_EQ(browser.FormLeft, 100);
  EXPECT_EQ(browser.FormTop, 80);
  EXPECT_EQ(browser.FormWidth(), width);
  EXPECT_EQ(browser.FormHeight(), height);

  // The next dialog opens there. When the user selects another folder, the
  // handler hears of it and its status text shows. (Whether its answer keeps OK
  // disabled cannot be seen under Wine, whose dialog sets OK again by its own
  // rule after the callback.)
  std::vector<std::string> changes;
  HWND changedDialog = nullptr;
  browser.Options.Include(TplBrowseOption::bifStatusText);
  browser.OnSelectionChanged = [&](TplBrowseFolder&, std::uintptr_t wnd,
                                   const std::string& directory, std::string& statusText,
                                   bool& okBtnEnabled) {
    changes.push_back(directory);
    changedDialog = reinterpret_cast<HWND>(wnd);
    statusText = "選べません";
    okBtnEnabled = false;
  };
  testing::TTempFolder folder("browse");
  browser.InitDir = folder.Path();
  bool statusShown = false;
  TUser again(IDCANCEL, [&statusShown](HWND dialog) {
    HWND tree = GetDlgItem(dialog, kTreeItem);
    const LRESULT root = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, root);
    statusShown = FindChildWithText(dialog, "選べません") != nullptr;
  });
  answered = ExecuteBrowseFolder(browser, owner);
  const TSeen second = again.Seen();
  ASSERT_NE(second.dialog, nullptr) << "no dialog showed";
  EXPECT_FALSE(answered);
  EXPECT_EQ(second.bounds.left, 100);
  EXPECT_EQ(second.bounds.top, 80);
  EXPECT_EQ(Width(second.bounds), width);
  EXPECT_EQ(Height(second.bounds), height);
  char desktop[MAX_PATH] = "";
  SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOP, FALSE);
  ASSERT_FALSE(changes.empty());
  EXPECT_EQ(changes.back(), desktop);
  EXPECT_EQ(changedDialog, second.dialog);
  EXPECT_TRUE(statusShown);
}

TEST_F(BrowseFolderWin, OkAnswersTheInitialFolderOrTheDesktopForAFile) {
  testing::TTempFolder folder("選択");
  testing::WriteFileText(folder / "a.txt", "x");
  char desktop[MAX_PATH] = "";
  ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOP, FALSE));
  struct Case {
    std::string initDir;
    std::string expected;
    std::string treeItem;  // the item OK waits for; none for the desktop
  };
  const std::string folderName = folder.Path().substr(folder.Path().find_last_of('\\') + 1);
  const Case cases[] = {
      {folder.Path(), folder.Path(), folderName},
      {folder / "a.txt", desktop, ""},
  };
  for (const Case& c : cases) {
    TplBrowseFolder browser;
    browser.InitDir = c.initDir;
    // The tree reaches the initial folder item by item; on a busy machine that can take
    // longer than the dialog takes to show, so OK waits for the folder's own item.
    TUser user(IDOK, [&c](HWND dialog) {
      if (!c.treeItem.empty()) WaitForTreeSelection(dialog, c.treeItem);
    });
    const bool answered = ExecuteBrowseFolder(browser, owner);
    ASSERT_NE(user.Seen().dialog, nullptr) << "no dialog showed";
    EXPECT_TRUE(answered) << c.initDir;
    EXPECT_EQ(lstrcmpiA(browser.SelectedDir().c_str(), c.expected.c_str()), 0)
        << browser.SelectedDir() << " for " << c.initDir;
  }
}

}  // namespace
}  // namespace nuvopick::win
