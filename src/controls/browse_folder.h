// The folder browser of the setup window's "..." buttons: root, initial folder,
// options, size and place of the shell's folder dialog, and the folder chosen.
// Here are its state and decisions; controls/win/browse_folder_win runs the dialog.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include "platform/dpi_scale.h"
#include "platform/geometry.h"

namespace nuvopick {

// The shell folders a root or an initial folder can be. The names keep their
// historic spelling (sfProgrmas, sfPritners).
enum class TplBFSpecialDir {
  sfNone,
  sfDesktop,
  sfProgrmas,
  sfControls,
  sfPritners,
  sfPersonal,
  sfFavorites,
  sfStartup,
  sfRecent,
  sfSendTo,
  sfBitBucket,
  sfStartMenu,
  sfDesktopDirectory,
  sfDrives,
  sfNetWork,
  sfNetHood,
  sfFonts,
  sfTemplates,
  sfAppData,
  sfPrintHood,
};

// The shell's number (CSIDL) of the desktop, which stands in for any folder
// that cannot be used.
inline constexpr int kCsidlDesktop = 0x0000;

// The shell's number (CSIDL) of a special folder; the desktop's for sfNone.
constexpr int SpecialDirCsidl(TplBFSpecialDir dir) {
  switch (dir) {
    case TplBFSpecialDir::sfNone:
    case TplBFSpecialDir::sfDesktop:
      return kCsidlDesktop;
    case TplBFSpecialDir::sfProgrmas:
      return 0x0002;
    case TplBFSpecialDir::sfControls:
      return 0x0003;
    case TplBFSpecialDir::sfPritners:
      return 0x0004;
    case TplBFSpecialDir::sfPersonal:
      return 0x0005;
    case TplBFSpecialDir::sfFavorites:
      return 0x0006;
    case TplBFSpecialDir::sfStartup:
      return 0x0007;
    case TplBFSpecialDir::sfRecent:
      return 0x0008;
    case TplBFSpecialDir::sfSendTo:
      return 0x0009;
    case TplBFSpecialDir::sfBitBucket:
      return 0x000a;
    case TplBFSpecialDir::sfStartMenu:
      return 0x000b;
    case TplBFSpecialDir::sfDesktopDirectory:
      return 0x0010;
    case TplBFSpecialDir::sfDrives:
      return 0x0011;
    case TplBFSpecialDir::sfNetWork:
      return 0x0012;
    case TplBFSpecialDir::sfNetHood:
      return 0x0013;
    case TplBFSpecialDir::sfFonts:
      return 0x0014;
    case TplBFSpecialDir::sfTemplates:
      return 0x0015;
    case TplBFSpecialDir::sfAppData:
      return 0x001a;
    case TplBFSpecialDir::sfPrintHood:
      return 0x001b;
  }
  return kCsidlDesktop;
}

enum class TplBrowseOption {
  bifReturnOnlyFSDirs,
  bifDontGoBelowDomain,
  bifReturnFSAncestors,
  bifBrowseForComputer,
  bifBrowseForPrinter,
  bifBrowseIncludeFiles,
  bifStatusText,
  bifNewDialogStyle,
  bifNonNewFolderButton,
};

// The shell's dialog flag (BIF_…) of an option.
constexpr std::uint32_t BrowseOptionFlag(TplBrowseOption option) {
  switch (option) {
    case TplBrowseOption::bifReturnOnlyFSDirs:
      return 0x0001;
    case TplBrowseOption::bifDontGoBelowDomain:
      return 0x0002;
    case TplBrowseOption::bifReturnFSAncestors:
      return 0x0008;
    case TplBrowseOption::bifBrowseForComputer:
      return 0x1000;
    case TplBrowseOption::bifBrowseForPrinter:
      return 0x2000;
    case TplBrowseOption::bifBrowseIncludeFiles:
      return 0x4000;
    case TplBrowseOption::bifStatusText:
      return 0x0004;
    case TplBrowseOption::bifNewDialogStyle:
      return 0x0040;
    case TplBrowseOption::bifNonNewFolderButton:
      return 0x0200;
  }
  return 0;
}

// A set of options.
class TplBrowseOptions {
 public:
  constexpr TplBrowseOptions() = default;
  constexpr TplBrowseOptions(std::initializer_list<TplBrowseOption> options) {
    for (TplBrowseOption option : options) Include(option);
  }

  constexpr bool Contains(TplBrowseOption option) const { return (bits_ & Bit(option)) != 0; }
  constexpr TplBrowseOptions& Include(TplBrowseOption option) {
    bits_ |= Bit(option);
    return *this;
  }
  constexpr TplBrowseOptions& Exclude(TplBrowseOption option) {
    bits_ &= ~Bit(option);
    return *this;
  }

  // The dialog flags of every option in the set, ORed together.
  constexpr std::uint32_t Flags() const {
    std::uint32_t flags = 0;
    for (int i = 0; i <= static_cast<int>(TplBrowseOption::bifNonNewFolderButton); ++i) {
      const auto option = static_cast<TplBrowseOption>(i);
      if (Contains(option)) flags |= BrowseOptionFlag(option);
    }
    return flags;
  }

  constexpr bool operator==(const TplBrowseOptions&) const = default;

 private:
  static constexpr std::uint32_t Bit(TplBrowseOption option) {
    return std::uint32_t{1} << static_cast<int>(option);
  }

  std::uint32_t bits_ = 0;
};

// Which folder a special value and a path property stand for: a path the
// desktop folder is to parse, or else the shell folder Csidl. The path is
// empty for a special value, so the path property counts only with sfNone.
struct TplBFFolder {
  std::string Path;
  int Csidl = kCsidlDesktop;

  bool operator==(const TplBFFolder&) const = default;
};
TplBFFolder BrowseFolderFor(TplBFSpecialDir special, const std::string& path);

// The attributes the window side asks of a parsed path (SFGAO_FOLDER and
// SFGAO_HASSUBFOLDER), and whether the answer makes it a folder to browse;
// anything else falls back to the desktop.
inline constexpr std::uint32_t kBrowsableAttributes = 0x20000000u | 0x80000000u;
constexpr bool IsBrowsableFolder(std::uint32_t attributes) {
  return (attributes & kBrowsableAttributes) != 0;
}

// Where the old-style dialog opens: at (Left, Top) when either is not 0,
// otherwise centred on a screen of the given size. Sizes are taken as given.
TRect OldStyleDialogBounds(int left, int top, int width, int height, TSize screen);

// The old-style dialog's controls laid out again after it was sized to
// FormWidth x FormHeight: the tree keeps its place and takes TreeSize, the OK
// and Cancel buttons move to OkPos and CancelPos (in the dialog's client
// coordinates). Dialog and tree are the screen rectangles measured after the
// move; okButton is the OK button's size. The margins are those of a 96-DPI
// screen, scaled by the dialog's DPI.
struct TplBFControlLayout {
  TSize TreeSize;
  TPoint OkPos;
  TPoint CancelPos;

  bool operator==(const TplBFControlLayout&) const = default;
};
TplBFControlLayout OldStyleControlLayout(int formWidth, int formHeight, const TRect& dialog,
                                         const TRect& tree, TSize okButton, const TDpiScale& dpi);

class TplBrowseFolder;

using TplBrowseEvent = std::function<void(TplBrowseFolder& sender)>;
// Raised for each new selection with the dialog's window and the selected
// folder's path (empty when it has none). The handler may set the status line's
// text (shown with bifStatusText only) and whether OK is enabled; the latter
// starts as the OK button's present state.
using TplBrowseChangeEvent =
    std::function<void(TplBrowseFolder& sender, std::uintptr_t wnd, const std::string& directory,
                       std::string& statusText, bool& okBtnEnabled)>;

// What the dialog gets after a change of selection, when someone handles it.
struct TplBFSelectionAnswer {
  std::string StatusText;
  bool OkEnabled = true;
};

// What the window side does to the dialog once it is initialised.
struct TplBFOpening {
  // The dialog's new caption; nothing keeps the shell's own.
  std::optional<std::string> Caption;
  // Old style only: where and how large the dialog is to be, after which its
  // controls are laid out again (OldStyleControlLayout).
  std::optional<TRect> Bounds;
};

class TplBrowseFolder {
 public:
  static constexpr int kDefaultWidth = 371;
  static constexpr int kDefaultHeight = 311;

  // Used only when RootSpecialDir is sfNone.
  std::string RootDir;
  TplBFSpecialDir RootSpecialDir = TplBFSpecialDir::sfDesktop;
  // The folder selected when the dialog opens; InitDir counts only when
  // InitSpecialDir is sfNone.
  std::string InitDir;
  TplBFSpecialDir InitSpecialDir = TplBFSpecialDir::sfNone;
  TplBrowseOptions Options{TplBrowseOption::bifReturnOnlyFSDirs};
  // The line above the tree.
  std::string Title;
  // The dialog's caption; empty keeps the shell's own.
  std::string Caption;
  // The dialog's screen position; both 0 centres it.
  int FormLeft = 0;
  int FormTop = 0;

  // Raised once the dialog exists.
  TplBrowseEvent OnShow;
  TplBrowseChangeEvent OnSelectionChanged;

  int FormWidth() const { return formWidth_; }
  int FormHeight() const { return formHeight_; }
  // Ignored while the dialog is open; otherwise stored, but never below the
  // minimum (371 x 311 until a dialog opened, then that dialog's own size).
  void SetFormWidth(int value);
  void SetFormHeight(int value);
  int MinWidth() const { return minWidth_; }
  int MinHeight() const { return minHeight_; }

  // The file-system path of the folder the last Execute confirmed.
  const std::string& SelectedDir() const { return selectedDir_; }

  bool IsOpen() const { return window_ != 0; }
  // The dialog's window while it is open, else 0.
  std::uintptr_t Window() const { return window_; }

  // The course of one Execute, as the window side drives it.
  // Before the dialog: the last result is forgotten.
  void BeginExecute();
  // The shell created the dialog Window; its size properties are frozen from now on.
  void DialogCreated(std::uintptr_t window);
  // After the initial folder was selected: DialogSize becomes the minimum,
  // OnShow is raised, and the answer says what to change on the dialog. For
  // the old style, FormWidth and FormHeight are raised to the minimum first.
  TplBFOpening DialogInitialized(TSize dialogSize, TSize screen);
  // The dialog's screen rectangle while it runs; the last one is kept.
  void DialogBoundsSeen(const TRect& bounds);
  // The selection of the dialog Wnd moved to Directory: the handler's answer,
  // or nothing when there is no handler (then the dialog is left as it is).
  // The shell may report a selection before the dialog is initialised, so the
  // window comes with the call.
  std::optional<TplBFSelectionAnswer> SelectionChanged(std::uintptr_t wnd,
                                                       const std::string& directory,
                                                       bool okEnabled);
  // The dialog closed, with the chosen folder's path when the user confirmed
  // one (empty when the item has none). The position and size the dialog had
  // last become the properties, so the next dialog opens as it was left.
  // Returns whether a folder was confirmed.
  bool EndExecute(const std::optional<std::string>& chosenPath);

 private:
  int formWidth_ = kDefaultWidth;
  int formHeight_ = kDefaultHeight;
  int minWidth_ = kDefaultWidth;
  int minHeight_ = kDefaultHeight;
  std::string selectedDir_;
  std::uintptr_t window_ = 0;
  std::optional<TRect> lastBounds_;
};

}  // namespace nuvopick
