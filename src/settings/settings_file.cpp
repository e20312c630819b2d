#include "settings/settings_file.h"

namespace nuvopick {

TIniFile LoadSettingsFile(const IFileSystem& fileSystem, const std::string& path) {
  return TIniFile::Parse(fileSystem.ReadAll(path).value_or(std::string()));
}

bool SaveSettingsFile(IFileSystem& fileSystem, const std::string& path, const TIniFile& ini) {
  return fileSystem.WriteAllAtomically(path, ini.Serialize());
}

}  // namespace nuvopick
