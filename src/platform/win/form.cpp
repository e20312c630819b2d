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

// The frame is measured on the window as it is drawn now, which after a move to
// a screen of another DPI is that screen's frame.
void TForm::SetClientSize(int width, int height) {
  RECT window{};
  RECT client{};
  GetWindowRect(Handle(), &window);
  GetClientRect(Handle(), &client);
  const int frameWidth = (window.right - window.left) - client.right;
  const int frameHeight = (window.bottom - window.top) - client.bottom;
  SetWindowPos(Handle(), nullptr, 0, 0, width + frameWidth, height + frameHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::TakeDpiPlace(const RECT& suggested, int width, int height) {
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  SetClientSize(width, height);
}

}  // namespace nuvopick::win
