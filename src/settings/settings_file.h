// Reading and saving the settings file through the file system.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "settings/ini_file.h"

namespace nuvopick {

// The settings file as the setup window needs to know it: a missing file reads as
// an empty one, but a file that is there and cannot be read (held open by another
// program, no read rights, an I/O error) gives nothing, so that nobody saves over
// settings that were never seen. Never writes.
std::optional<TIniFile> ReadSettingsFile(const IFileSystem& fileSystem, const std::string& path);

// For the pick list, which never writes: only the sections named in Wanted,
// however many others the file holds. A missing or unreadable file reads as an
// empty one, so every key takes its default.
TIniValues LoadSettingsSections(const IFileSystem& fileSystem, const std::string& path,
                                const std::vector<std::string>& wanted);

// Replaces the file with the whole of Ini in one step. The old file is not
// deleted first: a crash or a failed write must not lose every setting, and a
// reader starting mid-save sees either the old or the new file. Returns false
// when the write failed; the old file is then still there as it was.
bool SaveSettingsFile(IFileSystem& fileSystem, const std::string& path, const TIniFile& ini);

}  // namespace nuvopick
