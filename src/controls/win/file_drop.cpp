#include "controls/win/file_drop.h"

#include <shellapi.h>

#include <utility>

#include "controls/system_paths.h"
#include "platform/win/lazy_library.h"
#include "platform/win/win_setup_services.h"
#include "text/win/wide_chars.h"

namespace nuvopick::win {
namespace {

// Every name of the drop, then the handle released: the handle is the
// receiver's to free, whatever the handler does afterwards. Wide: the ANSI
// names would give characters outside the code page as look-alikes or "?".
std::vector<std::u16string> TakeDroppedNames(HDROP drop) {
  std::vector<std::u16string> names;
  auto* query = LazyFunction<decltype(DragQueryFileW)>("shell32.dll", "DragQueryFileW");
  auto* finish = LazyFunction<decltype(DragFinish)>("shell32.dll", "DragFinish");
  if (query != nullptr) {
    const UINT count = query(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      std::u16string name(query(drop, i, nullptr, 0), u'\0');
      if (!name.empty()) query(drop, i, WideChars(name), static_cast<UINT>(name.size() + 1));
      names.push_back(std::move(name));
    }
  }
  if (finish != nullptr) finish(drop);
  return names;
}

// The names the settings can keep; the others are refused with a warning owned
// by the control's window.
std::vector<std::string> StorableDroppedNames(HWND control, HDROP drop) {
  const std::vector<std::u16string> names = TakeDroppedNames(drop);
  TWinMessageBox messages;
  messages.SetOwner(GetAncestor(control, GA_ROOT));
  return StorablePaths(names, messages);
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
      control, [control, handler = std::move(handler)](UINT message, WPARAM wParam, LPARAM lParam,
                                                       const TNextHandler& next) {
        const LRESULT result = next(message, wParam, lParam);
        if (message == WM_DROPFILES) {
          const std::vector<std::string> names =
              StorableDroppedNames(control, reinterpret_cast<HDROP>(wParam));
          // A copy: the handler may destroy the control, and the hook with it. A
          // drop whose every name was refused hands nothing on.
          const TFileDropHandler call = handler;
          if (call && !names.empty()) call(names);
        }
        return result;
      });
}

}  // namespace nuvopick::win
