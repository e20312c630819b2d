// "regbackup.ini" held in memory for a run of associations: read from disk at
// most once, its Refs changed in memory, and written back in one atomic replace,
// only when a Ref really changed.
#pragma once

#include <optional>
#include <string>

#include "platform/class_store.h"
#include "platform/file_system.h"
#include "settings/ini_file.h"

namespace nuvopick {

// The message when "regbackup.ini" cannot be written: "'%s' の書き込みに失敗しました"
// with the file's path, so the user sees which folder refuses.
TRegistryError BackupWriteError(const std::string& backupPath);

class TBackupFile {
 public:
  TBackupFile(IFileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

  // The Ref recorded for the extension (without its dot); nothing when the file,
  // the section or the key is missing. A file that is there but cannot be read
  // throws, now and at every later use, and is never written.
  std::optional<std::string> Ref(const std::string& ext);

  // Records Type as the extension's Ref in memory. Returns whether that changed
  // the file's content.
  bool SetRef(const std::string& ext, const std::string& type);

  // Writes the file when a Ref changed since it was read or last written.
  // Throws BackupWriteError when refused; what is held is then the file as it
  // is on disk again, so nothing else relies on the refused Refs.
  void Commit();

 private:
  TIniFile& Content();

  IFileSystem& files_;
  std::string path_;
  bool read_ = false;
  bool unreadable_ = false;
  bool changed_ = false;
  std::string onDisk_;
  TIniFile content_;
};

}  // namespace nuvopick
