// The yardstick for start-up: a program that shows one small window at the
// pointer and does nothing else.
#include <windows.h>

namespace {

LRESULT CALLBACK MinimalProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA cls{};
  cls.lpfnWndProc = &MinimalProc;
  cls.hInstance = instance;
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  cls.lpszClassName = "MinimalWindow";
  RegisterClassA(&cls);
  POINT pointer{};
  GetCursorPos(&pointer);
  HWND window = CreateWindowExA(WS_EX_TOPMOST, cls.lpszClassName, "minimal", WS_POPUP | WS_BORDER,
                                pointer.x, pointer.y, 150, 80, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOW);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
