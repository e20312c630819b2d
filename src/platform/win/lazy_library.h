// System DLLs that only some runs need (the shell, sounds, common controls) are
// loaded on first use instead of at start: the gate window has to appear as
// fast as a bare window, and loading them costs more than the rest of its start.
#pragma once

#include <windows.h>

namespace nuvopick::win {

// The function Name of the system DLL Dll, loading the DLL the first time it is
// asked for; nullptr when either is missing. The DLL stays loaded.
FARPROC LazyProc(const char* dll, const char* name);

template <typename Function>
Function* LazyFunction(const char* dll, const char* name) {
  // Through the generic function pointer type, which any function pointer may
  // be cast from and to.
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(LazyProc(dll, name)));
}

// The common controls of version 6 (tooltips, tree views, track bars …) with
// visual styles, made ready once before the first of them is created. Only the
// setup window asks for version 6; a gate start gets the plain ones.
void UseVisualStyles();
void InitCommonControlsOnce();

}  // namespace nuvopick::win
