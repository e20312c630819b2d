// The editor of application entries, free of window code: an entry list with
// the form of text boxes that shows and changes its selected entry. The page
// "拡張子別" has one for the selected extension's entries and the page
// "全拡張子共通" one for the common entries. What is typed stays in the form
// until "追加" or "変更"; the list operations and the shortcut key go straight
// into the working list.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "controls/edit_ex.h"
#include "controls/list_box_ex.h"
#include "controls/static_controls.h"
#include "controls/toggles.h"
#include "model/exe_list.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "setup/ext_page.h"
#include "setup/setup_view.h"

namespace nuvopick {

// Stands for a missing name, and is the name of a new entry.
inline constexpr char kUnsetName[] = "（未設定）";
inline constexpr char kNoNameText[] = "設定名を入力してください";
// The command line of a new entry: the file in double quotes.
inline constexpr char kDefaultParam[] = "\"%1\"";
// The open dialog's filter for choosing a program.
inline constexpr char kProgramFilter[] = "実行可能ファイル ( *.exe )|*.exe|全てのファイル|*";
// A new entry's show command (SW_SHOW); the combo box shows it as "通常".
inline constexpr std::int32_t kNewEntryShowCmd = 5;

// The show-state items and the show commands they store: normal, maximised,
// minimised, hidden. Any other index stores normal; any other command shows item 0.
std::int32_t ShowCmdFromIndex(int index);
int IndexFromShowCmd(std::int32_t showCmd);

// The modifier keys held with a key press.
struct TShiftState {
  bool Shift = false;
  bool Alt = false;
  bool Ctrl = false;
};

struct TEntryEditorContext {
  // The list shown, or null when there is none (no extension selected).
  std::function<TExeList*()> Entries;
  IFileSystem& Files;
  IFileDialogs& Dialogs;
  IMessageBox& Messages;
  ISetupView& View;
  // An entry was marked: the extension page marks its record as well.
  std::function<void()> EntryMarked;
  // Entries were deleted or reordered.
  std::function<void()> ListChanged;
  // There are unsaved changes.
  std::function<void()> EnableApply;
};

class TEntryEditor {
 public:
  // List is the page's entry list; it must outlive the editor.
  TEntryEditor(TListBoxEx& list, TEntryEditorContext context);
  TEntryEditor(const TEntryEditor&) = delete;
  TEntryEditor& operator=(const TEntryEditor&) = delete;

  // Shows the selected entry, or empties the form when there is none.
  void ListBoxEx_appSelChange();
  void NewAppEntry();
  // Appends a blank entry to List and its item, and selects it, as "新規" does,
  // but leaves the repaint to the caller, who may append several. Returns its
  // position.
  int AppendNewEntry(TExeList& list);
  void AddAppEntry();
  void ChangeAppEntry();
  void DeleteAppEntry();
  // Swaps the selected entry with its neighbour Delta (-1 up, +1 down).
  void MoveAppEntry(int delta);
  // Overwrites the entry at Index with the given values and its list item with
  // the name; marks it when anything differed. Returns whether it did.
  bool StoreAppEntry(int index, const std::string& name, const std::string& appPath,
                     const std::string& dirPath, const std::string& param, bool isUseCmdp,
                     std::int32_t showCmd);

  // A program chosen for the path box: fills the name and folder boxes that
  // hold nothing of the user's yet.
  void FillNameAndDir(const std::string& path);
  void Button_ref_pathClick();
  void Button_ref_dirClick();
  void Button_assist_nameClick();
  void Button_assist_dirClick();
  void EditEx_pathDropFiles(const std::vector<std::string>& paths);
  void EditEx_dirDropFiles(const std::vector<std::string>& paths);
  void CheckBox_usecmdpClick();
  // Key down in the shortcut box: the virtual-key code and the modifiers held.
  void CaptureShortcut(unsigned keyCode, TShiftState shift);
  // The shortcut box was left.
  void FinishShortcut();
  void Edit_nameExit();

  // The row of item Index as it is drawn, in the colours of the extension list.
  TExtRowLook DrawItem(int index) const;

  TListBoxEx& ListBoxEx_app;
  TButton AppUpButton{"▲"};
  TButton AppDownButton{"▼"};
  TEdit Edit_name;
  TButton Button_assist_name{"←"};
  TEditEx EditEx_path;
  TButton Button_ref_path{"..."};
  TEditEx EditEx_dir;
  TButton Button_assist_dir{"←"};
  TButton Button_ref_dir{"..."};
  TEdit Edit_param;
  TCheckBox CheckBox_usecmdp;
  TCaption Label_sw{"実行時表示状態"};
  TComboBox ComboBox_sw{{"通常", "最大化", "最小化", "非表示"}};
  TEdit Edit_shortcut;
  TButton Button_appnew{"新規"};
  TButton Button_appadd{"追加"};
  TButton Button_appchg{"変更"};
  TButton Button_appdel{"削除"};

 private:
  // The selected entry's position, or -1 when there is no list or no selection.
  int Selected() const;
  bool NameMissing();

  TEntryEditorContext context_;
};

}  // namespace nuvopick
