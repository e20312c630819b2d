#include "setup/hint_table.h"

#include <algorithm>
#include <iterator>

#include "setup/setup_pages.h"

namespace nuvopick {
namespace {

// Texts that more than one row shows.
constexpr std::string_view kEditexPathHint = "実行ファイルパスを指定します\r\n";
constexpr std::string_view kEditexDirHint = "実行ディレクトリを指定します\r\n";
constexpr std::string_view kEditParamHint = "コマンドライン引数を指定します\r\n";
constexpr std::string_view kCheckboxUsecmdpHint =
    "cmd.exe（またはcommand."
    "com）を利用するかを指定します\r\nリダイレクトやパイプ、DOSコマンド等を使用する場合はこちらを指"
    "定してください\r\nなお、実行時表示状態は指定できません";
constexpr std::string_view kComboboxSwHint = "実行時のウィンドウ表示方法を指定します";
constexpr std::string_view kButtonAssistNameHint =
    "実行ファイルパスが指定してあるとき\r\n実行ファイル名を設定名にします";
constexpr std::string_view kButtonRefPathHint = "実行ファイルパスをダイアログから選択します";
constexpr std::string_view kButtonAssistDirHint =
    "実行ファイルパスが指定してあるとき\r\n実行ファイルのあるディレクトリを実行ディレクトリとしま"
    "す";
constexpr std::string_view kButtonRefDirHint = "実行ディレクトリをダイアログから選択します";
constexpr std::string_view kEditShortcutHint =
    "関連付け実行モードの時，ショートカットキーとして利用できるキーを設定します\r\n利用可能キーは英"
    "数字およびShift，Alt，Ctrlです";
constexpr std::string_view kButtonAppnewHint =
    "現在選択中の拡張子設定の実行ファイル設定を新規登録します（上テキストボックスとは無関係）";
constexpr std::string_view kButtonAppaddHint =
    "上のテキストボックスで指定した設定を\r\n実行ファイル設定として新規登録します";
constexpr std::string_view kButtonAppchgHint =
    "現在選択中の実行ファイル設定を\r\n上のテキストボックスで指定した設定に変更します";
constexpr std::string_view kButtonAppdelHint = "現在選択中の実行ファイル設定を削除します";
constexpr std::string_view kTrackbarWaittimeHint = "上設定の指定待ち時間を指定します";

constexpr THintRow kRows[] = {
    // Every page.
    {kAnyPage, "button_ok", "変更した設定を保存し終了します", ""},
    {kAnyPage, "button_cancel", "設定は保存せずに終了します", ""},
    {kAnyPage, "button_apply", "変更した設定を保存・反映させますが、終了しません", ""},
    {kAnyPage, "button_reload", "最後に保存された設定の状態に戻します", ""},
    {kAnyPage, "pagecontrol_base",
     "拡張子別設定とは、NuvoPickに登録する拡張子についての設定です\r\n関連付け実行モード設定とは、"
     "関連付け実行した際に使用される設定です\r\nｺﾝﾃｷｽﾄﾒﾆｭｰ設定とは、コンテキストメニュー（右クリッ"
     "クメニュー）に登録した際に使用される設定です\r\n設定モード設定とは、設定モード（現在のモード"
     "）を操作する際に使用される設定です",
     ""},
    // "拡張子別".
    {kExtensionsPage, "edit_ext", "登録したい拡張子を入力してください\r\n", "Edit_ext"},
    {kExtensionsPage, "button_extnew", "上のテキストボックスに入力した拡張子を新規登録します", ""},
    {kExtensionsPage, "button_extcpy",
     "上のテキストボックスに入力した拡張子を\r\n現在選択中の拡張子の情報を複製して登録します", ""},
    {kExtensionsPage, "listboxex_ext",
     "登録されている拡張子設定のリストです\r\n左ダブルクリックで関連付け、右ダブルクリックでコンテ"
     "キストメニューへの登録ができます\r\n「！」の付いた拡張子は、Windowsの既定のアプリの設定が"
     "NuvoPickより優先されていて、NuvoPickでは開かれません",
     ""},
    {kExtensionsPage, "extupbutton", "現在選択中の拡張子設定を1つ上のものと入れ替えます", ""},
    {kExtensionsPage, "extdownbutton", "現在選択中の拡張子設定を1つ下のものと入れ替えます", ""},
    {kExtensionsPage, "button_extdel", "現在選択中の拡張子設定を削除します", ""},
    {kExtensionsPage, "button_extextra", "その他の拡張子設定です", ""},
    {kExtensionsPage, "image_icon", "現在選択中の拡張子のアイコンです", ""},
    {kExtensionsPage, "listboxex_app",
     "現在選択中の拡張子設定に登録されている実行ファイルのリストです", ""},
    {kExtensionsPage, "appupbutton", "現在選択中の実行ファイル設定を1つ上のものと入れ替えます", ""},
    {kExtensionsPage, "appdownbutton", "現在選択中の実行ファイル設定を1つ下のものと入れ替えます",
     ""},
    {kExtensionsPage, "edit_name", "設定名を指定します\r\n", "Edit_name"},
    {kExtensionsPage, "editex_path", kEditexPathHint, "EditEx_path"},
    {kExtensionsPage, "editex_dir", kEditexDirHint, "EditEx_dir"},
    {kExtensionsPage, "edit_param", kEditParamHint, "Edit_param"},
    {kExtensionsPage, "checkbox_usecmdp", kCheckboxUsecmdpHint, ""},
    {kExtensionsPage, "combobox_sw", kComboboxSwHint, ""},
    {kExtensionsPage, "button_assist_name", kButtonAssistNameHint, ""},
    {kExtensionsPage, "button_ref_path", kButtonRefPathHint, ""},
    {kExtensionsPage, "button_assist_dir", kButtonAssistDirHint, ""},
    {kExtensionsPage, "button_ref_dir", kButtonRefDirHint, ""},
    {kExtensionsPage, "edit_shortcut", kEditShortcutHint, ""},
    {kExtensionsPage, "button_appnew", kButtonAppnewHint, ""},
    {kExtensionsPage, "button_appadd", kButtonAppaddHint, ""},
    {kExtensionsPage, "button_appchg", kButtonAppchgHint, ""},
    {kExtensionsPage, "button_appdel", kButtonAppdelHint, ""},
    // "全拡張子共通".
    {kCommonEntriesPage, "all_listboxex_app",
     "全拡張子共通アプリに登録されている実行ファイルのリストです", ""},
    {kCommonEntriesPage, "all_appupbutton", "現在選択中の項目を1つ上のものと入れ替えます", ""},
    {kCommonEntriesPage, "all_appdownbutton", "現在選択中の項目を1つ下のものと入れ替えます", ""},
    {kCommonEntriesPage, "all_edit_name", "項目の設定名を指定します\r\n", "All_Edit_name"},
    {kCommonEntriesPage, "all_editex_path", kEditexPathHint, "All_EditEx_path"},
    {kCommonEntriesPage, "all_editex_dir", kEditexDirHint, "All_EditEx_dir"},
    {kCommonEntriesPage, "all_edit_param", kEditParamHint, "All_Edit_param"},
    {kCommonEntriesPage, "all_checkbox_usecmdp", kCheckboxUsecmdpHint, ""},
    {kCommonEntriesPage, "all_combobox_sw", kComboboxSwHint, ""},
    {kCommonEntriesPage, "all_button_assist_name", kButtonAssistNameHint, ""},
    {kCommonEntriesPage, "all_button_ref_path", kButtonRefPathHint, ""},
    {kCommonEntriesPage, "all_button_assist_dir", kButtonAssistDirHint, ""},
    {kCommonEntriesPage, "all_button_ref_dir", kButtonRefDirHint, ""},
    {kCommonEntriesPage, "all_edit_shortcut", kEditShortcutHint, ""},
    {kCommonEntriesPage, "all_button_appnew", kButtonAppnewHint, ""},
    {kCommonEntriesPage, "all_button_appadd", kButtonAppaddHint, ""},
    {kCommonEntriesPage, "all_button_appchg", kButtonAppchgHint, ""},
    {kCommonEntriesPage, "all_button_appdel", kButtonAppdelHint, ""},
    // "一般".
    {kGeneralPage, "checkbox_iswait",
     "関連付け実行モードの時、ソフト起動を検知したときのカーソルの位置から指定時間内に指定ドット以"
     "上動いた場合\r\n実行ファイル設定でリストの一番上にある実行ファイルが実行されます",
     ""},
    {kGeneralPage, "trackbar_movlen", "上設定の指定ドット数を指定します", ""},
    {kGeneralPage, "trackbar_waittime", kTrackbarWaittimeHint, ""},
    {kGeneralPage, "checkbox_isnoclickexe",
     "関連付け実行モードの時、実行ファイルリストが表示されてから指定時間経っても実行ファイルを選択"
     "しない場合\r\n実行ファイル設定でリストの一番上にある実行ファイルが実行されます",
     ""},
    {kGeneralPage, "panel_aet_noclick",
     "自動実行するアイテムを，一番上のものか選択中のものか選びます", ""},
    {kGeneralPage, "trackbar_noclickwait", kTrackbarWaittimeHint, ""},
    {kGeneralPage, "checkbox_isexebysingleclick",
     "関連付け実行モードの時、シングルクリックでその実行ファイルを実行します（通常はダブルクリック"
     "）",
     ""},
    {kGeneralPage, "checkbox_isonly1exe",
     "関連付け実行モードの時、実行ファイルリストに実行ファイルが1つしか含まれていない場合\r\nその実"
     "行ファイルをリストを開かずに実行します",
     ""},
    {kGeneralPage, "checkbox_isshowhintrel",
     "関連付け実行モードの時、現在開こうとしているファイルのパスを、ポップアップヒントとして表示し"
     "ます",
     ""},
    {kGeneralPage, "checkbox_isgatherfiles",
     "関連付け実行モードの時、同じ拡張子のファイルを複数選んで同時に開くと\r\nリストを一つだけ表示"
     "し、"
     "選んだ実行ファイルで全てのファイルを順に開きます",
     ""},
    {kGeneralPage, "radiogroup_deact",
     "関連付け実行モードで実行ファイルリストが表示されてから別のウィンドウに\r\nフォーカスが移った"
     "時の動作を指定します",
     ""},
    {kGeneralPage, "radiogroup_caip",
     "関連付け実行モードで全拡張子共通アプリケーション設定に設定されている項目を\r\n拡張子別項目よ"
     "り上に表示するか下に表示するか指定します",
     ""},
    // "外観・サウンド".
    {kAppearancePage, "checkbox_isuseskin",
     "関連付け実行モードの時のウィンドウにスキンを使用するかどうかです", ""},
    {kAppearancePage, "button_wintest", "スキンを適用したウィンドウのテストを行ないます", ""},
    {kAppearancePage, "button_winedit", "スキンファイルをメモ帳で編集します", ""},
    {kAppearancePage, "edit_skinpath", "使用するスキン定義ファイルのパスを指定します\r\n",
     "Edit_skinpath"},
    {kAppearancePage, "button_skinpath", "使用するスキン定義ファイルをダイアログから指定します",
     ""},
    {kAppearancePage, "button_color",
     "関連付け実行モードの時の実行ファイルリストの背景色を指定します", ""},
    {kAppearancePage, "button_font",
     "関連付け実行モードの時の実行ファイルリストのフォントを指定します", ""},
    {kAppearancePage, "button_fontcolor",
     "関連付け実行モードの時の実行ファイルリストのフォントの色を指定します", ""},
    {kAppearancePage, "listbox_fontandcolor", "左設定の結果のサンプルです", ""},
    {kAppearancePage, "checkbox_isshowicon",
     "関連付け実行モードの時の実行ファイルリストの各項目の左に\r\nそのプログラムのアイコンを表示す"
     "るかどうかです",
     ""},
    {kAppearancePage, "checkbox_isusesound",
     "関連付け実行モードのウィンドウ表示時にサウンドを鳴らすかどうかを決定します", ""},
    {kAppearancePage, "radiobutton_sound_user", "ユーザーの持つ任意のwavファイルを鳴らします", ""},
    {kAppearancePage, "edit_soundpath", "wavファイルのパスです", ""},
    {kAppearancePage, "button_sound_user", "wavファイルをダイアログを用いて指定します", ""},
    {kAppearancePage, "radiobutton_sound_mb", "システムの警告音を鳴らします", ""},
    {kAppearancePage, "radiobutton_sound_mb_ok", "一般の警告音を鳴らします", ""},
    {kAppearancePage, "radiobutton_sound_mb_ih", "システムエラー時の音を鳴らします", ""},
    {kAppearancePage, "radiobutton_sound_mb_beep", "ビープ音を鳴らします", ""},
    {kAppearancePage, "radiobutton_sound_mb_iq", "問合わせメッセージ表示時の音を鳴らします", ""},
    {kAppearancePage, "radiobutton_sound_mb_ie", "警告メッセージ表示時の音を鳴らします", ""},
    {kAppearancePage, "radiobutton_sound_mb_ia", "情報メッセージ表示時の音を鳴らします", ""},
    {kAppearancePage, "button_sound_try", "設定したサウンドを試聴します", ""},
    // "コンテキストメニュー".
    {kContextMenuPage, "checkbox_context_isdecorate",
     "コンテキストメニューに登録するようにしている時、コンテキストメニューには実行ファイルリストに"
     "表示する名前と\r\n同じものが表示されますが、その名前の前に強調として文字列を挿入します",
     ""},
    {kContextMenuPage, "edit_context_decorate", "上設定の挿入する文字列を指定します\r\n",
     "Edit_context_decorate"},
    // "設定モード".
    {kSetupModePage, "checkbox_isstate",
     "設定モード時（今のモード）、ウィンドウの「×」ボタンをクリックしても終了しなくなり、また、OKボ"
     "タンとキャンセルボタンが押せなくなります\r\n終了する場合は、タスクトレイアイコンを右クリック"
     "して開くポップアップメニューから終了してください",
     ""},
    {kSetupModePage, "checkbox_isrelonexe",
     "設定モード時（今のモード）のみ、登録されている拡張子がNuvoPickに関連付けされ、関連付け実行ま"
     "たはコンテキストメニューへの登録が行なわれます\r\nNuvoPickを終了すると自動的に元の関連付けに"
     "戻ります",
     ""},
    {kSetupModePage, "radiogroup_regscope",
     "関連付けを誰のために書き込むかを指定します\r\n「このユーザーのみ」は今のユーザーにだけ関連"
     "付けし、管理者の権限は要りません\r\n「全てのユーザー」はこのコンピュータの全てのユーザーに"
     "関連付けしますが、管理者の権限が必要です",
     ""},
    {kSetupModePage, "checkbox_isshowhint",
     "この表示されているヘルプが鬱陶しいと感じた時は、このチェックを外してください\r\nヘルプが表示"
     "されなくなります",
     ""},
};

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return lower;
}

const THintRow* FindRow(const std::string& name, int page) {
  const auto row = std::find_if(std::begin(kRows), std::end(kRows), [&](const THintRow& r) {
    return r.Page == page && r.Name == name;
  });
  return row == std::end(kRows) ? nullptr : &*row;
}

}  // namespace

std::span<const THintRow> HintTable() {
  return kRows;
}

std::string LookUpHint(std::string_view componentName, int activePage, const THintTextOf& textOf) {
  const std::string name = LowerAscii(componentName);
  const THintRow* row = FindRow(name, kAnyPage);
  if (row == nullptr) row = FindRow(name, activePage);
  if (row == nullptr) return {};
  std::string text(row->Text);
  if (!row->Appended.empty() && textOf) text += textOf(row->Appended);
  return text;
}

}  // namespace nuvopick
