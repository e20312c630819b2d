#include "controls/win/file_drop.h"

#include <shellapi.h>

#include <utility>

#include "platform/win/lazy_library.h"

namespace nuvopick::win {
namespace {

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

}  // namespace

void RegisterFileDrops(HWND control, bool accept) {
  const bool registered = (GetWindowLongPtrA(control, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
  if (registered == accept) return;
  if (auto* dragAccept =
          LazyFunction<decltype(DragAcceptFiles)>("shell32.dll", "DragAcceptFiles")) {
    dragAccept(control, accept ? TRUE : FALSE);
  }
}

TSubclassToken RouteFileDrops(HWND control, TFileDropHandler handler) {
  return HookControl(
      control, [handler = std::move(handler)](UINT message, WPARAM wParam, LPARAM lParam,
                                              const TNextHandler& next) {
        const LRESULT result = next(message, wParam, lParam);
        if (message == WM_DROPFILES) {
          const std::vector<std::string> names = TakeDroppedNames(reinterpret_cast<HDROP>(wParam));
          // A copy: the handler may destroy the control, and the hook with it.
          const TFileDropHandler call = handler;
          if (call) call(names);
        }
        return result;
      });
}

}  // namespace nuvopick::win
