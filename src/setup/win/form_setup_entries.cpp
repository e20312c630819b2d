// The entry editors of the pages "拡張子別" and "全拡張子共通": the owner-drawn
// entry list, the form of boxes under it and the shortcut box that takes its
// key from a key press.
#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <utility>

#include "setup/win/form_setup.h"
#include "setup/win/setup_window_metrics.h"

namespace nuvopick::win {

using namespace setup_window;

namespace {

constexpr int kSmallButtonWidth = 22;
constexpr int kEditHeight = 21;
constexpr char kNameLabel[] = "設定名";
constexpr char kPathLabel[] = "実行ファイルパス";
constexpr char kDirLabel[] = "実行ディレクトリ";
constexpr char kParamLabel[] = "コマンドライン";
constexpr char kShortcutLabel[] = "ショートカットキー";

TShiftState ShiftStateNow() {
  return {GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_MENU) < 0, GetKeyState(VK_CONTROL) < 0};
}

}  // namespace

void TForm_setup::BuildEntryList(TEntryEditor& editor, const std::string& caption, int page, int x,
                                 int y, int width) {
  AddLabel(caption, page, x, y, width);
  const int listWidth = width - kSmallButtonWidth - 4;
  TListView::THandlers rows;
  rows.Draw = [this, &editor](const DRAWITEMSTRUCT& item) {
    const auto index = static_cast<int>(item.itemID);
    if (index < 0 || index >= editor.ListBoxEx_app.Count()) return;
    DrawListRow(item, editor.DrawItem(index), fonts_.Normal.Get(), dpi_);
  };
  TListView& list =
      AddList(editor.ListBoxEx_app, page, x, y + 16, listWidth, 7 * kEntryRowHeight + 4,
              LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, std::move(rows));
  SetRowHeight(list, kEntryRowHeight);
  AddButton(editor.AppUpButton, page, x + listWidth + 4, y + 16, kSmallButtonWidth, 22);
  AddButton(editor.AppDownButton, page, x + listWidth + 4, y + 40, kSmallButtonWidth, 22);
}

// One labelled row per field; the labels share the width of the longest.
void TForm_setup::BuildEntryForm(TEntryEditor& editor, int page, int x, int y, int width) {
  int labelWidth = 0;
  for (const char* label : {kNameLabel, kPathLabel, kDirLabel, kParamLabel,
                            editor.Label_sw.Text().c_str(), kShortcutLabel}) {
    labelWidth = std::max(labelWidth, TextWidth(label));
  }
  labelWidth += 6;
  const int boxLeft = x + labelWidth;
  const int boxWidth = width - labelWidth;
  const int step = kSmallButtonWidth + 2;
  const auto label = [&](const std::string& text, int row) {
    AddLabel(text, page, x, row + 4, labelWidth);
  };

  label(kNameLabel, y);
  AddEdit(editor.Edit_name, page, boxLeft, y, boxWidth - step,
          [&editor] { editor.Edit_nameExit(); });
  AddButton(editor.Button_assist_name, page, x + width - kSmallButtonWidth, y, kSmallButtonWidth,
            kEditHeight);
  y += kFormRowPitch;
  label(kPathLabel, y);
  AddEdit(editor.EditEx_path, page, boxLeft, y, boxWidth - step);
  AddButton(editor.Button_ref_path, page, x + width - kSmallButtonWidth, y, kSmallButtonWidth,
            kEditHeight);
  y += kFormRowPitch;
  label(kDirLabel, y);
  AddEdit(editor.EditEx_dir, page, boxLeft, y, boxWidth - 2 * step);
  AddButton(editor.Button_assist_dir, page, x + width - step - kSmallButtonWidth, y,
            kSmallButtonWidth, kEditHeight);
  AddButton(editor.Button_ref_dir, page, x + width - kSmallButtonWidth, y, kSmallButtonWidth,
            kEditHeight);
  y += kFormRowPitch;
  label(kParamLabel, y);
  AddEdit(editor.Edit_param, page, boxLeft, y, boxWidth);
  y += kFormRowPitch;
  AddCheckBox(editor.CheckBox_usecmdp, "コマンドプロンプトを利用", page, x, y + 1, width);
  y += kFormRowPitch;
  AddCaption(editor.Label_sw, page, x, y + 4, labelWidth);
  AddComboBox(editor.ComboBox_sw, page, boxLeft, y, 90);
  y += kFormRowPitch;
  label(kShortcutLabel, y);
  TShortcutBoxView::THandlers keys;
  keys.Capture = [&editor](unsigned key) { editor.CaptureShortcut(key, ShiftStateNow()); };
  keys.Finish = [&editor] { editor.FinishShortcut(); };
  Place(page, std::make_unique<TShortcutBoxView>(editor.Edit_shortcut, At(boxLeft, y, 130, 21),
                                                 std::move(keys), Runner()));
  y += kFormRowPitch + 2;

  constexpr int kButtonWidth = 52;
  int buttonLeft = x + width - 4 * kButtonWidth - 3 * 4;
  for (nuvopick::TButton* button : {&editor.Button_appnew, &editor.Button_appadd,
                                    &editor.Button_appchg, &editor.Button_appdel}) {
    AddButton(*button, page, buttonLeft, y, kButtonWidth, 23);
    buttonLeft += kButtonWidth + 4;
  }
}

}  // namespace nuvopick::win
