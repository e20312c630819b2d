// One extension under the program's control: its own application entries, the
// icon of its file type, its registration flags and the setup window's modified
// mark; and its section of the settings file.
#pragma once

#include <cstdint>
#include <string>

#include "model/entry_owner.h"
#include "model/exe_list.h"
#include "model/reg_flags.h"
#include "platform/class_store.h"
#include "settings/ini_file.h"

namespace nuvopick {

// The most entries a section's Count can ask for. A hand-edited Count of two
// billion must not create that many default entries; no one keeps more than a
// few dozen entries for one extension, so this leaves room for any real list.
inline constexpr int kMaxEntryCount = 4096;

// Placeholder name of an entry whose Name_n key is missing, followed by its position.
inline constexpr char kUnnamedEntryName[] = "名称不明";

// Address of the author's web page, the last line of the gate window's test list.
inline constexpr char kAuthorWebPage[] = "https://nuvopick.example.jp/";

class TExtInfo {
 public:
  // The extension without its dot ("txt"); also the name of its settings section.
  std::string Name;
  // The extension's own entries, in order; released with the record.
  TExeList Apps;
  // File holding the icon of the extension's file type; empty when none was chosen.
  std::string IconPath;
  std::int32_t IconIndex = 0;
  // Changed since the last apply; never stored.
  bool Modified = false;
  // Right after Load: what the registry shows. In the setup window's working
  // list: what the user wants the registry to show after the next apply.
  TRegFlags RegFlags;
  // Associated, but the shell opens the extension with another program (the
  // user's default-app choice in Windows, or a class key of the user's own);
  // shown, never stored.
  bool WindowsChoiceWins = false;
  // Told when the modified mark changes; not owned. Only the records of the
  // setup window's working list have one.
  IEntryOwner* Owner = nullptr;

  TExtInfo() = default;
  TExtInfo(TExtInfo&&) = default;
  TExtInfo& operator=(TExtInfo&&) = default;

  // Appends one entry and fills it from the keys with suffix N of the record's
  // section; Count is not looked at, so exactly one entry is added even when
  // none of its keys exists.
  void LoadEntry(const TIniValues& ini, int n);

  // Icon and entries from the record's section; RegFlags are left alone.
  void LoadSection(const TIniValues& ini);

  // LoadSection, then RegFlags from what the class store shows now (GetRegState),
  // never from the file. The section is read first, so a class store that throws
  // leaves the record with everything its section holds.
  void Load(const TIniValues& ini, const IClassStore& classStore);

  // The flags saved with the record's section (rlmdExe, rlmdContextMenu): what the
  // user last applied, read back where the class store cannot tell.
  TRegFlags SavedRegFlags(const TIniValues& ini) const;

  // Writes every key of the record's section, empty values included. Other keys
  // of the section are left as they are.
  void Save(TIniFile& ini) const;

  // The gate window's demonstration list: six entries that have only a name.
  void FillTestItems();

  // Copies everything but Owner; the entries are copied one by one into Apps,
  // which keeps its own owner. Nobody is told about the copied mark.
  void Assign(const TExtInfo& source);

  // Sets the mark and then tells the owner, also when the mark is cleared.
  void SetModified(bool value);

  // What the class store shows now for this extension: whether the program is its
  // open command and whether it has context-menu verbs. Opens keys for reading
  // only and creates none, so it works without the right to write to the store.
  // A default value of a wrong type throws TRegistryError.
  TRegFlags GetRegState(const IClassStore& classStore) const;
};

}  // namespace nuvopick
