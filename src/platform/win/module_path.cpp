#include "platform/win/module_path.h"

#include <windows.h>

namespace nuvopick::win {

std::string RunningExePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return std::string();
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // truncated: try again with more room
  }
}

}  // namespace nuvopick::win
