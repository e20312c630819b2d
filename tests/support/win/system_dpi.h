// The screen's DPI for the programs a test starts: Wine takes it from the
// user's "LogPixels" when a process starts, so a program started while this
// lives is drawn at Dpi. The earlier value comes back at the end.
#pragma once

#include <windows.h>

#include <optional>

namespace nuvopick::testing {

class TScopedSystemDpi {
 public:
  explicit TScopedSystemDpi(DWORD dpi);
  ~TScopedSystemDpi();
  TScopedSystemDpi(const TScopedSystemDpi&) = delete;
  TScopedSystemDpi& operator=(const TScopedSystemDpi&) = delete;

 private:
  std::optional<DWORD> previous_;
};

}  // namespace nuvopick::testing
