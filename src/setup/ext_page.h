// The extension half of the setup page "拡張子別", free of window code: the
// list of extension records with its marks, adding, copying, deleting, moving
// and sorting them, the R and M marks, and the icon panel that opens the icon
// picker. Every edit works on the setup window's working extension list; only
// deleting an associated extension touches the registry at once.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "controls/edit_ex.h"
#include "controls/list_box_ex.h"
#include "controls/popup_menu.h"
#include "controls/static_controls.h"
#include "model/ext_list.h"
#include "platform/geometry.h"
#include "platform/message_box.h"
#include "platform/shell_notice.h"
#include "setup/setup_session.h"
#include "setup/setup_view.h"
#include "shell/bulk_association.h"
#include "shell/previous_verbs.h"

namespace nuvopick {

inline constexpr char kExtForbiddenText[] = "その拡張子に関連付けることは出来ません";
inline constexpr char kExtDuplicateText[] = "既に登録されています";
// Follows the extension's name in the question before deleting it.
inline constexpr char kExtDeleteQuestionText[] = "の設定を削除してよろしいですか?";
inline constexpr char kExtSortQuestionText[] = "拡張子の並べ替えをしてよろしいですか?";
inline constexpr char kConfirmCaption[] = "確認";
inline constexpr char kExtDeleteCaption[] = "警告";

// Colours of the extension list's rows (0x00BBGGRR).
inline constexpr std::int32_t kRowWhite = 0xFFFFFF;
inline constexpr std::int32_t kRowBlack = 0x000000;
inline constexpr std::int32_t kRowModifiedText = 0x0000FF;
inline constexpr std::int32_t kRowSelectedBack = 0x800000;
inline constexpr std::int32_t kRowSelectedModifiedBack = 0x000080;
inline constexpr std::int32_t kRowWindowsChoiceText = 0x0060C0;  // dark orange
// Put after the flags of an extension whose default app in Windows is another
// program; full width, so that it stands apart from the flags' bar.
inline constexpr char kWindowsChoiceMark[] = "！";

// Width and height of the icon panel; a release inside it opens the icon picker.
inline constexpr std::int32_t kIconPanelSize = 49;

// What one row of the extension list shows.
struct TExtRowLook {
  // "RM| txt": the R and M marks (or blanks), a bar, a blank and the name.
  std::string Text;
  std::int32_t BackColor = kRowWhite;
  std::int32_t TextColor = kRowBlack;

  bool operator==(const TExtRowLook&) const = default;
};

// The icon picker to open for a record: its position in the list and its icon.
struct TIconPickerRequest {
  int ExtIndex = 0;
  std::string IconFile;
  std::int32_t IconIndex = 0;

  bool operator==(const TIconPickerRequest&) const = default;
};

// What the page works with besides its own controls.
struct TExtPageContext {
  // The working extension list and the registry association.
  TSetupSession& Session;
  IMessageBox& Messages;
  IShellNotice& Notice;
  ISetupView& View;
  // The setup window, disabled while the icon picker is open.
  TControlModel& Window;
  // There are unsaved changes.
  std::function<void()> EnableApply;
  // Appends an entry with these values to the selected extension through the
  // entry editor, as "新規" and then storing the values would.
  std::function<void(const TPreviousVerbEntry&)> AppendAppEntry;
};

class TExtPage {
 public:
  explicit TExtPage(TExtPageContext context);
  TExtPage(const TExtPage&) = delete;
  TExtPage& operator=(const TExtPage&) = delete;

  // Fills the list from the working extension list, nothing selected.
  void FillList();

  // Handlers bound to the controls.
  void ListBoxEx_extSelChange();
  void Button_extnewClick();
  void Button_extcpyClick();
  void Button_extdelClick();
  void ExtUpButtonClick() { MoveExtension(ListBoxEx_ext.ItemIndex(), -1); }
  void ExtDownButtonClick() { MoveExtension(ListBoxEx_ext.ItemIndex(), +1); }
  // The sort item of the extra menu: asks first.
  void PMenu_extextra_sortClick();
  // The bulk commands of the extra menu: after Yes, one flag set or cleared in
  // every record, and the list repainted.
  void PMenu_extextra_allRClick() { RunBulkCommand(kAssociateAll); }
  void PMenu_extextra_allMClick() { RunBulkCommand(kContextMenuAll); }
  void PMenu_extextra_deallRClick() { RunBulkCommand(kReleaseAll); }
  void PMenu_extextra_deallMClick() { RunBulkCommand(kContextMenuNone); }
  // Appends to the selected extension an entry for every verb of the file type
  // the extension used before the program took it over. Asks nothing.
  void PMenu_extextra_getbeforeregClick();

  // A mouse button went down over the list; Item is the item under the pointer
  // or -1 below the last one.
  void ListBoxEx_extMouseDown(int item);
  // A left double click.
  void ListBoxEx_extDblClick() { ToggleAssociate(); }
  // A right double click; Item as for a button press.
  void ListBoxEx_extRightDblClick(int item);

  // The row of item Index as it is drawn.
  TExtRowLook ListBoxEx_extDrawItem(int index) const;

  // The icon panel, a button: pressed on the image or on the panel's edge, and
  // released at At, measured from the top-left of what was pressed.
  void Panel_iconMouseDown(bool onImage);
  void Panel_iconMouseUp(TPoint at);
  bool IconPanelLowered() const { return iconPanelLowered_; }
  // The image sits one pixel left of and above its place while pressed.
  bool IconImageShifted() const { return iconImageShifted_; }
  void OpenIconPicker();

  // Appends a new record and list item and returns its position.
  int AddExtension(const std::string& name);
  // Swaps the record at Index with its neighbour Delta (-1 up, +1 down) and
  // selects the neighbour; nothing when either is not there.
  void MoveExtension(int index, int delta);
  // Orders the records by name, ASCII letters without regard to case.
  void SortExtensions();
  void ToggleAssociate();
  void ToggleContextMenu();

  TEdit Edit_ext;
  TCaption Label_ext{"拡張子"};
  TCaption Label_extafter{"で"};
  TButton Button_extnew{"新規"};
  TButton Button_extcpy{"複製"};
  TListBoxEx ListBoxEx_ext;
  TButton ExtUpButton{"▲"};
  TButton ExtDownButton{"▼"};
  TButton Button_extdel{"削除"};
  TButton Button_extExtra{"他"};
  // The menu that Button_extExtra opens.
  TPopupMenu PMenu_extextra;
  // The selected extension's own entries, by name.
  TListBoxEx ListBoxEx_app;

  // The window side opens the icon picker with this; the window is disabled then.
  std::function<void(const TIconPickerRequest&)> OnOpenIconPicker;

 private:
  void Refuse(const char* text);
  bool Listed(const std::string& name) const;
  void ToggleFlag(TRegMode mode);
  void RunBulkCommand(const TBulkCommand& command);

  TExtPageContext context_;
  bool iconPanelLowered_ = false;
  bool iconImageShifted_ = false;
};

}  // namespace nuvopick
