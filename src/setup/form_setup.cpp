#include "setup/form_setup.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "settings/section_names.h"
#include "settings/settings_file.h"
#include "settings/settings_path.h"
#include "setup/setup_layout.h"
#include "shell/registry_association.h"
#include "shell/user_choice.h"
#include "text/ansi_text.h"
#include "text/text_helpers.h"
#include "version.h"

namespace nuvopick {
namespace {

std::vector<TTreeView::TNode> TreeNodes() {
  std::vector<TTreeView::TNode> nodes;
  for (const TSetupPage& page : kSetupPages)
    nodes.push_back({std::string(page.Caption), page.Parent});
  return nodes;
}

std::string Format(const char* pattern, const std::string& value) {
  std::string text = pattern;
  const std::size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, value);
  return text;
}

std::string RecordErrorsText(const std::vector<TRecordError>& errors) {
  std::string text = kRecordErrorsText;
  for (const TRecordError& error : errors) text += "\r\n" + error.ExtName + ": " + error.Message;
  return text;
}

}  // namespace

TForm_setup::TForm_setup(const TSetupServices& services, ISetupView& view, std::string exePath)
    : session_(*this, services.Hives, services.Files, exePath,
               [this] { return SetupModePage.RegScope(); }),
      TV_select(TreeNodes()),
      ExtPage({session_, services.Messages, services.Notice, view, Window,
               [this] { EnableApply(); },
               [this](const TPreviousVerbEntry& entry) { AppendImportedEntry(entry); }}),
      AppEditor(ExtPage.ListBoxEx_app, {[this]() -> TExeList* {
                                          TExtInfo* ext = SelectedExt();
                                          return ext == nullptr ? nullptr : &ext->Apps;
                                        },
                                        services.Files, services.Dialogs, services.Messages, view,
                                        [this] { MarkSelectedExt(); },
                                        [this] {
                                          MarkSelectedExt();
                                          view_.RepaintLists();
                                        },
                                        [this] { EnableApply(); }}),
      All_AppEditor(All_ListBoxEx_app,
                    {[this]() -> TExeList* { return &session_.CommonList(); }, services.Files,
                     services.Dialogs, services.Messages, view, nullptr, [this] { EnableApply(); },
                     [this] { EnableApply(); }}),
      GeneralPage([this] { EnableApply(); }),
      AppearancePage({services.Files, services.Dialogs, services.Messages, services.Shell,
                      services.Sound, services.Choose, exePath, [this] { EnableApply(); },
                      [this] { return HasUnsavedChanges(); }}),
      MenuPage([this] { EnableApply(); }),
      SetupModePage([this] { EnableApply(); }, [this] { CheckBox_isstateClick(); }),
      About(services.Shell, services.Messages, ParentDir(exePath)),
      services_(services),
      view_(view),
      exePath_(std::move(exePath)) {
  BindHandlers();
  names_ = NameControls();
}

void TForm_setup::BindHandlers() {
  Button_apply.OnClick = [this] { Button_applyClick(); };
  Button_ok.OnClick = [this] { Button_okClick(); };
  Button_cancel.OnClick = [this] { Button_cancelClick(); };
  Button_reload.OnClick = [this] { Button_reloadClick(); };
  TV_select.OnChange = [this](const std::string& caption) { TV_selectChange(caption); };
  PMenu_ttray = {
      {TMenuItemKind::Title, kTrayTitleText, {}},
      MenuSeparator(),
      {TMenuItemKind::Command, "設定", [this] { PMenu_ttray_setupClick(); }},
      {TMenuItemKind::Command, "終了", [this] { PMenu_ttray_exitClick(); }},
      MenuSeparator(),
      {TMenuItemKind::Command, "キャンセル", {}},
  };
}

// The extension whose entries were edited is changed too.
void TForm_setup::MarkSelectedExt() {
  if (TExtInfo* ext = SelectedExt()) ext->SetModified(true);
}

void TForm_setup::AppendImportedEntry(const TPreviousVerbEntry& entry) {
  TExtInfo* ext = SelectedExt();
  if (ext == nullptr) return;
  // A blank entry, appended and selected as "新規" does, then the values stored.
  const int index = AppEditor.AppendNewEntry(ext->Apps);
  AppEditor.StoreAppEntry(index, entry.Name, entry.AppPath, entry.DirPath, entry.Param, false,
                          kImportedShowCmd);
}

TExtInfo* TForm_setup::SelectedExt() {
  const int index = ExtPage.ListBoxEx_ext.ItemIndex();
  TExtList& exts = session_.ExtList();
  return index >= 0 && index < exts.Count() ? &exts.Items(index) : nullptr;
}

bool TForm_setup::Dispatch(const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const std::exception& error) {
    ShowError(error);
    return false;
  }
}

void TForm_setup::ShowError(const std::exception& error) {
  services_.Messages.Show(
      {error.what(), kErrorCaption, TMessageButtons::Ok, TMessageIcon::Error, true});
}

void TForm_setup::FormCreate() {
  if (!services_.Instance.Acquire()) {
    services_.Messages.Show(
        {kSecondSetupText, kWarningCaption, TMessageButtons::Ok, TMessageIcon::Warning, false});
    view_.EndApplication();
    return;
  }
  instanceHeld_ = true;
  LoadSettings();
  const TSize screen = view_.ScreenSize();
  const TSize window = view_.WindowSize();
  Position = {(screen.Width - window.Width) / 2, (screen.Height - window.Height) / 2};
  // Loading went through the controls' change handlers, which marked changes.
  SetApplyEnabled(session_.AnyExtModified());
  TV_select.Select(0);
  PageControl_base.SetActivePageIndex(kRootPage);
  About.ShowVersion(NUVOPICK_VERSION_TEXT, NUVOPICK_RELEASE_DATE);
}

void TForm_setup::SettingsToControls(const TGeneralSettings& settings) {
  GeneralPage.Load(settings);
  AppearancePage.Load(settings);
  MenuPage.Load(settings);
  SetupModePage.Load(settings);
}

TGeneralSettings TForm_setup::SettingsFromControls() const {
  TGeneralSettings settings;
  GeneralPage.Save(settings);
  AppearancePage.Save(settings);
  MenuPage.Save(settings);
  SetupModePage.Save(settings);
  return settings;
}

std::vector<std::string> TForm_setup::MarkWindowsChoices() {
  TSetupSession::TWindowsChoices choices = session_.MarkWindowsChoices();
  if (choices.MarksChanged) view_.RepaintLists();
  return std::move(choices.Overridden);
}

void TForm_setup::OfferWindowsChoiceSettings(const std::vector<std::string>& overridden) {
  if (overridden.empty()) return;
  std::string names;
  for (const std::string& name : overridden) names += (names.empty() ? "" : " ") + name;
  const TMessageResult answer =
      services_.Messages.Show({Format(kWindowsChoiceText, names), kConfirmCaption,
                               TMessageButtons::YesNo, TMessageIcon::Question, true});
  if (answer != TMessageResult::Yes) return;
  services_.Shell.Open(
      {u"", WidenAnsi(DefaultAppsSettingsUri(SetupModePage.RegScope())), u"", u"", kShowNormal},
      true);
}

std::string TForm_setup::SettingsPath() const {
  return SettingsPathFor(exePath_);
}

void TForm_setup::LoadSettings() {
  const std::optional<TIniFile> read = ReadSettingsFile(services_.Files, SettingsPath());
  settingsRead_ = read.has_value();
  if (!settingsRead_) {
    services_.Messages.Show({Format(kSettingsReadErrorText, SettingsPath()), kErrorCaption,
                             TMessageButtons::Ok, TMessageIcon::Error, true});
  }
  const TIniFile ini = read.value_or(TIniFile());
  SettingsToControls(ReadGeneralSettings(ini, TSettingsReader::Setup));
  savedRelOnExe_ = SetupModePage.CheckBox_isrelonexe.Checked();

  std::vector<TRecordError> errors;
  std::vector<std::string> overridden;
  {
    // The load's registry work, up to the marks, reads each key once.
    const TSetupSession::TBatch batch(session_);
    errors = session_.Load(ini);
    if (savedRelOnExe_) {
      // Associations exist only while setup mode runs: put back the saved ones.
      errors = session_.AssociateSaved(ini, MenuPage.DecorationText());
      services_.Notice.AssociationsChanged();
    }
    ExtPage.FillList();
    overridden = MarkWindowsChoices();
  }
  if (savedRelOnExe_) OfferWindowsChoiceSettings(overridden);
  {
    const TModelUpdate update(All_ListBoxEx_app);
    All_ListBoxEx_app.Clear();
    const TExeList& common = session_.CommonList();
    for (int i = 0; i < common.Count(); ++i) All_ListBoxEx_app.Add(common.Items(i).Name);
  }
  if (ExtPage.ListBoxEx_ext.Count() > 0) ExtPage.ListBoxEx_ext.SetItemIndex(0);
  if (All_ListBoxEx_app.Count() > 0) All_ListBoxEx_app.SetItemIndex(0);
  if (!errors.empty()) ShowRecordErrors(errors);
}

void TForm_setup::ShowRecordErrors(const std::vector<TRecordError>& errors) {
  services_.Messages.Show(
      {RecordErrorsText(errors), kErrorCaption, TMessageButtons::Ok, TMessageIcon::Error, true});
}

void TForm_setup::Button_applyClick() {
  // Settings that were never read must not be replaced by what the window shows
  // instead of them.
  if (!settingsRead_) throw TSettingsWriteError(Format(kSettingsUnreadText, SettingsPath()));
  // A new file from scratch: keys and sections the program does not know are dropped.
  TIniFile ini;
  session_.Save(ini);
  WriteGeneralSettings(ini, SettingsFromControls(), exePath_);
  // The old file stays as it was when the new one cannot be written; the
  // registry must then not run ahead of the file either.
  if (!SaveSettingsFile(services_.Files, SettingsPath(), ini)) {
    throw TSettingsWriteError(Format(kSettingsWriteErrorText, SettingsPath()));
  }
  savedRelOnExe_ = SetupModePage.CheckBox_isrelonexe.Checked();

  // All failures are told at the end.
  const std::vector<TRecordError> errors = session_.Apply(MenuPage.DecorationText());
  // Clearing the marks above reported changes; now everything is saved.
  SetApplyEnabled(!errors.empty());
  view_.RepaintLists();

  const std::string caption = Caption.Text();
  Caption.SetText(kSetupUpdatingCaption);
  services_.Notice.AssociationsChanged();
  Caption.SetText(caption);
  OfferWindowsChoiceSettings(MarkWindowsChoices());
  if (!errors.empty()) throw TRegistryError(RecordErrorsText(errors));
}

void TForm_setup::Button_okClick() {
  Button_apply.Click();
  Close();
}

void TForm_setup::Button_cancelClick() {
  Close();
}

void TForm_setup::Button_reloadClick() {
  LoadSettings();
  SetApplyEnabled(session_.AnyExtModified());
}

void TForm_setup::EnableApply() {
  SetApplyEnabled(true);
}

void TForm_setup::SetApplyEnabled(bool enabled) {
  Button_apply.SetEnabled(enabled);
  Button_reload.SetEnabled(enabled || !settingsRead_);
}

void TForm_setup::TV_selectChange(const std::string& caption) {
  int page = kRootPage;
  for (const TSetupPage& node : kSetupPages) {
    if (node.Caption == caption) page = node.PageIndex;
  }
  PageControl_base.SetActivePageIndex(page);
}

void TForm_setup::IconDialogClosed(const TIconDialogCloseRecord& result) {
  TExtList& exts = session_.ExtList();
  if (result.Accepted && result.ExtIndex >= 0 && result.ExtIndex < exts.Count()) {
    TExtInfo& ext = exts.Items(result.ExtIndex);
    const bool changed = result.IconFile != ext.IconPath || result.IconIndex != ext.IconIndex;
    ext.IconPath = result.IconFile;
    ext.IconIndex = result.IconIndex;
    view_.ShowExtIcon(ext.IconPath, ext.IconIndex);
    if (changed) {
      ext.SetModified(true);
      view_.RepaintLists();
    }
  }
  // The window was disabled while the picker was open.
  Window.SetEnabled(true);
}

void TForm_setup::CheckBox_isstateClick() {
  if (SetupModePage.CheckBox_isstate.Checked()) {
    AddTrayIcon();
  } else {
    RemoveTrayIcon();
  }
  // A resident window is left through the tray menu only.
  Button_ok.SetEnabled(!SetupModePage.CheckBox_isstate.Checked());
  Button_cancel.SetEnabled(!SetupModePage.CheckBox_isstate.Checked());
  EnableApply();
}

void TForm_setup::AddTrayIcon() {
  services_.Tray.Add();
  trayShown_ = true;
}

void TForm_setup::RemoveTrayIcon() {
  services_.Tray.Remove();
  trayShown_ = false;
}

void TForm_setup::TaskBarCreated() {
  if (SetupModePage.CheckBox_isstate.Checked()) AddTrayIcon();
}

void TForm_setup::TrayNotify(std::uint32_t mouseMessage) {
  // The icon picker is open: it has to be closed first.
  if (!Window.Enabled()) return;
  if (mouseMessage == kTrayLeftButtonDown) {
    view_.RestoreApplication();
    view_.BringToForeground();
  } else if (mouseMessage == kTrayRightButtonDown) {
    view_.BringToForeground();
    view_.PopupTrayMenu();
  }
}

void TForm_setup::PMenu_ttray_setupClick() {
  view_.RestoreApplication();
}

void TForm_setup::PMenu_ttray_exitClick() {
  if (HasUnsavedChanges()) {
    const TMessageResult answer =
        services_.Messages.Show({kExitQuestionText, kExitQuestionCaption,
                                 TMessageButtons::YesNoCancel, TMessageIcon::Question, true});
    if (answer == TMessageResult::Cancel) return;
    // A failed apply throws and so ends the command before the application.
    if (answer == TMessageResult::Yes) Button_applyClick();
  }
  view_.EndApplication();
}

void TForm_setup::ApplicationEventsMinimize() {
  // Resident: reachable only through the tray icon.
  if (SetupModePage.CheckBox_isstate.Checked()) view_.ShowTaskbarButton(false);
}

void TForm_setup::ApplicationEventsRestore() {
  view_.ShowTaskbarButton(true);
}

void TForm_setup::FormClose() {
  if (SetupModePage.CheckBox_isstate.Checked()) {
    view_.MinimizeApplication();
  } else {
    view_.EndApplication();
  }
}

void TForm_setup::EndSession(bool ending) {
  if (ending) ReleaseSetupMode();
}

void TForm_setup::ReleaseSetupMode() {
  if (released_) return;
  released_ = true;
  // The saved choice, not the check box: an unsaved tick must not take away the
  // associations that the saved settings keep, nor an unsaved untick leave
  // behind those made at start.
  const bool associateWhileRunning = savedRelOnExe_;
  // Shutting down goes on after a registry error: every other extension is given
  // back, the mark, the tray icon and the lists are given up all the same, and
  // the errors are reported at the end.
  std::vector<TRecordError> errors;
  if (associateWhileRunning) errors = session_.GiveBack();
  if (instanceHeld_) services_.Instance.Release();
  instanceHeld_ = false;
  if (trayShown_) RemoveTrayIcon();
  session_.Clear();
  if (associateWhileRunning) services_.Notice.AssociationsChanged();
  if (!errors.empty()) throw TRegistryError(RecordErrorsText(errors));
}

}  // namespace nuvopick
