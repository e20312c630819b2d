// The setup window's hints: the component name of each control model, and the
// application's show-hint event that finds a control's text in the hint table.
#include <string>
#include <vector>

#include "setup/form_setup.h"
#include "setup/hint_table.h"

namespace nuvopick {
namespace {

template <typename Model>
const TEdit* AsEdit(const Model&) {
  return nullptr;
}
const TEdit* AsEdit(const TEdit& edit) {
  return &edit;
}

}  // namespace

std::vector<TForm_setup::TNamedControl> TForm_setup::NameControls() {
  std::vector<TNamedControl> names;
  const auto name = [&names](const auto& model, std::string componentName) {
    names.push_back({&model, std::move(componentName), AsEdit(model)});
  };
  name(Button_reload, "Button_reload");
  name(Button_apply, "Button_apply");
  name(Button_ok, "Button_ok");
  name(Button_cancel, "Button_cancel");
  name(TV_select, "TV_select");
  name(PageControl_base, "PageControl_base");

  name(ExtPage.Label_ext, "Label_ext");
  name(ExtPage.Edit_ext, "Edit_ext");
  name(ExtPage.Label_extafter, "Label_extafter");
  name(ExtPage.Button_extnew, "Button_extnew");
  name(ExtPage.Button_extcpy, "Button_extcpy");
  name(ExtPage.ListBoxEx_ext, "ListBoxEx_ext");
  name(ExtPage.ExtUpButton, "ExtUpButton");
  name(ExtPage.ExtDownButton, "ExtDownButton");
  name(ExtPage.Button_extdel, "Button_extdel");
  name(ExtPage.Button_extExtra, "Button_extExtra");
  name(All_ListBoxEx_app, "All_ListBoxEx_app");
  // The two entry editors: the common one's components carry "All_".
  for (TEntryEditor* editor : {&AppEditor, &All_AppEditor}) {
    const std::string prefix = editor == &All_AppEditor ? "All_" : "";
    if (editor == &AppEditor) name(editor->ListBoxEx_app, "ListBoxEx_app");
    name(editor->AppUpButton, prefix + "AppUpButton");
    name(editor->AppDownButton, prefix + "AppDownButton");
    name(editor->Edit_name, prefix + "Edit_name");
    name(editor->Button_assist_name, prefix + "Button_assist_name");
    name(editor->EditEx_path, prefix + "EditEx_path");
    name(editor->Button_ref_path, prefix + "Button_ref_path");
    name(editor->EditEx_dir, prefix + "EditEx_dir");
    name(editor->Button_assist_dir, prefix + "Button_assist_dir");
    name(editor->Button_ref_dir, prefix + "Button_ref_dir");
    name(editor->Edit_param, prefix + "Edit_param");
    name(editor->CheckBox_usecmdp, prefix + "CheckBox_usecmdp");
    name(editor->Label_sw, prefix + "Label_sw");
    name(editor->ComboBox_sw, prefix + "ComboBox_sw");
    name(editor->Edit_shortcut, prefix + "Edit_shortcut");
    name(editor->Button_appnew, prefix + "Button_appnew");
    name(editor->Button_appadd,
         prefix + (editor == &AppEditor ? "Button_appAdd" : "Button_appadd"));
    name(editor->Button_appchg, prefix + "Button_appchg");
    name(editor->Button_appdel, prefix + "Button_appdel");
  }

  name(GeneralPage.CheckBox_iswait, "CheckBox_iswait");
  name(GeneralPage.TrackBar_movlen, "TrackBar_movlen");
  name(GeneralPage.Label_movlen, "Label_movlen");
  name(GeneralPage.TrackBar_waittime, "TrackBar_waittime");
  name(GeneralPage.Label_waittime, "Label_waittime");
  name(GeneralPage.CheckBox_isnoclickexe, "CheckBox_isnoclickexe");
  name(GeneralPage.Panel_aet_noclick, "Panel_aet_noclick");
  name(GeneralPage.TrackBar_noclickwait, "TrackBar_noclickwait");
  name(GeneralPage.Label_noclickwait, "Label_noclickwait");
  name(GeneralPage.CheckBox_IsExeBySingleClick, "CheckBox_IsExeBySingleClick");
  name(GeneralPage.CheckBox_isonly1exe, "CheckBox_isonly1exe");
  name(GeneralPage.CheckBox_isshowhintrel, "CheckBox_isshowhintrel");
  name(GeneralPage.CheckBox_isgatherfiles, "CheckBox_isgatherfiles");
  name(GeneralPage.RadioGroup_deact, "RadioGroup_deact");
  name(GeneralPage.RadioGroup_caip, "RadioGroup_caip");
  name(SetupModePage.RadioGroup_regscope, "RadioGroup_regscope");

  name(AppearancePage.CheckBox_isuseskin, "CheckBox_isuseskin");
  name(AppearancePage.Edit_skinpath, "Edit_skinpath");
  name(AppearancePage.Button_skinpath, "Button_skinpath");
  name(AppearancePage.Button_wintest, "Button_wintest");
  name(AppearancePage.Button_winedit, "Button_winedit");
  name(AppearancePage.Button_font, "Button_font");
  name(AppearancePage.Button_fontcolor, "Button_fontcolor");
  name(AppearancePage.Button_color, "Button_color");
  name(AppearancePage.ListBox_fontandcolor, "ListBox_fontandcolor");
  name(AppearancePage.CheckBox_isusesound, "CheckBox_isusesound");
  name(AppearancePage.RadioButton_sound_user, "RadioButton_sound_user");
  name(AppearancePage.RadioButton_sound_mb, "RadioButton_sound_mb");
  name(AppearancePage.Edit_soundpath, "Edit_soundpath");
  name(AppearancePage.Button_sound_user, "Button_sound_user");
  name(AppearancePage.Button_sound_try, "Button_sound_try");
  name(AppearancePage.RadioButton_sound_mb_ok, "RadioButton_sound_mb_ok");
  name(AppearancePage.RadioButton_sound_mb_ih, "RadioButton_sound_mb_ih");
  name(AppearancePage.RadioButton_sound_mb_iq, "RadioButton_sound_mb_iq");
  name(AppearancePage.RadioButton_sound_mb_ie, "RadioButton_sound_mb_ie");
  name(AppearancePage.RadioButton_sound_mb_ia, "RadioButton_sound_mb_ia");
  name(AppearancePage.RadioButton_sound_mb_beep, "RadioButton_sound_mb_beep");
  name(AppearancePage.CheckBox_isshowicon, "CheckBox_isshowicon");

  name(MenuPage.CheckBox_context_isdecorate, "CheckBox_context_isdecorate");
  name(MenuPage.Edit_context_decorate, "Edit_context_decorate");

  name(SetupModePage.CheckBox_isstate, "CheckBox_isstate");
  name(SetupModePage.CheckBox_isrelonexe, "CheckBox_isrelonexe");
  name(SetupModePage.CheckBox_isshowhint, "CheckBox_isshowhint");

  name(About.Label_AppTitle, "Label_AppTitle");
  name(About.Label_Release, "Label_Release");
  name(About.Label_myurl, "Label_myurl");
  name(About.Label_mymail, "Label_mymail");
  name(About.Label_showreadme, "Label_showreadme");
  return names;
}

std::string TForm_setup::ComponentName(const TControlModel* model) const {
  for (const TNamedControl& named : names_) {
    if (named.Model == model) return named.Name;
  }
  return {};
}

void TForm_setup::ApplicationEventsShowHint(std::string& hintStr, bool& /*canShow*/,
                                            THintInfo& hintInfo) {
  // Read afresh for every hint: unchecking the box silences them at once.
  if (!SetupModePage.CheckBox_isshowhint.Checked()) return;
  hintInfo.HideTimeout = kHintHideTimeout;
  hintStr = LookUpHint(hintInfo.HintControl, PageControl_base.ActivePageIndex(),
                       [this](std::string_view componentName) {
                         for (const TNamedControl& named : names_) {
                           if (named.Edit != nullptr && named.Name == componentName) {
                             return named.Edit->Text();
                           }
                         }
                         return std::string();
                       });
}

}  // namespace nuvopick
