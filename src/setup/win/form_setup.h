// The setup window: the real controls of every page over the portable setup
// form. It copies the form's control models onto the controls, turns clicks,
// keys and the shell's tray messages into the form's handlers, and carries out
// what the form asks of the window and the application.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "controls/win/popup_menu_view.h"
#include "platform/win/form.h"
#include "platform/win/gdi_owners.h"
#include "platform/win/pointer_hint.h"
#include "platform/win/win_file_system.h"
#include "platform/win/win_registry_hive.h"
#include "platform/win/win_services.h"
#include "platform/win/win_setup_services.h"
#include "setup/form_setup.h"
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
  // A child control and the page it sits on (-1: on every page).
  struct TChild {
    HWND Handle;
    int Page;
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

  // Building the pages.
  HWND AddChild(const char* className, const std::string& text, DWORD style, int page, int x, int y,
                int width, int height, int id = 0, HFONT font = nullptr);
  HWND AddLabel(const std::string& text, int page, int x, int y, int width, int height = 14);
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
               std::function<void()> onExit = {});
  HWND AddComboBox(nuvopick::TComboBox& model, int page, int x, int y, int width);
  HWND AddCaption(nuvopick::TCaption& model, int page, int x, int y, int width);
  void AddTrackRow(nuvopick::TTrackBar& model, nuvopick::TCaption& value, const std::string& name,
                   const std::string& unit, int page, int y, int frequency);
  HWND AddList(nuvopick::TListBoxEx& model, int page, int x, int y, int width, int height,
               DWORD style = 0, std::function<std::vector<std::string>()> rows = {});
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

  // The about panel of the root page and its links.
  void BuildAboutPanel();
  HWND AddLink(TLinkLabel& model, int x, int y, std::function<void()> click);
  TLinkLabel* LinkOf(HWND control);
  LRESULT LinkMessage(TLinkLabel& link, HWND control, UINT message, WPARAM wParam, LPARAM lParam);

  // Hints: the model behind each control names it for the form's hint table.
  void RecordModel(HWND control, const nuvopick::TControlModel& model) {
    hintModels_[control] = &model;
  }
  void BuildHints();
  std::string HintControlName(HWND control) const;
  // The hints' and the links' share of the window's messages, before the rest;
  // true when the message was answered with Result.
  bool HintAndLinkMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void MirrorSampleList();

  // Runs a handler of the form with its error display; the window's own
  // copying of the models onto the controls is not input.
  void Run(const std::function<void()>& command);
  void Command(int id, int code, HWND control);
  LRESULT Notify(const NMHDR& header);
  void DrawExtRow(const DRAWITEMSTRUCT& item);
  void DrawIconPanel(const DRAWITEMSTRUCT& item);
  // Returns false when the item is not of an entry list.
  bool DrawEntryRow(const DRAWITEMSTRUCT& item);
  LRESULT ShortcutBoxMessage(TEntryEditor& editor, HWND control, UINT message, WPARAM wParam,
                             LPARAM lParam);
  LRESULT ExtListMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT IconPanelMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
  void MeasureTrayTitle(MEASUREITEMSTRUCT& item);
  void DrawTrayTitle(const DRAWITEMSTRUCT& item);
  LRESULT ColorStatic(HDC dc, HWND control);
  LRESULT ControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
  // Routes a control's messages through ControlMessage.
  void Subclass(HWND control);
  LRESULT CallPrevious(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

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

  TFont font_;
  TFont boldFont_;
  TFont sampleFont_;
  TBrush sampleBrush_;
  COLORREF sampleText_ = 0;
  TBrush panelBrush_;
  TFont extFont_;
  TIcon extIcon_;
  TForm_icondlg* iconPicker_ = nullptr;
  TPopupMenuView trayMenu_;
  TPopupMenuView extExtraMenu_;
  UINT taskBarCreated_ = 0;
  bool minimized_ = false;
  bool mirroring_ = false;
  int nextId_ = 1000;

  std::vector<TChild> children_;
  std::vector<std::pair<int, std::function<void(int code, HWND control)>>> commands_;
  HWND tree_ = nullptr;
  HWND focus_ = nullptr;
  std::vector<void*> treeItems_;
  HWND panel_ = nullptr;
  HWND sampleList_ = nullptr;
  std::vector<std::pair<HWND, nuvopick::TTrackBar*>> trackModels_;
  std::vector<HWND> lists_;
  // The entry lists and the shortcut boxes, each with its editor.
  std::vector<std::pair<HWND, TEntryEditor*>> entryLists_;
  std::vector<std::pair<HWND, TEntryEditor*>> shortcutBoxes_;
  // The controls whose messages pass ControlMessage, with their own procedures.
  std::vector<std::pair<HWND, WNDPROC>> subclassed_;
  HWND extList_ = nullptr;
  // Puts the rows' texts into the extension list where they changed.
  std::function<void()> syncExtRows_;
  HWND iconPanel_ = nullptr;
  bool iconPressedOnImage_ = false;

  TPointerHint hint_;
  std::map<HWND, const nuvopick::TControlModel*> hintModels_;
  // Controls without a model of their own, by component name.
  std::map<HWND, std::string> hintNames_;
  std::vector<std::pair<HWND, TLinkLabel*>> links_;
  HWND hoveredLink_ = nullptr;
  TFont titleFont_;
  TFont linkFont_;
  TIcon aboutIcon_;
};

}  // namespace nuvopick::win
