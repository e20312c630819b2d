#include "platform/win/control_view.h"

namespace nuvopick::win {
namespace {

// The window property that leads from a control to its view.
constexpr char kViewProperty[] = "NuvoPick.View";

// The child a parent's message is about, or nullptr for one about no child.
HWND ChildOf(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
      return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    case WM_SETCURSOR:
      return reinterpret_cast<HWND>(wParam);
    default:
      return nullptr;
  }
}

}  // namespace

TControlView::~TControlView() {
  if (handle_ != nullptr) RemovePropA(handle_, kViewProperty);
}

TControlView* TControlView::Of(HWND control) {
  return control != nullptr ? static_cast<TControlView*>(GetPropA(control, kViewProperty))
                            : nullptr;
}

bool TControlView::Reflected(UINT, WPARAM, LPARAM, LRESULT&) {
  return false;
}

HWND TControlView::CreateControl(const char* className, const std::string& text, DWORD style,
                                 DWORD exStyle, const TPlacement& place) {
  handle_ = CreateWindowExA(exStyle, className, text.c_str(), WS_CHILD | style, place.X, place.Y,
                            place.Width, place.Height, place.Parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.Id)),
                            GetModuleHandleA(nullptr), nullptr);
  if (handle_ == nullptr) return nullptr;
  SetPropA(handle_, kViewProperty, this);
  hook_ = HookControl(handle_,
                      [this](UINT message, WPARAM wParam, LPARAM lParam, const TNextHandler& next) {
                        if (message != WM_NCDESTROY)
                          return ControlMessage(message, wParam, lParam, next);
                        // The control ends before its view: the view lets go of it.
                        RemovePropA(handle_, kViewProperty);
                        handle_ = nullptr;
                        return next(message, wParam, lParam);
                      });
  if (place.Font != nullptr) {
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(place.Font), FALSE);
  }
  return handle_;
}

LRESULT TControlView::ControlMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                     const TNextHandler& next) {
  return next(message, wParam, lParam);
}

bool ReflectToView(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_NOTIFY && lParam == 0) return false;
  TControlView* view = TControlView::Of(ChildOf(message, wParam, lParam));
  return view != nullptr && view->Reflected(message, wParam, lParam, result);
}

}  // namespace nuvopick::win
