// Taking an extension over in the class store and giving it back: the program's
// own file type for the extension, its open verb, icon and context-menu verbs,
// and the record of the extension's previous file type in "regbackup.ini".
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/ext_info.h"
#include "model/ext_list.h"
#include "model/ext_reg_names.h"
#include "platform/class_store.h"
#include "platform/file_system.h"
#include "platform/registry_hive.h"
#include "shell/backup_file.h"
#include "shell/class_store_view.h"

namespace nuvopick {

// What the association needs besides the record: the registry's hives, whose
// classes it reads merged as the shell does, the files (for "regbackup.ini"),
// the running executable's full path, which goes into the open command and
// stands for the program's icon, and the hive the associations are made in.
struct TAssociationContext {
  TRegistryHives Hives;
  IFileSystem& Files;
  std::string ExePath;
  TRegScope Scope = TRegScope::CurrentUser;
};

// Appended to a refusal in the machine's hive: what it takes, and the way without.
inline constexpr char kAllUsersRightsHint[] =
    "。全てのユーザーの関連付けを変えるには管理者の権限が必要です。"
    "「このユーザーのみ」なら管理者の権限なしで関連付けできます";

// "regbackup.ini" in the folder of the executable, beside the settings file.
std::string BackupFilePathFor(const std::string& exePath);

// The operations on one record, in the hive of the context's scope. Registry
// errors (a refused write, a value of the wrong type) pass through and end the
// caller's whole sequence; what was written before stays. None of them tells the
// shell that associations changed: the caller does so after a batch.
// One object reads "regbackup.ini" at most once, however many records it works
// on, and writes it only when a Ref changes: keep it for one batch of work.
class TRegistryAssociation {
 public:
  explicit TRegistryAssociation(TAssociationContext context);

  // The program's open command: "<exe path>" "%1", quotes included.
  std::string OpenCommand() const;

  // Records the file type the extension uses now in the hive (or, when the hive
  // names none, the one the shell shows from the other) as its Ref in
  // "regbackup.ini", unless it already is one of the program's types (the
  // recorded one is kept).
  // Only reads the class store; the file is written only when the Ref changes.
  // Throws BackupWriteError when the file cannot be written (and an error as
  // well when it is there but cannot be read), before anything of the extension
  // has been changed.
  void BackupFileType(const TExtInfo& ext);

  // Builds the program's type from the previous one: its description, its open
  // command saved as NP_OldCommand and its name saved as NP_OldType; then, last,
  // points the extension at it. When a write is refused the extension still names
  // the type it named before. The icon comes with the open verb.
  void CreateFileType(TExtInfo& ext);

  // The open verb of the program's type: the program's own command when Enable is
  // set, the saved previous command otherwise; rewrites the type's icon too.
  void WriteOpenVerb(TExtInfo& ext, bool enable);

  // Removes every NP_Menu verb of the program's type and, when the record asks for
  // context-menu verbs, writes one per entry, its caption Decoration + Name.
  void WriteMenuVerbs(const TExtInfo& ext, const std::string& decoration);

  // Gives the extension back in the hive: its recorded file type shown again and
  // the program's type deleted. Where the shell would show the recorded type
  // anyway once the program's value is gone (the other hive has it, or nothing is
  // recorded), only the program's value is taken out of the extension's key, and
  // the key goes when nothing else is left in it; otherwise the recorded type is
  // written over the program's in one step. A "regbackup.ini" that is there but
  // cannot be read stops it before any change. The listing stays: see Release.
  void Unregister(const TExtInfo& ext);

  // The registration state in the hive of the scope alone, whatever the shell
  // shows of it.
  TRegFlags StateInHive(const TExtInfo& ext) const;

  // Gives the extension back wherever it is the program's, in either hive,
  // listing included. Returns whether there was anything to give back.
  bool Release(const TExtInfo& ext);

  // The file type recorded as the Ref of extension ExtName in "regbackup.ini"; when
  // the file, the section or the key is missing, the one the program's type kept
  // (empty when that is missing too). A file that is there but cannot be read throws.
  std::string RecordedPreviousType(const std::string& extName) const;

  // IconPath and IconIndex from the icon of the extension's present file type, or
  // the executable's icon (index 1) when there is none. Reads only.
  void ReadIconFromRegistry(TExtInfo& ext) const;

  // Makes the registry follow the record's RegFlags, from whatever state it is in
  // now: an association of the program in the other hive is given back first, so
  // that a changed scope moves it; the extension is listed where Windows looks
  // while its open verb is the program's. Runs in full on every apply, so a
  // moved executable is followed. A take-over that fails part of the way is
  // undone: the extension's key gets its previous value back and a type made
  // for it goes again.
  void ApplyRegistration(TExtInfo& ext, const std::string& decoration);

  // ApplyRegistration for every record of the list, as one batch: the other
  // hive's associations are given back first, then the Refs of every take-over
  // are recorded and "regbackup.ini" written once, before the class store of
  // the scope is touched for any record. A record that fails (the file refused
  // included) is left out of the later steps, its error collected with its
  // name, and OnError sees it; the other records go on.
  std::vector<TRecordError> ApplyRegistrations(TExtList& exts, const std::string& decoration,
                                               const std::function<void(TExtInfo&)>& onError);

 private:
  TRegistryAssociation(TAssociationContext context, std::shared_ptr<TBackupFile> backup)
      : context_(std::move(context)),
        store_(MergedClasses(context_.Hives, context_.Scope)),
        backup_(std::move(backup)) {}

  // What a take-over found in the hive, so that a failed one can put it back.
  struct TClassKeyBefore {
    bool KeyExisted;                   // the extension's key
    std::optional<std::string> Value;  // its default value
    bool TypeExisted;                  // the program's type for it
  };

  // Puts the extension's present file type into the backup in memory, unless it
  // is one of the program's; returns whether that changed a Ref.
  bool RecordFileType(const TExtInfo& ext);
  void FollowFlags(TExtInfo& ext, const std::string& decoration);
  void TakeOver(TExtInfo& ext, const std::string& decoration);
  void UndoTakeOver(const TExtRegNames& names, const TClassKeyBefore& before);
  // Unlists and gives back the extension in the hive of Scope when it is the
  // program's there; returns whether it was.
  bool GiveBackIn(TRegScope scope, const TExtInfo& ext);
  std::string ReadOrEmpty(const std::string& path) const;
  void ReadIconOfType(TExtInfo& ext, const std::string& type) const;
  void WriteIcon(TExtInfo& ext, const std::string& type);

  TAssociationContext context_;
  TClassStoreView store_;
  // Shared with the objects made for the other hive's give-back.
  std::shared_ptr<TBackupFile> backup_;
};

}  // namespace nuvopick
