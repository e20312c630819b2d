#include "controls/win/file_drop.h"

#include <shellapi.h>

#include <utility>

#include "platform/win/lazy_library.h"

namespace nuvopick::win {
namespace {

// The window property that carries a control's drop route.
constexpr char kRouteProperty[] = "NuvoPick.FileDrop";

struct TDropRoute {
  WNDPROC Previous;
  TFileDropHandler Handler;
};

// Every name of the drop, then the handle released: the handle is the
// receiver's to free, whatever the handler does afterwards.
std::vector<std::string> TakeDroppedNames(HDROP drop) {
  std::vector<std::string> names;
  auto* query = LazyFunction<decltype(DragQueryFileA)>("shell32.dll", "DragQueryFileA");
  auto* finish = LazyFunction<decltype(DragFinish)>("shell32.dll", "DragFinish");
  if (query != nullptr) {
    const UINT count = query(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      std::string name(query(drop, i, nullptr, 0), '\0');
      if (!name.empty()) query(drop, i, name.data(), static_cast<UINT>(name.size() + 1));
      names.push_back(std::move(name));
    }
  }
  if (finish != nullptr) finish(drop);
  return names;
}

LRESULT CALLBACK DropRouteProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* route = static_cast<TDropRoute*>(GetPropA(control, kRouteProperty));
  const WNDPROC previous = route->Previous;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropA(control, kRouteProperty);
    delete route;
    return CallWindowProcA(previous, control, message, wParam, lParam);
  }
  const LRESULT result = CallWindowProcA(previous, control, message, wParam, lParam);
  if (message == WM_DROPFILES) {
    const std::vector<std::string> names = TakeDroppedNames(reinterpret_cast<HDROP>(wParam));
    // A copy: the handler may destroy the control, and the route with it.
    const TFileDropHandler handler = route->Handler;
    if (handler) handler(names);
  }
  return result;
}

}  // namespace

void RegisterFileDrops(HWND control, bool accept) {
  const bool registered = (GetWindowLongPtrA(control, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
  if (registered == accept) return;
  if (auto* dragAccept =
          LazyFunction<decltype(DragAcceptFiles)>("shell32.dll", "DragAcceptFiles")) {
    dragAccept(control, accept ? TRUE : FALSE);
  }
}

void RouteFileDrops(HWND control, TFileDropHandler handler) {
  if (auto* route = static_cast<TDropRoute*>(GetPropA(control, kRouteProperty))) {
    route->Handler = std::move(handler);
    return;
  }
  auto* route = new TDropRoute{nullptr, std::move(handler)};
  SetPropA(control, kRouteProperty, route);
  route->Previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DropRouteProc)));
}

}  // namespace nuvopick::win
