#include "settings/settings_path.h"

#include "text/dbcs.h"

namespace nuvopick {

std::string SettingsPathFor(const std::string& exePath) {
  // The last dot counts only when no folder separator or drive colon follows it;
  // a dot in a folder name is not an extension.
  std::size_t last = FindLastOfChars(exePath, ".\\/:");
  if (last != std::string::npos && exePath[last] == '.') return exePath.substr(0, last) + ".ini";
  return exePath + ".ini";
}

}  // namespace nuvopick
