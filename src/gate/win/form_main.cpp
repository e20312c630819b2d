#include "gate/win/form_main.h"

#include "app/start_mode.h"
#include "platform/win/application.h"

namespace nuvopick::win {
namespace {

constexpr char kCancelRow[] = "[キャンセル]";
constexpr int kListBoxId = 100;

}  // namespace

bool TForm_main::Create() {
  return TForm::Create(
      {"TForm_main", "NuvoPick", WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, 148, 182, nullptr});
}

void TForm_main::FormCreate() {
  switch (SelectStartMode(firstArgument_)) {
    case TStartMode::Setup:
      return;  // setup mode: this window stays empty and hidden
    case TStartMode::TestForm:
      ShowTestForm();
      return;
    case TStartMode::OpenFile:
      // No entries can be configured yet, so there is nothing to offer.
      Application().Terminate();
      return;
  }
}

void TForm_main::ShowTestForm() {
  POINT pointer{};
  GetCursorPos(&pointer);
  listBox_ = CreateWindowExA(
      0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0, 148, 40,
      Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListBoxId)),
      GetModuleHandleA(nullptr), nullptr);
  SendMessageA(listBox_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  SendMessageA(listBox_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kCancelRow));
  SetWindowPos(Handle(), HWND_TOPMOST, pointer.x, pointer.y, 148, 40, SWP_SHOWWINDOW);
  Application().SetShowMainFormOnRun(true);
}

LRESULT TForm_main::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == kListBoxId && HIWORD(wParam) == LBN_SELCHANGE) {
    PostMessageA(Handle(), WM_CLOSE, 0, 0);  // the cancel row closes the window
    return 0;
  }
  return TForm::HandleMessage(message, wParam, lParam);
}

}  // namespace nuvopick::win
