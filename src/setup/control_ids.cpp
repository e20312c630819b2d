#include "setup/control_ids.h"

#include "resource_ids.h"

namespace nuvopick {
namespace {

struct TNamedId {
  std::string_view Name;
  int Id;
};

constexpr TNamedId kControlIds[] = {
    // The frame.
    {"Button_ok", IDC_BUTTON_OK},
    {"Button_cancel", IDC_BUTTON_CANCEL},
    {"Button_apply", IDC_BUTTON_APPLY},
    {"Button_reload", IDC_BUTTON_RELOAD},
    {"TV_select", IDC_TV_SELECT},
    // "拡張子別".
    {"Label_ext", IDC_LABEL_EXT},
    {"Edit_ext", IDC_EDIT_EXT},
    {"Label_extafter", IDC_LABEL_EXTAFTER},
    {"Button_extnew", IDC_BUTTON_EXTNEW},
    {"Button_extcpy", IDC_BUTTON_EXTCPY},
    {"ListBoxEx_ext", IDC_LISTBOXEX_EXT},
    {"ExtUpButton", IDC_EXTUPBUTTON},
    {"ExtDownButton", IDC_EXTDOWNBUTTON},
    {"Button_extdel", IDC_BUTTON_EXTDEL},
    {"Button_extExtra", IDC_BUTTON_EXTEXTRA},
    {"Image_icon", IDC_IMAGE_ICON},
    // The extension's entry editor.
    {"ListBoxEx_app", IDC_LISTBOXEX_APP},
    {"AppUpButton", IDC_APPUPBUTTON},
    {"AppDownButton", IDC_APPDOWNBUTTON},
    {"Edit_name", IDC_EDIT_NAME},
    {"Button_assist_name", IDC_BUTTON_ASSIST_NAME},
    {"EditEx_path", IDC_EDITEX_PATH},
    {"Button_ref_path", IDC_BUTTON_REF_PATH},
    {"EditEx_dir", IDC_EDITEX_DIR},
    {"Button_assist_dir", IDC_BUTTON_ASSIST_DIR},
    {"Button_ref_dir", IDC_BUTTON_REF_DIR},
    {"Edit_param", IDC_EDIT_PARAM},
    {"CheckBox_usecmdp", IDC_CHECKBOX_USECMDP},
    {"Label_sw", IDC_LABEL_SW},
    {"ComboBox_sw", IDC_COMBOBOX_SW},
    {"Edit_shortcut", IDC_EDIT_SHORTCUT},
    {"Button_appnew", IDC_BUTTON_APPNEW},
    {"Button_appAdd", IDC_BUTTON_APPADD},
    {"Button_appchg", IDC_BUTTON_APPCHG},
    {"Button_appdel", IDC_BUTTON_APPDEL},
    // "全拡張子共通".
    {"All_ListBoxEx_app", IDC_ALL_LISTBOXEX_APP},
    {"All_AppUpButton", IDC_ALL_APPUPBUTTON},
    {"All_AppDownButton", IDC_ALL_APPDOWNBUTTON},
    {"All_Edit_name", IDC_ALL_EDIT_NAME},
    {"All_Button_assist_name", IDC_ALL_BUTTON_ASSIST_NAME},
    {"All_EditEx_path", IDC_ALL_EDITEX_PATH},
    {"All_Button_ref_path", IDC_ALL_BUTTON_REF_PATH},
    {"All_EditEx_dir", IDC_ALL_EDITEX_DIR},
    {"All_Button_assist_dir", IDC_ALL_BUTTON_ASSIST_DIR},
    {"All_Button_ref_dir", IDC_ALL_BUTTON_REF_DIR},
    {"All_Edit_param", IDC_ALL_EDIT_PARAM},
    {"All_CheckBox_usecmdp", IDC_ALL_CHECKBOX_USECMDP},
    {"All_Label_sw", IDC_ALL_LABEL_SW},
    {"All_ComboBox_sw", IDC_ALL_COMBOBOX_SW},
    {"All_Edit_shortcut", IDC_ALL_EDIT_SHORTCUT},
    {"All_Button_appnew", IDC_ALL_BUTTON_APPNEW},
    {"All_Button_appadd", IDC_ALL_BUTTON_APPADD},
    {"All_Button_appchg", IDC_ALL_BUTTON_APPCHG},
    {"All_Button_appdel", IDC_ALL_BUTTON_APPDEL},
    // "一般".
    {"CheckBox_iswait", IDC_CHECKBOX_ISWAIT},
    {"TrackBar_movlen", IDC_TRACKBAR_MOVLEN},
    {"Label_movlen", IDC_LABEL_MOVLEN},
    {"TrackBar_waittime", IDC_TRACKBAR_WAITTIME},
    {"Label_waittime", IDC_LABEL_WAITTIME},
    {"CheckBox_isnoclickexe", IDC_CHECKBOX_ISNOCLICKEXE},
    {"Panel_aet_noclick", IDC_PANEL_AET_NOCLICK},
    {"TrackBar_noclickwait", IDC_TRACKBAR_NOCLICKWAIT},
    {"Label_noclickwait", IDC_LABEL_NOCLICKWAIT},
    {"CheckBox_IsExeBySingleClick", IDC_CHECKBOX_ISEXEBYSINGLECLICK},
    {"CheckBox_isonly1exe", IDC_CHECKBOX_ISONLY1EXE},
    {"CheckBox_isshowhintrel", IDC_CHECKBOX_ISSHOWHINTREL},
    {"CheckBox_isgatherfiles", IDC_CHECKBOX_ISGATHERFILES},
    {"RadioGroup_deact", IDC_RADIOGROUP_DEACT},
    {"RadioGroup_caip", IDC_RADIOGROUP_CAIP},
    // "外観・サウンド".
    {"CheckBox_isuseskin", IDC_CHECKBOX_ISUSESKIN},
    {"Edit_skinpath", IDC_EDIT_SKINPATH},
    {"Button_skinpath", IDC_BUTTON_SKINPATH},
    {"Button_wintest", IDC_BUTTON_WINTEST},
    {"Button_winedit", IDC_BUTTON_WINEDIT},
    {"Button_font", IDC_BUTTON_FONT},
    {"Button_fontcolor", IDC_BUTTON_FONTCOLOR},
    {"Button_color", IDC_BUTTON_COLOR},
    {"ListBox_fontandcolor", IDC_LISTBOX_FONTANDCOLOR},
    {"CheckBox_isusesound", IDC_CHECKBOX_ISUSESOUND},
    {"RadioButton_sound_user", IDC_RADIOBUTTON_SOUND_USER},
    {"RadioButton_sound_mb", IDC_RADIOBUTTON_SOUND_MB},
    {"Edit_soundpath", IDC_EDIT_SOUNDPATH},
    {"Button_sound_user", IDC_BUTTON_SOUND_USER},
    {"Button_sound_try", IDC_BUTTON_SOUND_TRY},
    {"RadioButton_sound_mb_ok", IDC_RADIOBUTTON_SOUND_MB_OK},
    {"RadioButton_sound_mb_ih", IDC_RADIOBUTTON_SOUND_MB_IH},
    {"RadioButton_sound_mb_iq", IDC_RADIOBUTTON_SOUND_MB_IQ},
    {"RadioButton_sound_mb_ie", IDC_RADIOBUTTON_SOUND_MB_IE},
    {"RadioButton_sound_mb_ia", IDC_RADIOBUTTON_SOUND_MB_IA},
    {"RadioButton_sound_mb_beep", IDC_RADIOBUTTON_SOUND_MB_BEEP},
    {"CheckBox_isshowicon", IDC_CHECKBOX_ISSHOWICON},
    // "コンテキストメニュー" and "設定モード".
    {"CheckBox_context_isdecorate", IDC_CHECKBOX_CONTEXT_ISDECORATE},
    {"Edit_context_decorate", IDC_EDIT_CONTEXT_DECORATE},
    {"CheckBox_isstate", IDC_CHECKBOX_ISSTATE},
    {"CheckBox_isrelonexe", IDC_CHECKBOX_ISRELONEXE},
    {"RadioGroup_regscope", IDC_RADIOGROUP_REGSCOPE},
    {"CheckBox_isshowhint", IDC_CHECKBOX_ISSHOWHINT},
    // The about panel.
    {"Label_AppTitle", IDC_LABEL_APPTITLE},
    {"Label_Release", IDC_LABEL_RELEASE},
    {"Label_myurl", IDC_LABEL_MYURL},
    {"Label_mymail", IDC_LABEL_MYMAIL},
    {"Label_showreadme", IDC_LABEL_SHOWREADME},
};

}  // namespace

int SetupControlId(std::string_view componentName) {
  for (const TNamedId& named : kControlIds) {
    if (named.Name == componentName) return named.Id;
  }
  return 0;
}

}  // namespace nuvopick
