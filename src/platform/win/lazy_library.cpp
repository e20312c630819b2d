#include "platform/win/lazy_library.h"

#include <commctrl.h>

namespace nuvopick::win {

FARPROC LazyProc(const char* dll, const char* name) {
  HMODULE module = GetModuleHandleA(dll);
  if (module == nullptr) module = LoadLibraryA(dll);
  return module != nullptr ? GetProcAddress(module, name) : nullptr;
}

void InitCommonControlsOnce() {
  static bool done = false;
  if (done) return;
  done = true;
  if (auto* init =
          LazyFunction<decltype(InitCommonControlsEx)>("comctl32.dll", "InitCommonControlsEx")) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    init(&controls);
  }
}

}  // namespace nuvopick::win
