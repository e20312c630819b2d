#include "settings/settings_file.h"

namespace nuvopick {

std::optional<TIniFile> ReadSettingsFile(const IFileSystem& fileSystem, const std::string& path) {
  const std::optional<std::string> bytes = fileSystem.ReadAll(path);
  if (!bytes && fileSystem.FileExists(path)) return std::nullopt;
  return TIniFile::Parse(bytes.value_or(std::string()));
}

TIniValues LoadSettingsSections(const IFileSystem& fileSystem, const std::string& path,
                                const std::vector<std::string>& wanted) {
  TIniSectionsReader reader(wanted);
  if (!fileSystem.ReadPieces(path, [&reader](std::string_view piece) { reader.Take(piece); })) {
    return TIniValues();
  }
  return reader.Finish();
}

bool SaveSettingsFile(IFileSystem& fileSystem, const std::string& path, const TIniFile& ini) {
  return fileSystem.WriteAllAtomically(path, ini.Serialize());
}

}  // namespace nuvopick
