#include "settings/settings_file.h"

namespace nuvopick {

std::optional<TIniFile> ReadSettingsFile(const IFileSystem& fileSystem, const std::string& path) {
  const std::optional<std::string> bytes = fileSystem.ReadAll(path);
  if (!bytes && fileSystem.FileExists(path)) return std::nullopt;
  return TIniFile::Parse(bytes.value_or(std::string()));
}

TIniFile LoadSettingsFile(const IFileSystem& fileSystem, const std::string& path) {
  return ReadSettingsFile(fileSystem, path).value_or(TIniFile());
}

bool SaveSettingsFile(IFileSystem& fileSystem, const std::string& path, const TIniFile& ini) {
  return fileSystem.WriteAllAtomically(path, ini.Serialize());
}

}  // namespace nuvopick
