#include "controls/win/browse_folder_win.h"

#include <shlobj.h>

#include <exception>
#include <memory>
#include <ole2.h>
#include <optional>
#include <string>
#include <type_traits>

#include "controls/system_paths.h"
#include "platform/win/lazy_library.h"
#include "platform/win/win_setup_services.h"
#include "platform/win/window_dpi.h"
#include "text/ansi_text.h"
#include "text/win/wide_chars.h"

namespace nuvopick::win {
namespace {

// The portable side speaks the shell's numbers without its headers; they must
// be the same.
static_assert(SpecialDirCsidl(TplBFSpecialDir::sfDesktop) == CSIDL_DESKTOP);
static_assert(SpecialDirCsidl(TplBFSpecialDir::sfProgrmas) == CSIDL_PROGRAMS);
static_assert(SpecialDirCsidl(TplBFSpecialDir::sfControls) == CSIDL_CONTROLS);
static_assert(SpecialDirCsidl(TplBFSpecialDir::sfPritners) == CSIDL_PRINTERS);
static_assert(SpecialDirCsidl(TplBFSpecialDir::sfPersonal) == CSIDL_PERSONAL);
static_assert(SpecialDirCsidl(TplBFSpecialDir::sfFavorites) == CSIDL_FAVORITES);
static_assert(SpecialDirCsidl(TplBFSpecialDir::sfStartup) == CSIDL_STARTUP);
static_assert(SpecialDirCsidl(TplBFSpecialDir::sfRecent) == CSIDL_RECENT);
static_assert(SpecialDirCsidl(TplBFSpecialDir::sfSendTo) == CSIDL_SENDTO);
static_assert(SpecialDirCsidl(TplBFSpecialDir::sfBitBucket) == CSIDL_BITBUCKET);
static_assert(SpecialDirCsidl(TplBFSpecialDir::sfStartMenu) == CSIDL_STARTMENU);
static_assert(SpecialDirCsidl(TplBFSpecialDir::sfDesktopDirectory) == CSIDL_DESKTOPDIRECTORY);
static_assert(SpecialDirCsidl(TplBFSpecialDir::sfDrives) == CSIDL_DRIVES);
static_assert(SpecialDirCsidl(TplBFSpecialDir::sfNetWork) == CSIDL_NETWORK);
static_assert(SpecialDirCsidl(TplBFSpecialDir::sfNetHood) == CSIDL_NETHOOD);
static_assert(SpecialDirCsidl(TplBFSpecialDir::sfFonts) == CSIDL_FONTS);
static_assert(SpecialDirCsidl(TplBFSpecialDir::sfTemplates) == CSIDL_TEMPLATES);
static_assert(SpecialDirCsidl(TplBFSpecialDir::sfAppData) == CSIDL_APPDATA);
static_assert(SpecialDirCsidl(TplBFSpecialDir::sfPrintHood) == CSIDL_PRINTHOOD);

static_assert(BrowseOptionFlag(TplBrowseOption::bifReturnOnlyFSDirs) == BIF_RETURNONLYFSDIRS);
static_assert(BrowseOptionFlag(TplBrowseOption::bifDontGoBelowDomain) == BIF_DONTGOBELOWDOMAIN);
static_assert(BrowseOptionFlag(TplBrowseOption::bifReturnFSAncestors) == BIF_RETURNFSANCESTORS);
static_assert(BrowseOptionFlag(TplBrowseOption::bifBrowseForComputer) == BIF_BROWSEFORCOMPUTER);
static_assert(BrowseOptionFlag(TplBrowseOption::bifBrowseForPrinter) == BIF_BROWSEFORPRINTER);
static_assert(BrowseOptionFlag(TplBrowseOption::bifBrowseIncludeFiles) == BIF_BROWSEINCLUDEFILES);
static_assert(BrowseOptionFlag(TplBrowseOption::bifStatusText) == BIF_STATUSTEXT);
static_assert(BrowseOptionFlag(TplBrowseOption::bifNewDialogStyle) == BIF_NEWDIALOGSTYLE);
static_assert(BrowseOptionFlag(TplBrowseOption::bifNonNewFolderButton) == BIF_NONEWFOLDERBUTTON);

static_assert(kBrowsableAttributes ==
              static_cast<std::uint32_t>(SFGAO_FOLDER | SFGAO_HASSUBFOLDER));

// The folder tree of the old-style dialog.
constexpr int kTreeItem = 14145;

// The shell's and OLE's functions, looked up once.
struct TShellFunctions {
  decltype(SHBrowseForFolderA)* browse =
      LazyFunction<decltype(SHBrowseForFolderA)>("shell32.dll", "SHBrowseForFolderA");
  decltype(SHGetDesktopFolder)* desktopFolder =
      LazyFunction<decltype(SHGetDesktopFolder)>("shell32.dll", "SHGetDesktopFolder");
  decltype(SHGetSpecialFolderLocation)* specialFolder =
      LazyFunction<decltype(SHGetSpecialFolderLocation)>("shell32.dll",
                                                         "SHGetSpecialFolderLocation");
  // Wide: the ANSI path would give characters outside the code page as
  // look-alikes or "?".
  decltype(SHGetPathFromIDListW)* pathOf =
      LazyFunction<decltype(SHGetPathFromIDListW)>("shell32.dll", "SHGetPathFromIDListW");
  decltype(CoTaskMemFree)* free =
      LazyFunction<decltype(CoTaskMemFree)>("ole32.dll", "CoTaskMemFree");

  bool Ready() const {
    return browse != nullptr && desktopFolder != nullptr && specialFolder != nullptr &&
           pathOf != nullptr && free != nullptr;
  }
};

const TShellFunctions& Shell() {
  static const TShellFunctions functions;
  return functions;
}

// OLE is started by the first dialog, not at program start: only the setup
// window browses folders, and the gate window must start without loading OLE.
// It stays up for the rest of the process, on the thread that runs the dialogs.
void InitializeOleOnce() {
  static bool done = false;
  if (done) return;
  done = true;
  if (auto* initialize = LazyFunction<decltype(OleInitialize)>("ole32.dll", "OleInitialize")) {
    initialize(nullptr);
  }
}

using TItem = std::remove_pointer_t<PIDLIST_ABSOLUTE>;
struct TItemFree {
  void operator()(TItem* list) const { Shell().free(list); }
};
// An item list the shell allocated for us.
using TItemList = std::unique_ptr<TItem, TItemFree>;

struct TRelease {
  void operator()(IUnknown* object) const { object->Release(); }
};

std::wstring Widen(const std::string& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  wide.resize(static_cast<std::size_t>(length - 1));
  return wide;
}

// The file-system path of an item, empty when it has none.
std::u16string PathOf(PCIDLIST_ABSOLUTE list) {
  wchar_t path[MAX_PATH + 1] = L"";
  if (list == nullptr || !Shell().pathOf(list, path)) return {};
  return FromWideChars(path);
}

// The item list of a folder: a path that parses to something folder-like, else
// the shell folder, which is the desktop for an unusable path.
TItemList ResolveFolder(IShellFolder& desktop, HWND owner, const TplBFFolder& folder) {
  if (!folder.Path.empty()) {
    std::wstring name = Widen(folder.Path);
    ULONG eaten = 0;
    PIDLIST_RELATIVE parsed = nullptr;
    if (SUCCEEDED(
            desktop.ParseDisplayName(owner, nullptr, name.data(), &eaten, &parsed, nullptr)) &&
        parsed != nullptr) {
      TItemList list(parsed);
      SFGAOF attributes = kBrowsableAttributes;
      PCUITEMID_CHILD item = parsed;
      if (SUCCEEDED(desktop.GetAttributesOf(1, &item, &attributes)) &&
          IsBrowsableFolder(attributes)) {
        return list;
      }
    }
  }
  PIDLIST_ABSOLUTE special = nullptr;
  if (SUCCEEDED(Shell().specialFolder(owner, folder.Csidl, &special))) return TItemList(special);
  return {};
}

TRect BoundsOf(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return {bounds.left, bounds.top, bounds.right, bounds.bottom};
}

// One running dialog: the component and what its callback needs.
struct TBrowseRun {
  TplBrowseFolder* browser = nullptr;
  PCIDLIST_ABSOLUTE initial = nullptr;
  // A failure of a handler, which must not leave through the shell's frames.
  std::exception_ptr failure;
};

// The dialog that runs now and the hook that watches its rectangle; there is one
// dialog at a time in the program.
TBrowseRun* activeRun = nullptr;
HHOOK messageFilter = nullptr;

// Called for every message of the dialog's own message loop: the dialog's place
// and size are kept, so that the next dialog opens as this one was left.
LRESULT CALLBACK MessageFilterProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0 && activeRun != nullptr && activeRun->browser->IsOpen()) {
    const auto dialog = reinterpret_cast<HWND>(activeRun->browser->Window());
    if (IsWindow(dialog)) activeRun->browser->DialogBoundsSeen(BoundsOf(dialog));
  }
  return CallNextHookEx(messageFilter, code, wParam, lParam);
}

// Makes Run the active one and watches its dialog while it lives.
class TActiveRun {
 public:
  explicit TActiveRun(TBrowseRun& run) : previous_(activeRun) {
    activeRun = &run;
    if (messageFilter == nullptr) {
      messageFilter =
          SetWindowsHookExA(WH_MSGFILTER, &MessageFilterProc, nullptr, GetCurrentThreadId());
      installed_ = messageFilter != nullptr;
    }
  }
  TActiveRun(const TActiveRun&) = delete;
  TActiveRun& operator=(const TActiveRun&) = delete;
  ~TActiveRun() {
    if (installed_) {
      UnhookWindowsHookEx(messageFilter);
      messageFilter = nullptr;
    }
    activeRun = previous_;
  }

 private:
  TBrowseRun* previous_;
  bool installed_ = false;
};

// Sizes the old-style dialog and moves its tree and buttons to fit.
void PlaceOldStyle(const TplBrowseFolder& browser, HWND dialog, const TRect& bounds) {
  MoveWindow(dialog, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(), TRUE);
  HWND tree = GetDlgItem(dialog, kTreeItem);
  HWND ok = GetDlgItem(dialog, IDOK);
  HWND cancel = GetDlgItem(dialog, IDCANCEL);
  if (tree == nullptr || ok == nullptr || cancel == nullptr) return;
  const TRect okBounds = BoundsOf(ok);
  const TplBFControlLayout layout = OldStyleControlLayout(
      browser.FormWidth(), browser.FormHeight(), BoundsOf(dialog), BoundsOf(tree),
      {okBounds.Width(), okBounds.Height()}, DpiOfWindow(dialog));
  constexpr UINT kKeep = SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(tree, nullptr, 0, 0, layout.TreeSize.Width, layout.TreeSize.Height,
               kKeep | SWP_NOMOVE);
  SetWindowPos(ok, nullptr, layout.OkPos.X, layout.OkPos.Y, 0, 0, kKeep | SWP_NOSIZE);
  SetWindowPos(cancel, nullptr, layout.CancelPos.X, layout.CancelPos.Y, 0, 0, kKeep | SWP_NOSIZE);
}

void DialogInitialized(TBrowseRun& run, HWND dialog) {
  run.browser->DialogCreated(reinterpret_cast<std::uintptr_t>(dialog));
  if (run.initial != nullptr) {
    SendMessageA(dialog, BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(run.initial));
  }
  const TRect natural = BoundsOf(dialog);
  const TplBFOpening opening = run.browser->DialogInitialized(
      {natural.Width(), natural.Height()},
      {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
  if (opening.Caption) SetWindowTextA(dialog, opening.Caption->c_str());
  if (opening.Bounds) PlaceOldStyle(*run.browser, dialog, *opening.Bounds);
}

void SelectionChanged(TBrowseRun& run, HWND dialog, LPARAM item) {
  // A folder that the settings' code page cannot hold is offered as one without
  // a path: it cannot be stored.
  const std::string directory =
      NarrowAnsi(PathOf(reinterpret_cast<PCIDLIST_ABSOLUTE>(item))).value_or(std::string());
  HWND ok = GetDlgItem(dialog, IDOK);
  const std::optional<TplBFSelectionAnswer> answer = run.browser->SelectionChanged(
      reinterpret_cast<std::uintptr_t>(dialog), directory, ok != nullptr && IsWindowEnabled(ok));
  if (!answer) return;
  SendMessageA(dialog, BFFM_ENABLEOK, 0, answer->OkEnabled ? TRUE : FALSE);
  SendMessageA(dialog, BFFM_SETSTATUSTEXTA, 0,
               reinterpret_cast<LPARAM>(answer->StatusText.c_str()));
}

int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM lParam, LPARAM data) {
  auto& run = *reinterpret_cast<TBrowseRun*>(data);
  try {
    if (message == BFFM_INITIALIZED) DialogInitialized(run, dialog);
    if (message == BFFM_SELCHANGED) SelectionChanged(run, dialog, lParam);
  } catch (...) {
    // The dialog is given up and Execute answers false.
    if (!run.failure) run.failure = std::current_exception();
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  }
  return 0;
}

bool RunDialog(TplBrowseFolder& browser, HWND owner) {
  InitializeOleOnce();
  const TShellFunctions& shell = Shell();
  if (!shell.Ready()) return false;
  IShellFolder* desktopFolder = nullptr;
  if (FAILED(shell.desktopFolder(&desktopFolder)) || desktopFolder == nullptr) return false;
  const std::unique_ptr<IShellFolder, TRelease> desktop(desktopFolder);

  const TItemList initial =
      ResolveFolder(*desktop, owner, BrowseFolderFor(browser.InitSpecialDir, browser.InitDir));
  const TItemList root =
      ResolveFolder(*desktop, owner, BrowseFolderFor(browser.RootSpecialDir, browser.RootDir));

  TBrowseRun run;
  run.browser = &browser;
  run.initial = initial.get();
  char displayName[MAX_PATH + 1] = "";
  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.pidlRoot = root.get();
  info.pszDisplayName = displayName;
  info.lpszTitle = browser.Title.c_str();
  info.ulFlags = browser.Options.Flags();
  info.lpfn = &BrowseCallback;
  info.lParam = reinterpret_cast<LPARAM>(&run);

  TItemList chosen;
  {
    const TActiveRun active(run);
    // Browsing an empty drive must not bring up the system's error box.
    const UINT errorMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    chosen.reset(shell.browse(&info));
    SetErrorMode(errorMode);
  }
  std::optional<std::string> path;
  if (chosen && !run.failure) {
    TWinMessageBox messages;
    messages.SetOwner(owner);
    path = StorablePath(PathOf(chosen.get()), messages);
  }
  const bool confirmed = browser.EndExecute(path);
  return confirmed && !run.failure;
}

}  // namespace

bool ExecuteBrowseFolder(TplBrowseFolder& browseFolder, HWND owner) {
  browseFolder.BeginExecute();
  try {
    return RunDialog(browseFolder, owner);
  } catch (...) {
    if (browseFolder.IsOpen()) browseFolder.EndExecute(std::nullopt);
    return false;
  }
}

}  // namespace nuvopick::win
