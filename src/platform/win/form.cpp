#include "platform/win/form.h"

#include "platform/win/application.h"

namespace nuvopick::win {

bool TForm::Create(const TCreateParams& params) {
  if (!CreateHandle(params)) return false;
  Application().WindowCreated(Handle());
  FormCreate();
  return true;
}

LRESULT TForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) Application().WindowDestroyed(Handle());
  return TWindow::HandleMessage(message, wParam, lParam);
}

void TForm::SetClientSize(int width, int height) {
  RECT rect{0, 0, width, height};
  auto style = static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE));
  auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE));
  AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  SetWindowPos(Handle(), nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace nuvopick::win
