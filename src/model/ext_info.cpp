// Extension records and their settings section.
#include "model/ext_info.h"

#include <algorithm>

namespace nuvopick {

namespace {

std::string EntryKey(const char* key, int n) {
  return key + std::to_string(n);
}

}  // namespace

void TExtInfo::LoadEntry(const TIniValues& ini, int n) {
  const int position = Apps.Add("", "", "", "", false, 0);
  TExeInfo& entry = Apps.Items(position);
  entry.Name =
      ini.ReadString(Name, EntryKey("Name_", n), kUnnamedEntryName + std::to_string(position));
  entry.AppPath = ini.ReadString(Name, EntryKey("AppPath_", n), "");
  entry.DirPath = ini.ReadString(Name, EntryKey("DirPath_", n), "");
  entry.Param = ini.ReadString(Name, EntryKey("Param_", n), "");
  entry.IsUseCmdp = ini.ReadBool(Name, EntryKey("IsUseCmdp_", n), false);
  entry.ShowCmd = ini.ReadInteger(Name, EntryKey("ShowCmd_", n), 1);
  // Only the low byte counts, and only a digit or capital letter is a key.
  const std::int32_t key = ini.ReadInteger(Name, EntryKey("SCK_Key_", n), 0);
  entry.ShortcutKey.SetKey(static_cast<std::uint8_t>(key & 0xFF));
  entry.ShortcutKey.Shift = ini.ReadBool(Name, EntryKey("SCK_Shift_", n), false);
  entry.ShortcutKey.Alt = ini.ReadBool(Name, EntryKey("SCK_Alt_", n), false);
  entry.ShortcutKey.Ctrl = ini.ReadBool(Name, EntryKey("SCK_Ctrl_", n), false);
}

void TExtInfo::LoadSection(const TIniValues& ini) {
  const int count = std::min(ini.ReadInteger(Name, "Count", 0), kMaxEntryCount);
  IconPath = ini.ReadString(Name, "IconPath", "");
  IconIndex = ini.ReadInteger(Name, "IconIndex", 0);
  Apps.Clear();
  for (int n = 0; n < count; ++n) LoadEntry(ini, n);
}

void TExtInfo::Load(const TIniValues& ini, const IClassStore& classStore) {
  LoadSection(ini);
  RegFlags = GetRegState(classStore);
}

TRegFlags TExtInfo::SavedRegFlags(const TIniValues& ini) const {
  TRegFlags flags;
  if (ini.ReadBool(Name, "rlmdExe", false)) flags.Include(rlmdExe);
  if (ini.ReadBool(Name, "rlmdContextMenu", false)) flags.Include(rlmdContextMenu);
  return flags;
}

void TExtInfo::Save(TIniFile& ini) const {
  ini.WriteInteger(Name, "Count", Apps.Count());
  ini.WriteString(Name, "IconPath", IconPath);
  ini.WriteInteger(Name, "IconIndex", IconIndex);
  ini.WriteBool(Name, "rlmdExe", RegFlags.Contains(rlmdExe));
  ini.WriteBool(Name, "rlmdContextMenu", RegFlags.Contains(rlmdContextMenu));
  for (int n = 0; n < Apps.Count(); ++n) {
    const TExeInfo& entry = Apps.Items(n);
    ini.WriteString(Name, EntryKey("Name_", n), entry.Name);
    ini.WriteString(Name, EntryKey("AppPath_", n), entry.AppPath);
    ini.WriteString(Name, EntryKey("DirPath_", n), entry.DirPath);
    ini.WriteString(Name, EntryKey("Param_", n), entry.Param);
    ini.WriteBool(Name, EntryKey("IsUseCmdp_", n), entry.IsUseCmdp);
    ini.WriteInteger(Name, EntryKey("ShowCmd_", n), entry.ShowCmd);
    ini.WriteInteger(Name, EntryKey("SCK_Key_", n), entry.ShortcutKey.Key);
    ini.WriteBool(Name, EntryKey("SCK_Shift_", n), entry.ShortcutKey.Shift);
    ini.WriteBool(Name, EntryKey("SCK_Alt_", n), entry.ShortcutKey.Alt);
    ini.WriteBool(Name, EntryKey("SCK_Ctrl_", n), entry.ShortcutKey.Ctrl);
  }
}

void TExtInfo::FillTestItems() {
  Apps.Clear();
  for (const char* name : {"アイテム1", "アイテム2", "アイテム3", "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
                           "テストモードです", kAuthorWebPage}) {
    Apps.Add(name, "", "", "", false, 0);
  }
}

void TExtInfo::Assign(const TExtInfo& source) {
  Name = source.Name;
  RegFlags = source.RegFlags;
  IconPath = source.IconPath;
  IconIndex = source.IconIndex;
  Modified = source.Modified;
  Apps.Clear();
  for (int n = 0; n < source.Apps.Count(); ++n) {
    const int position = Apps.Add("", "", "", "", false, 0);
    Apps.Items(position).Assign(source.Apps.Items(n));
  }
}

void TExtInfo::SetModified(bool value) {
  Modified = value;
  if (Owner != nullptr) Owner->EntryModified();
}

}  // namespace nuvopick
