#include "platform/win/load_icon_from.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/win/lazy_library.h"
#include "platform/win/module_path.h"

namespace nuvopick::win {
namespace {

TIcon Extract(const std::string& file, int index) {
  auto* extract = LazyFunction<decltype(ExtractIconA)>("shell32.dll", "ExtractIconA");
  if (extract == nullptr) return TIcon();
  HICON icon = extract(GetModuleHandleA(nullptr), file.c_str(), static_cast<UINT>(index));
  // ExtractIconA answers 1 for a file that holds no icons at all: that is no
  // handle, and destroying it would be a fault.
  if (icon == reinterpret_cast<HICON>(1)) icon = nullptr;
  return TIcon(icon);
}

}  // namespace

TIcon LoadIconFrom(const std::string& path, int index) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    return Extract(path, index);
  }
  return Extract(RunningExePath(), 1);
}

}  // namespace nuvopick::win
