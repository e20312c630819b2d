#include "support/win/system_dpi.h"

#include <stdexcept>

namespace nuvopick::testing {
namespace {

constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kLogPixels[] = "LogPixels";

void WriteLogPixels(DWORD dpi) {
  if (RegSetKeyValueA(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, REG_DWORD, &dpi, sizeof dpi) !=
      ERROR_SUCCESS) {
    throw std::runtime_error("cannot write the screen's DPI");
  }
}

}  // namespace

TScopedSystemDpi::TScopedSystemDpi(DWORD dpi) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, RRF_RT_REG_DWORD, nullptr, &value,
                   &size) == ERROR_SUCCESS) {
    previous_ = value;
  }
  WriteLogPixels(dpi);
}

TScopedSystemDpi::~TScopedSystemDpi() {
  if (previous_) {
    WriteLogPixels(*previous_);
  } else {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kDesktopKey, kLogPixels);
  }
}

}  // namespace nuvopick::testing
