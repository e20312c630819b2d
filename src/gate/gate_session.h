// The gate window's run for one opened file, free of window code: reading the
// settings, the automatic launches, the list of entries with the common ones
// merged in, size and place, the launch of a picked entry, and what the list's
// clicks and keys, the no-click timer and the loss of activation do. The window
// turns its messages into calls of the handlers below and carries out what the
// session asks of it through IGateView.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gate/gate_view.h"
#include "gate/gathered_files.h"
#include "model/ext_info.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/gather_mark.h"
#include "platform/pointer.h"
#include "platform/registry_hive.h"
#include "platform/shell_execute.h"
#include "platform/sound.h"
#include "platform/system_info.h"
#include "settings/general_settings.h"

namespace nuvopick {

// The longest wait for pointer movement before the list is shown. The setup
// window offers up to 1000 ms; a larger value can only come from a hand-edited
// file. Five seconds still honours a deliberate long wait while never leaving the
// user without a window for longer. Zero or less means no wait at all.
inline constexpr std::uint32_t kMaxPointerWaitMs = 5000;

// How long the hint with the opened file's path stays up: in effect for as long
// as the pointer rests over the list.
inline constexpr std::uint32_t kGateHintHideTimeMs = 1000000;

inline constexpr char kCancelRowText[] = "[キャンセル]";

// Virtual-key codes the list reacts to on key release.
inline constexpr unsigned kKeyEnter = 13;
inline constexpr unsigned kKeyEscape = 27;

enum class TMouseButton { Left, Right, Middle };

struct TGateHint {
  std::u16string Text;
  std::uint32_t HideTimeMs = 0;
};

// The operating system as the gate session sees it.
struct TGateServices {
  IFileSystem& Files;
  TRegistryHives Hives;
  IShellExecute& Shell;
  IPointer& Pointer;
  IClock& Clock;
  ISound& Sound;
  ISystemInfo& System;
  IGatherMark& Gather;
};

class TGateSession {
 public:
  // ExePath is the running executable's full path (the settings file and
  // "regbackup.ini" lie beside it); FirstArgument the program's first argument,
  // the opened file's path as the wide command line gave it.
  TGateSession(const TGateServices& services, IGateView& view, std::string exePath,
               std::u16string firstArgument);
  // Gives the mark up, should the run end otherwise than by a launch or a close.
  ~TGateSession();
  TGateSession(const TGateSession&) = delete;
  TGateSession& operator=(const TGateSession&) = delete;

  // The whole start of association mode: settings, the pointer samples, the
  // entries, the automatic launches, rows, size, place, showing and the timer.
  // Does nothing in setup mode (no first argument).
  void FormCreate();
  // Plays the configured sound, once: when FormCreate has made the window visible.
  void FormShow();
  void TimerTimer();
  void ApplicationEventsDeactivate();
  // The hint to show instead of whatever hint the window was about to show;
  // nothing when no hint is to be shown.
  std::optional<TGateHint> ApplicationEventsShowHint() const;
  // The shown window's monitor now draws at Dpi (the window moved to another
  // monitor, or the monitor's scale changed): the list is laid out again for it,
  // from TopLeft, keeping its selection.
  void WindowDpiChanged(const TDpiScale& dpi, TPoint topLeft);

  // The user moved the list's selection to Row (a click, or a key that moves it).
  void ListBox_appsClick(int row);
  void ListBox_appsDblClick();
  void ListBox_appsMouseUp(TMouseButton button);
  // A key pressed in the list; true when it was the shortcut of an entry, so the
  // list must not act on it as well.
  bool ListBox_appsKeyDown(unsigned virtualKey, bool shift, bool alt, bool ctrl);
  void ListBox_appsKeyUp(unsigned virtualKey);

  // True when entry Index has a program. When its working folder is not an
  // existing folder it is cleared (in memory only): the launch then starts it in
  // the opened file's folder.
  bool PrepareEntry(int index);
  // Sends the launch request for Entry, once for every file of the list in the
  // order they came; false when the service refused one or the opened program's
  // association could not be taken off first.
  bool ExecuteEntry(const TExeInfo& entry);
  // A pick in the list: launches the entry of Row unless something was launched
  // already, and closes; the cancel row and -1 only close.
  void ExecuteRow(int row);
  void ExecuteSelected();
  // The timer's and the deactivation's launch: as ExecuteRow without looking at
  // the launched flag, which those callers test themselves.
  void ExecuteAndClose(int index);

  const TGeneralSettings& Settings() const { return settings_; }
  const TExtInfo& ExtInfo() const { return ext_; }
  const std::vector<std::string>& Rows() const { return rows_; }
  int ItemIndex() const { return itemIndex_; }
  bool Launched() const { return launched_; }
  // The opened file first, then those that later starts handed over.
  const std::vector<std::u16string>& Files() const { return gathered_.Files(); }
  // Shown and not yet closed: only then do the handlers act.
  bool Visible() const { return visible_ && !closed_; }

 private:
  // False when another start collects the files of this extension and took this one.
  bool JoinOrCollect();
  void StopGathering();
  void EndWithoutShowing();
  bool ExecuteEntryFor(const TExeInfo& entry, const std::u16string& file);
  void WaitForPointer();
  bool PointerMoved(TPoint before, TPoint after) const;
  void LaunchFirstOwnEntry(const TIniValues& ini);
  bool LoadEntries(const TIniValues& ini);
  void ReadSoundName();
  void BuildRows();
  TSize PlainSize();
  void ShowWindow(TPoint topLeft);
  void LayOut(TPoint topLeft);
  void FetchRowIcons();
  bool IsEntryRow(int row) const;
  bool ReleaseProgramFileAssociation();
  void Close();

  TGateServices services_;
  IGateView& view_;
  std::string exePath_;
  std::u16string firstArgument_;
  TGatheredFiles gathered_;

  TGeneralSettings settings_;
  std::string soundName_;
  TExtInfo ext_;
  std::vector<std::string> rows_;
  TDpiScale dpi_;
  TRowIconLayout icons_;
  int itemIndex_ = -1;
  bool launched_ = false;
  bool visible_ = false;
  bool closed_ = false;
  bool soundPlayed_ = false;
};

}  // namespace nuvopick
