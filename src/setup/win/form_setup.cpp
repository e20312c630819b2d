#include "setup/win/form_setup.h"

#include "platform/win/application.h"

namespace nuvopick::win {
namespace {

constexpr int kClientWidth = 588;
constexpr int kClientHeight = 391;

}  // namespace

bool TForm_setup::Create() {
  if (!TForm::Create({"TForm_setup", "NuvoPick 設定", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0,
                      CW_USEDEFAULT, CW_USEDEFAULT, kClientWidth, kClientHeight, nullptr})) {
    return false;
  }
  SetClientSize(kClientWidth, kClientHeight);
  return true;
}

LRESULT TForm_setup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    // Not the main window: closing it hides it and ends the process.
    ShowWindow(Handle(), SW_HIDE);
    Application().Terminate();
    return 0;
  }
  return TForm::HandleMessage(message, wParam, lParam);
}

}  // namespace nuvopick::win
