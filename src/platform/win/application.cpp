#include "platform/win/application.h"

namespace nuvopick::win {

TApplication& Application() {
  static TApplication application;
  return application;
}

void TApplication::WindowCreated(HWND window) {
  if (mainWindow_ == nullptr) mainWindow_ = window;
}

void TApplication::WindowDestroyed(HWND window) {
  dialogWindows_.erase(window);
  if (window == mainWindow_) {
    mainWindow_ = nullptr;
    Terminate();
  }
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::Run() {
  if (showMainFormOnRun_ && mainWindow_ != nullptr && !terminated_) {
    ShowWindow(mainWindow_, SW_SHOW);
  }
  MSG msg;
  while (!terminated_) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    HWND root = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr && dialogWindows_.count(root) != 0 && IsDialogMessageA(root, &msg)) {
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace nuvopick::win
