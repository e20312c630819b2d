// The entry editors of the pages "拡張子別" and "全拡張子共通": the owner-drawn
// entry list, the form of boxes under it and the shortcut box that takes its
// key from a key press.
#include <windows.h>

#include <algorithm>
#include <initializer_list>

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
  HWND list = AddList(editor.ListBoxEx_app, page, x, y + 16, listWidth, 7 * kEntryRowHeight + 4,
                      LBS_OWNERDRAWFIXED | LBS_HASSTRINGS);
  SendMessageA(list, LB_SETITEMHEIGHT, 0, kEntryRowHeight);
  entryLists_.emplace_back(list, &editor);
  AddButton(editor.AppUpButton, page, x + listWidth + 4, y + 16, kSmallButtonWidth, 22);
  AddButton(editor.AppDownButton, page, x + listWidth + 4, y + 40, kSmallButtonWidth, 22);
}

// One labelled row per field; the labels share the width of the longest.
void TForm_setup::BuildEntryForm(TEntryEditor& editor, int page, int x, int y, int width) {
  int labelWidth = 0;
  for (const char* label : {kNameLabel, kPathLabel, kDirLabel, kParamLabel,
                            editor.Label_sw.Text().c_str(), kShortcutLabel}) {
    labelWidth = std::max(labelWidth, static_cast<int>(MeasureText(font_.Get(), label).cx));
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
  HWND shortcut = AddEdit(editor.Edit_shortcut, page, boxLeft, y, 130);
  SendMessageA(shortcut, EM_SETREADONLY, TRUE, 0);
  shortcutBoxes_.emplace_back(shortcut, &editor);
  Subclass(shortcut);
  y += kFormRowPitch + 2;

  constexpr int kButtonWidth = 52;
  int buttonLeft = x + width - 4 * kButtonWidth - 3 * 4;
  for (nuvopick::TButton* button : {&editor.Button_appnew, &editor.Button_appadd,
                                    &editor.Button_appchg, &editor.Button_appdel}) {
    AddButton(*button, page, buttonLeft, y, kButtonWidth, 23);
    buttonLeft += kButtonWidth + 4;
  }
}

bool TForm_setup::DrawEntryRow(const DRAWITEMSTRUCT& item) {
  const auto editor =
      std::find_if(entryLists_.begin(), entryLists_.end(),
                   [&item](const auto& list) { return list.first == item.hwndItem; });
  if (editor == entryLists_.end()) return false;
  const auto index = static_cast<int>(item.itemID);
  if (index < 0 || index >= editor->second->ListBoxEx_app.Count()) return true;
  DrawListRow(item, editor->second->DrawItem(index), font_.Get());
  return true;
}

// Every key but Tab, which still leaves the box, is a shortcut to capture;
// leaving the box settles a press of modifiers alone.
LRESULT TForm_setup::ShortcutBoxMessage(TEntryEditor& editor, HWND control, UINT message,
                                        WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE: {
      const auto* pending = reinterpret_cast<const MSG*>(lParam);
      if (pending != nullptr && pending->message == WM_KEYDOWN && pending->wParam == VK_TAB) break;
      return DLGC_WANTALLKEYS;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      const auto key = static_cast<unsigned>(wParam);
      Run([&editor, key] { editor.CaptureShortcut(key, ShiftStateNow()); });
      // Alt+F4 and the system menu still reach the window.
      if (message == WM_SYSKEYDOWN) break;
      return 0;
    }
    case WM_CHAR:
    case WM_SYSCHAR:
      return 0;
    case WM_KILLFOCUS:
      Run([&editor] { editor.FinishShortcut(); });
      break;
    default:
      break;
  }
  return CallPrevious(control, message, wParam, lParam);
}

}  // namespace nuvopick::win
