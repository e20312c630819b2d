#include "platform/win/lazy_library.h"

#include <commctrl.h>

#include "resource_ids.h"

namespace nuvopick::win {

FARPROC LazyProc(const char* dll, const char* name) {
  HMODULE module = GetModuleHandleA(dll);
  if (module == nullptr) module = LoadLibraryA(dll);
  return module != nullptr ? GetProcAddress(module, name) : nullptr;
}

void UseVisualStyles() {
  // The manifest naming version 6 is resource 3 of the exe, activated for the
  // rest of the process before comctl32 is first loaded.
  static bool done = false;
  if (done) return;
  done = true;
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  ACTCTXA context{};
  context.cbSize = sizeof context;
  context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  context.lpSource = exe;
  context.lpResourceName = MAKEINTRESOURCEA(IDR_COMMON_CONTROLS_MANIFEST);
  HANDLE handle = CreateActCtxA(&context);
  ULONG_PTR cookie = 0;
  if (handle != INVALID_HANDLE_VALUE) ActivateActCtx(handle, &cookie);
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
