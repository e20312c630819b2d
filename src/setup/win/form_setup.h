// The setup window: the real controls of every page over the portable setup
// form. It copies the form's control models onto the controls, turns clicks,
// keys and the shell's tray messages into the form's handlers, and carries out
// what the form asks of the window and the application.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/win/button_views.h"
#include "controls/win/edit_views.h"
#include "controls/win/list_views.h"
#include "controls/win/popup_menu_view.h"
#include "controls/win/text_views.h"
#include "controls/win/track_bar_view.h"
#include "controls/win/tree_view.h"
#include "platform/dpi_scale.h"
#include "platform/win/form.h"
#include "platform/win/gdi_owners.h"
#include "platform/win/pointer_hint.h"
#include "platform/win/win_file_system.h"
#include "platform/win/win_registry_hive.h"
#include "platform/win/win_services.h"
#include "platform/win/win_setup_services.h"
#include "resource_ids.h"
#include "setup/form_setup.h"
#include "setup/win/setup_window_metrics.h"
#include "setup/win/win_choose_dialogs.h"
#include "setup/win/win_file_dialogs.h"

namespace nuvopick::win {

class TForm_icondlg;

class TForm_setup : public TForm, private ISetupView {
 public:
  explicit TForm_setup(std::string exePath);
  ~TForm_setup() override;

  bool Create();
  // The icon picker that the extension page's icon panel opens.
  void SetIconPicker(TForm_icondlg* picker) { iconPicker_ = picker; }

 protected:
  void FormCreate() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Whatever a message's handling let out is shown as a failed command is.
  void MessageFailed(const std::exception& error) override { form_.ShowError(error); }

 private:
  // A control's view and the page it sits on (-1: on every page), where it
  // lies at 96 DPI, its font and, for an owner-drawn list, its rows' height.
  struct TPlacedView {
    std::unique_ptr<TModelView> View;
    int Page;
    TRect Bounds;
    std::optional<setup_window::TFontRole> Font;
    int RowHeight = 0;
  };

  // ISetupView
  TSize ScreenSize() override;
  TSize WindowSize() override;
  void EndApplication() override;
  void MinimizeApplication() override;
  void RestoreApplication() override;
  void ShowTaskbarButton(bool visible) override;
  void BringToForeground() override;
  void PopupTrayMenu() override;
  void PopupExtExtraMenu() override;
  void ShowExtIcon(const std::string& iconFile, std::int32_t iconIndex) override;
  void RepaintLists() override;

  // Building the pages: each control by its view, placed on its page. The
  // places and sizes are those of a 96-DPI screen.
  TPlacement At(int x, int y, int width, int height,
                setup_window::TFontRole font = setup_window::TFontRole::Normal);
  TModelRunner Runner();
  TModelView& Place(int page, std::unique_ptr<TModelView> view);
  // A control with a model of a known name takes that name's number.
  void Renumber(const TModelView& view) const;
  HWND AddStatic(const std::string& text, DWORD style, int page, int x, int y, int width,
                 int height, setup_window::TFontRole font = setup_window::TFontRole::Normal);
  HWND AddLabel(const std::string& text, int page, int x, int y, int width, int height = 14);
  void AddGroupBox(const std::string& caption, int page, int x, int y, int width, int height);
  HWND AddButton(nuvopick::TButton& model, int page, int x, int y, int width, int height);
  int CheckBoxLines(const std::string& caption, int width);
  HWND AddCheckBox(nuvopick::TCheckBox& model, const std::string& caption, int page, int x, int y,
                   int width);
  HWND AddRadioButton(nuvopick::TRadioButton& model, const std::string& caption, int page, int x,
                      int y, int width);
  // Returns the group's height.
  int AddRadioGroup(nuvopick::TRadioGroup& model, const std::string& caption, int page, int x,
                    int y, int width);
  // OnExit, when given, runs when the box loses the keyboard.
  HWND AddEdit(nuvopick::TEdit& model, int page, int x, int y, int width,
               std::function<void()> onExit = {},
               setup_window::TFontRole font = setup_window::TFontRole::Normal);
  HWND AddComboBox(nuvopick::TComboBox& model, int page, int x, int y, int width);
  HWND AddCaption(nuvopick::TCaption& model, int page, int x, int y, int width,
                  setup_window::TFontRole font = setup_window::TFontRole::Normal);
  void AddTrackRow(nuvopick::TTrackBar& model, nuvopick::TCaption& value, const std::string& name,
                   const std::string& unit, int page, int y, int frequency);
  TListView& AddList(nuvopick::TListBoxEx& model, int page, int x, int y, int width, int height,
                     DWORD style, TListView::THandlers handlers = {},
                     setup_window::TFontRole font = setup_window::TFontRole::Normal);
  // The height of an owner-drawn list's rows, at 96 DPI.
  void SetRowHeight(const TListView& list, int height);
  // Moves a control already placed to Bounds (at 96 DPI).
  void MoveControl(HWND control, const TRect& bounds);
  void AddHeading(int page, const std::string& text);
  void BuildFrame();
  void BuildTree();
  void BuildPages();
  void BuildExtensionPage();
  // An entry editor's list with its caption and arrows, and the form under it.
  void BuildEntryList(TEntryEditor& editor, const std::string& caption, int page, int x, int y,
                      int width);
  void BuildEntryForm(TEntryEditor& editor, int page, int x, int y, int width);
  void BuildGeneralPage();
  void BuildAppearancePage();
  void BuildMenuPage();
  void BuildSetupModePage();
  void BindWindowModels();
  void ShowPage(int page);

  // The window at the DPI of its screen: its client area, and after a move to
  // a screen of another DPI every control's place, font and rows.
  TSize ScaledClientSize(const TDpiScale& dpi) const;
  SIZE WindowSizeAt(const TDpiScale& dpi) const;
  void ChangeDpi(const TDpiScale& dpi, const RECT& suggested);
  // Width of a text in the window's font, in the 96-DPI lengths of the layout.
  int TextWidth(const std::string& text) const;

  // The about panel of the root page and its links.
  void BuildAboutPanel();
  void AddLink(TLinkLabel& model, int x, int y, std::function<void()> click);
  void ShowAboutIcon();

  // Hints: the control under the pointer is named after the model behind its
  // view, or by the view's own name.
  void BuildHints();
  std::string HintControlName(HWND control) const;
  // The component name of the view: its own, or its model's.
  std::string ViewName(const TModelView& view) const;
  // The hints' share of the window's messages, before the rest; true when the
  // message was answered with Result.
  bool HintMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // Runs a handler of the form with its error display; the window's own
  // copying of the models onto the controls is not input.
  void Run(const std::function<void()>& command);
  // A menu's command; false for a number of no menu.
  bool MenuCommand(int id);
  void DrawExtRow(const DRAWITEMSTRUCT& item);
  void DrawIconPanel(const DRAWITEMSTRUCT& item);
  bool IconPanelMouse(UINT message, POINT at);
  void MeasureTrayTitle(MEASUREITEMSTRUCT& item);
  void DrawTrayTitle(const DRAWITEMSTRUCT& item);

  TWinFileSystem files_;
  TWinFileDialogs dialogs_;
  TWinRegistryHive userHive_{HKEY_CURRENT_USER};
  TWinRegistryHive machineHive_{HKEY_LOCAL_MACHINE};
  TRegistryHives hives_{userHive_, machineHive_};
  TWinMessageBox messages_;
  TWinSingleInstanceLock instance_;
  TWinTrayIcon tray_;
  TWinShellNotice notice_;
  TWinShellExecute shell_;
  TWinSound sound_;
  TWinChooseDialogs choose_;
  nuvopick::TForm_setup form_;

  TDpiScale dpi_;
  setup_window::TSetupFonts fonts_;
  TBrush panelBrush_;
  TIcon extIcon_;
  TForm_icondlg* iconPicker_ = nullptr;
  TPopupMenuView trayMenu_;
  TPopupMenuView extExtraMenu_;
  UINT taskBarCreated_ = 0;
  bool minimized_ = false;
  int nextId_ = IDC_SETUP_GENERATED_FIRST;
  // Where the control being made goes, until Place keeps it with its view.
  TRect placing_;
  setup_window::TFontRole placingFont_ = setup_window::TFontRole::Normal;

  std::vector<TPlacedView> views_;
  TTreeViewView* tree_ = nullptr;
  HWND focus_ = nullptr;
  TPanelView* iconPanel_ = nullptr;
  bool iconPressedOnImage_ = false;

  // The window's own models: its caption, its enabled state, the pages.
  std::vector<TMirrorSubscription> mirrors_;
  TPointerHint hint_;
  HWND aboutImage_ = nullptr;
  TIcon aboutIcon_;
};

}  // namespace nuvopick::win
