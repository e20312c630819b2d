#include "platform/win/window.h"

#include "platform/win/control_view.h"
#include "platform/win/message_barrier.h"
#include "resource_ids.h"

namespace nuvopick::win {

TWindow::~TWindow() {
  if (handle_ != nullptr) {
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
  }
}

bool TWindow::CreateHandle(const TCreateParams& params) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (!GetClassInfoExA(instance, params.className, &existing)) {
    WNDCLASSEXA cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = &TWindow::WindowProc;
    cls.hInstance = instance;
    cls.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_NUVOPICK));
    cls.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = params.className;
    if (RegisterClassExA(&cls) == 0) return false;
  }
  CreateWindowExA(params.exStyle, params.className, params.caption, params.style, params.x,
                  params.y, params.width, params.height, params.parent, nullptr, instance, this);
  return handle_ != nullptr;
}

// What a window leaves to its base goes to the view of the child it is about,
// and then to the system.
LRESULT TWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (LRESULT result = 0; ReflectToView(message, wParam, lParam, result)) return result;
  return DefaultHandler(message, wParam, lParam);
}

LRESULT TWindow::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(handle_, message, wParam, lParam);
}

void TWindow::MessageFailedIn(HWND control, const std::exception& error) {
  // Windows of ours are known by their class's procedure, which no subclass changes.
  for (HWND window = control; window != nullptr; window = GetParent(window)) {
    if (GetClassLongPtrA(window, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&WindowProc))
      continue;
    if (auto* self = reinterpret_cast<TWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA))) {
      self->MessageFailed(error);
    }
    return;
  }
}

LRESULT CALLBACK TWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* self = static_cast<TWindow*>(create->lpCreateParams);
    self->handle_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  const LRESULT result =
      HandleGuarded([&] { return self->HandleMessage(message, wParam, lParam); },
                    [self](const std::exception& error) { self->MessageFailed(error); });
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->handle_ = nullptr;
  }
  return result;
}

}  // namespace nuvopick::win
