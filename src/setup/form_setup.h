// The setup window, free of window code: the models of its controls, its working
// copies of the extension list and the common entries, loading them from the
// settings file, applying them to the file and the registry, the unsaved-changes
// state, the tray icon of resident mode and the end of setup mode. The window
// turns its messages into calls of the handlers below (through Dispatch) and
// carries out what the form asks of it through ISetupView.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "controls/edit_ex.h"
#include "controls/list_box_ex.h"
#include "controls/popup_menu.h"
#include "controls/static_controls.h"
#include "model/entry_owner.h"
#include "model/exe_list.h"
#include "model/ext_list.h"
#include "model/icon_dialog_close_record.h"
#include "platform/choose_dialogs.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/registry_hive.h"
#include "platform/shell_execute.h"
#include "platform/shell_notice.h"
#include "platform/single_instance.h"
#include "platform/sound.h"
#include "platform/tray_icon.h"
#include "settings/general_settings.h"
#include "setup/about_panel.h"
#include "setup/appearance_page.h"
#include "setup/entry_editor.h"
#include "setup/ext_page.h"
#include "setup/general_page.h"
#include "setup/menu_page.h"
#include "setup/setup_mode_page.h"
#include "setup/setup_pages.h"
#include "setup/setup_session.h"
#include "setup/setup_view.h"
#include "shell/registry_association.h"

namespace nuvopick {

inline constexpr char kSetupCaption[] = "NuvoPick 設定";
inline constexpr char kSetupUpdatingCaption[] = "システム更新中...";
inline constexpr char kSecondSetupText[] = "NuvoPickを設定モードで二重起動することはできません";
inline constexpr char kWarningCaption[] = "警告";
inline constexpr char kErrorCaption[] = "エラー";
inline constexpr char kExitQuestionText[] = "設定が変更されています。保存して終了しますか?";
inline constexpr char kExitQuestionCaption[] = "NuvoPick 終了確認";
// The settings file's path goes in at %s.
inline constexpr char kSettingsWriteErrorText[] =
    "設定ファイル '%s' に書き込めませんでした。設定は保存されていません。";
// The settings file is there but could not be read; its path goes in at %s.
inline constexpr char kSettingsReadErrorText[] =
    "設定ファイル '%s' を読み込めませんでした。読み込めるまで設定は保存しません。"
    "ほかのプログラムが開いていないか確かめてから「全て戻す」を押してください。";
// Apply while the settings file has not been read; its path goes in at %s.
inline constexpr char kSettingsUnreadText[] =
    "設定ファイル '%s' "
    "を読み込めていないため、保存しません。「全て戻す」で読み込み直してください。";
// Associated extensions that the shell opens with another program go in at %s,
// one ".ext" each, blank-separated.
inline constexpr char kWindowsChoiceText[] =
    "次の拡張子は、Windowsの既定のアプリの設定がNuvoPickより優先されるため、NuvoPickでは開かれま"
    "せん。\r\n\r\n%s\r\n\r\nWindowsの既定のアプリの設定を開いて、NuvoPickを選びますか?";
// Heads the list of extensions whose registry work failed, one "name: message" a line.
inline constexpr char kRecordErrorsText[] = "次の拡張子の関連付けを処理できませんでした。";

// The mouse messages the tray icon reports.
inline constexpr std::uint32_t kTrayLeftButtonDown = 0x201;
inline constexpr std::uint32_t kTrayRightButtonDown = 0x204;

// The settings file could not be written; the message names it.
class TSettingsWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The operating system as the setup form sees it.
struct TSetupServices {
  IFileSystem& Files;
  IFileDialogs& Dialogs;
  TRegistryHives Hives;
  IMessageBox& Messages;
  ISingleInstanceLock& Instance;
  ITrayIcon& Tray;
  IShellNotice& Notice;
  IShellExecute& Shell;
  ISound& Sound;
  IChooseDialogs& Choose;
};

// What the application's show-hint event is told about a hint to come, and may change.
struct THintInfo {
  std::string HintControl;           // component name of the control under the pointer
  std::uint32_t HideTimeout = 2500;  // milliseconds
};

// A hint stays up until the pointer moves on (about 16.7 minutes).
inline constexpr std::uint32_t kHintHideTimeout = 1000000;

class TForm_setup : public IEntryOwner {
  // Made before the pages, which work on its lists.
  TSetupSession session_;

 public:
  // ExePath is the running executable's full path: the settings file and
  // "regbackup.ini" lie beside it, and the open commands name it.
  TForm_setup(const TSetupServices& services, ISetupView& view, std::string exePath);
  TForm_setup(const TForm_setup&) = delete;
  TForm_setup& operator=(const TForm_setup&) = delete;

  // Runs a command of the window (a handler called for a message) with the
  // default error display: a registry error or a failed write of the settings
  // file ends the command and is shown in a message box with its own text.
  // Returns false when the command ended that way.
  bool Dispatch(const std::function<void()>& command);
  // The default error display: Error's own text in a message box.
  void ShowError(const std::exception& error);

  // The window.
  void FormCreate();
  void FormClose();
  void FormDestroy() { ReleaseSetupMode(); }
  // WM_ENDSESSION: Ending is its WParam.
  void EndSession(bool ending);
  // The shell restarted its taskbar.
  void TaskBarCreated();
  void TrayNotify(std::uint32_t mouseMessage);
  void ApplicationEventsMinimize();
  void ApplicationEventsRestore();
  // The icon picker closed with this answer (WM_ICONDLGCLOSED).
  void IconDialogClosed(const TIconDialogCloseRecord& result);
  // A modified mark of a record or entry of the working lists changed.
  void EntryModified() override { EnableApply(); }

  void LoadSettings();
  void ReleaseSetupMode();
  // Enables Button_apply and Button_reload: there are unsaved changes.
  void EnableApply();
  bool HasUnsavedChanges() const { return Button_apply.Enabled(); }

  // Handlers bound to the controls; the window side raises them through the models.
  void Button_applyClick();
  void Button_okClick();
  void Button_cancelClick();
  void Button_reloadClick();
  void TV_selectChange(const std::string& caption);
  // Collapsing a tree node is always refused: the tree stays expanded.
  bool TV_selectCollapsing() const { return false; }
  void PMenu_ttray_setupClick();
  void PMenu_ttray_exitClick();

  // The application's show-hint event: HintStr is the hint the control brought
  // and becomes the text shown; an empty text shows none.
  void ApplicationEventsShowHint(std::string& hintStr, bool& canShow, THintInfo& hintInfo);
  // The component name of the control that Model holds ("Button_ok"), or empty.
  std::string ComponentName(const TControlModel* model) const;

  TExtList& ExtList() { return session_.ExtList(); }
  TExeList& CommonList() { return session_.CommonList(); }

  // The window itself: its title and whether it takes input (it is disabled
  // while the icon picker is open). Position is set by FormCreate.
  TCaption Caption{kSetupCaption};
  TControlModel Window;
  TPoint Position;

  TButton Button_reload{"全て戻す"};
  TButton Button_apply{"保存/適用"};
  TButton Button_ok{"OK"};
  TButton Button_cancel{"Cancel"};
  TTreeView TV_select;
  // The tray icon's menu, under its title.
  TPopupMenu PMenu_ttray;
  TPageControl PageControl_base{static_cast<int>(kSetupPages.size())};

  // "拡張子別": the extension list.
  TExtPage ExtPage;
  // "全拡張子共通": the common entries.
  TListBoxEx All_ListBoxEx_app;

  // The entries of the extension selected on "拡張子別", and the common entries.
  TEntryEditor AppEditor;
  TEntryEditor All_AppEditor;

  // "一般", "外観・サウンド", "コンテキストメニュー" and "設定モード".
  TGeneralPage GeneralPage;
  TAppearancePage AppearancePage;
  TMenuPage MenuPage;
  TSetupModePage SetupModePage;

  // Root: the program, its author and the links.
  TAboutPanel About;

 private:
  struct TNamedControl {
    const TControlModel* Model;
    std::string Name;
    const TEdit* Edit;  // the model as a text box, or null
  };
  std::vector<TNamedControl> NameControls();

  void BindHandlers();
  // Reload stays enabled while the settings file is unread, so it can be read again.
  void SetApplyEnabled(bool enabled);
  // The registry errors of a load, shown once in one message.
  void ShowRecordErrors(const std::vector<TRecordError>& errors);
  void CheckBox_isstateClick();
  // Marks the extension selected on "拡張子別" as changed.
  void MarkSelectedExt();
  // The extension selected on "拡張子別", or null.
  TExtInfo* SelectedExt();
  // An entry of the import of the previous association, appended to the selected
  // extension through the entry editor.
  void AppendImportedEntry(const TPreviousVerbEntry& entry);
  void Close() { FormClose(); }
  void AddTrayIcon();
  void RemoveTrayIcon();

  void SettingsToControls(const TGeneralSettings& settings);
  TGeneralSettings SettingsFromControls() const;
  // Marks the associated extensions that the shell opens with another program
  // and repaints the lists when a mark changed; returns their class keys (".txt").
  std::vector<std::string> MarkWindowsChoices();
  // After associating: names the extensions Overridden (from MarkWindowsChoices),
  // if any, and offers to open Windows' default-app settings.
  void OfferWindowsChoiceSettings(const std::vector<std::string>& overridden);
  std::string SettingsPath() const;

  TSetupServices services_;
  ISetupView& view_;
  std::string exePath_;
  // The settings file was read at the last load: only then may anything save over it.
  bool settingsRead_ = false;
  // IsRelOnExe as the settings file holds it, read at the last load or written at the
  // last apply: the associations made at start are the saved ones, and so are those
  // given back at the end, whatever the check box shows by then.
  bool savedRelOnExe_ = false;
  bool instanceHeld_ = false;
  bool trayShown_ = false;
  bool released_ = false;
  std::vector<TNamedControl> names_;
};

}  // namespace nuvopick
