#include "shell/backup_file.h"

#include <utility>

namespace nuvopick {
namespace {

constexpr char kRefKey[] = "Ref";

TRegistryError BackupReadError(const std::string& backupPath) {
  return TRegistryError("'" + backupPath + "' の読み込みに失敗しました");
}

}  // namespace

TRegistryError BackupWriteError(const std::string& backupPath) {
  return TRegistryError("'" + backupPath + "' の書き込みに失敗しました");
}

TIniFile& TBackupFile::Content() {
  if (!read_) {
    read_ = true;
    std::optional<std::string> bytes = files_.ReadAll(path_);
    // A file that is there but cannot be read is not an empty one: writing it
    // back would drop every extension's Ref, and giving an extension back
    // without its Ref would lose the link to its previous type.
    unreadable_ = !bytes && files_.FileExists(path_);
    onDisk_ = std::move(bytes).value_or(std::string());
    content_ = TIniFile::Parse(onDisk_);
  }
  if (unreadable_) throw BackupReadError(path_);
  return content_;
}

std::optional<std::string> TBackupFile::Ref(const std::string& ext) {
  const TIniFile& content = Content();
  if (!content.ValueExists(ext, kRefKey)) return std::nullopt;
  return content.ReadString(ext, kRefKey, "");
}

bool TBackupFile::SetRef(const std::string& ext, const std::string& type) {
  TIniFile& content = Content();
  const std::optional<std::string> before = Ref(ext);
  content.WriteString(ext, kRefKey, type);
  // Compared as stored: a write keeps a value to one line.
  const bool changed = before != Ref(ext);
  changed_ = changed_ || changed;
  return changed;
}

void TBackupFile::Commit() {
  if (!changed_) return;
  const std::string bytes = content_.Serialize();
  if (!files_.WriteAllAtomically(path_, bytes)) {
    content_ = TIniFile::Parse(onDisk_);
    changed_ = false;
    throw BackupWriteError(path_);
  }
  onDisk_ = bytes;
  changed_ = false;
}

}  // namespace nuvopick
