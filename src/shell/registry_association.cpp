// The program's file types in the class store.
#include "shell/registry_association.h"

#include "model/ext_reg_names.h"
#include "shell/app_listing.h"
#include "text/dbcs.h"
#include "text/text_helpers.h"

namespace nuvopick {

namespace {

constexpr char kBackupFileName[] = "regbackup.ini";
// Keys of the program's type whose default values keep what the extension had
// before: its open command, and its type's name (also in "regbackup.ini").
constexpr char kOldCommandKey[] = "NP_OldCommand";
constexpr char kOldTypeKey[] = "NP_OldType";
constexpr char kMenuVerbPrefix[] = "NP_Menu";
constexpr char kOpenVerbCaption[] = "NuvoPickで開く";

TRegScope OtherScope(TRegScope scope) {
  return scope == TRegScope::AllUsers ? TRegScope::CurrentUser : TRegScope::AllUsers;
}

// Runs Step, which writes to the hive of Scope; a refusal for want of rights in
// the machine's hive says what it takes.
template <typename Step>
void WithRightsHint(TRegScope scope, Step step) {
  try {
    step();
  } catch (const TRegistryError& error) {
    if (scope != TRegScope::AllUsers || !error.AccessDenied()) throw;
    throw TRegistryError(std::string(error.what()) + kAllUsersRightsHint, true);
  }
}

}  // namespace

std::string BackupFilePathFor(const std::string& exePath) {
  return JoinPath(ParentDir(exePath), kBackupFileName);
}

TRegistryAssociation::TRegistryAssociation(TAssociationContext context)
    : context_(std::move(context)),
      store_(MergedClasses(context_.Hives, context_.Scope)),
      backup_(std::make_shared<TBackupFile>(context_.Files, BackupFilePathFor(context_.ExePath))) {}

std::string TRegistryAssociation::OpenCommand() const {
  return "\"" + context_.ExePath + "\" \"%1\"";
}

std::string TRegistryAssociation::ReadOrEmpty(const std::string& path) const {
  return store_.ReadDefault(path).value_or(std::string());
}

bool TRegistryAssociation::RecordFileType(const TExtInfo& ext) {
  const TExtRegNames names = ExtRegNamesFor(ext.Name);
  // The hive's own type is what its give-back must put back; without one, the
  // type the shell shows from the other hive.
  const std::string own = store_.OwnDefault(names.D).value_or(std::string());
  const std::string current = own.empty() ? ReadOrEmpty(names.D) : own;
  // Read even when nothing is recorded: a take-over never goes ahead over a
  // backup that cannot be read.
  backup_->Ref(names.E);
  // When the extension already points at one of our types, that is not its
  // previous type: the Ref recorded when it was taken over stays.
  return !IsProgramType(current) && backup_->SetRef(names.E, current);
}

void TRegistryAssociation::BackupFileType(const TExtInfo& ext) {
  RecordFileType(ext);
  backup_->Commit();
}

void TRegistryAssociation::CreateFileType(TExtInfo& ext) {
  const TExtRegNames names = ExtRegNamesFor(ext.Name);
  const std::string currentType = ReadOrEmpty(names.D);

  std::string description;
  std::string previousType = currentType;
  std::string previousCommand;
  if (!currentType.empty()) {
    description = ReadOrEmpty(currentType);
    if (IsProgramType(currentType)) {
      // The type's open command may be our own; what it saved when the extension
      // was taken over is the real previous type and command.
      previousType = ReadOrEmpty(currentType + "\\" + kOldTypeKey);
      previousCommand = ReadOrEmpty(currentType + "\\" + kOldCommandKey);
    } else {
      std::string verb = ReadOrEmpty(currentType + "\\shell");
      if (verb.empty()) verb = "open";
      previousCommand = ReadOrEmpty(currentType + "\\shell\\" + verb + "\\command");
    }
  }

  store_.WriteDefault(names.T,
                      description.empty() ? UpperAscii(names.E) + "ファイル" : description);
  // A new type has no icon of its own yet: it shows the program's. The open verb
  // writes it, once the type is there.
  if (ext.IconPath.empty()) ReadIconOfType(ext, names.T);
  store_.WriteDefault(names.T + "\\" + kOldCommandKey, previousCommand);
  store_.WriteDefault(names.T + "\\" + kOldTypeKey, previousType);
  // Last, so that the extension never names a type that is not there.
  store_.WriteDefault(names.D, names.T);
}

void TRegistryAssociation::WriteOpenVerb(TExtInfo& ext, bool enable) {
  const TExtRegNames names = ExtRegNamesFor(ext.Name);
  const std::string command = enable ? OpenCommand() : ReadOrEmpty(names.T + "\\" + kOldCommandKey);
  store_.WriteDefault(names.T + "\\shell", "open");
  store_.WriteDefault(names.T + "\\shell\\open", kOpenVerbCaption);
  store_.WriteDefault(names.T + "\\shell\\open\\command", command);
  WriteIcon(ext, names.T);
}

void TRegistryAssociation::WriteMenuVerbs(const TExtInfo& ext, const std::string& decoration) {
  const std::string shell = ExtRegNamesFor(ext.Name).T + "\\shell";
  store_.CreateKey(shell);
  // Letter case counts: a verb someone else named "np_menu0" is not ours.
  for (const std::string& verb : store_.SubkeyNames(shell)) {
    if (verb.rfind(kMenuVerbPrefix, 0) == 0) store_.DeleteTree(shell + "\\" + verb);
  }
  if (!ext.RegFlags.Contains(rlmdContextMenu)) return;
  for (int n = 0; n < ext.Apps.Count(); ++n) {
    const TExeInfo& entry = ext.Apps.Items(n);
    const std::string verb = shell + "\\" + kMenuVerbPrefix + std::to_string(n);
    store_.WriteDefault(verb, decoration + entry.Name);
    // The shell itself puts the file in for "%1", so the parameter goes unexpanded.
    store_.WriteDefault(verb + "\\command", "\"" + Unquote(entry.AppPath) + "\" " + entry.Param);
  }
}

std::string TRegistryAssociation::RecordedPreviousType(const std::string& extName) const {
  const TExtRegNames names = ExtRegNamesFor(extName);
  if (std::optional<std::string> ref = backup_->Ref(names.E)) return *ref;
  // "regbackup.ini" lost or replaced since the take-over: the type keeps the name too.
  return ReadOrEmpty(names.T + "\\" + kOldTypeKey);
}

void TRegistryAssociation::Unregister(const TExtInfo& ext) {
  const TExtRegNames names = ExtRegNamesFor(ext.Name);
  if (names.E.empty()) return;  // no extension: its class key would be the root itself
  const std::string ref = RecordedPreviousType(ext.Name);
  if (!ref.empty() && store_.DefaultShownWithoutOwn(names.D) != ref) {
    // One write switches the extension from the program's type to its previous one.
    store_.WriteDefault(names.D, ref);
  } else {
    // The key may hold what other programs and the system put there (ShellNew,
    // Content Type, ...): take out only our value, and the key itself only when
    // that leaves it empty.
    const auto own = store_.OwnDefault(names.D);
    if (own && IsProgramType(*own)) store_.DeleteDefault(names.D);
    if (store_.KeyIsEmpty(names.D)) store_.DeleteTree(names.D);
  }
  store_.DeleteTree(names.T);
}

bool TRegistryAssociation::GiveBackIn(TRegScope scope, const TExtInfo& ext) {
  IRegistryHive& hive = context_.Hives.Of(scope);
  if (ext.GetRegState(ClassesOf(hive)).Empty()) return false;
  WithRightsHint(scope, [&] {
    TAppListing(hive).Unlist(ExtRegNamesFor(ext.Name));
    TAssociationContext there = context_;
    there.Scope = scope;
    TRegistryAssociation(there, backup_).Unregister(ext);
  });
  return true;
}

TRegFlags TRegistryAssociation::StateInHive(const TExtInfo& ext) const {
  return ext.GetRegState(ClassesOf(context_.Hives.Of(context_.Scope)));
}

bool TRegistryAssociation::Release(const TExtInfo& ext) {
  if (ExtRegNamesFor(ext.Name).E.empty()) return false;
  const bool user = GiveBackIn(TRegScope::CurrentUser, ext);
  const bool machine = GiveBackIn(TRegScope::AllUsers, ext);
  return user || machine;
}

void TRegistryAssociation::ReadIconFromRegistry(TExtInfo& ext) const {
  ReadIconOfType(ext, ReadOrEmpty(ExtRegNamesFor(ext.Name).D));
}

void TRegistryAssociation::ReadIconOfType(TExtInfo& ext, const std::string& type) const {
  // Reading only: a key the user may read but not write still gives its icon.
  const std::string location = type.empty() ? "" : ReadOrEmpty(type + "\\DefaultIcon");
  if (location.empty()) {
    ext.IconPath = context_.ExePath;
    ext.IconIndex = 1;
    return;
  }
  // Taken as stored: "%SystemRoot%\..." stays unexpanded.
  const TIconLocation icon = SplitIconLocation(location);
  ext.IconPath = icon.Path;
  ext.IconIndex = icon.Index;
}

void TRegistryAssociation::WriteIcon(TExtInfo& ext, const std::string& type) {
  if (ext.IconPath.empty()) ReadIconFromRegistry(ext);
  store_.WriteDefault(type + "\\DefaultIcon", ext.IconPath + "," + std::to_string(ext.IconIndex));
}

void TRegistryAssociation::ApplyRegistration(TExtInfo& ext, const std::string& decoration) {
  // A record without a name (a hand-edited "txt||jpg") has no class key of its
  // own: its key would be the root of the class store, which is never written.
  if (ExtRegNamesFor(ext.Name).E.empty()) return;
  // One hive holds the association: the other gives it back first, and when
  // that is refused nothing has changed in this one.
  GiveBackIn(OtherScope(context_.Scope), ext);
  WithRightsHint(context_.Scope, [&] { FollowFlags(ext, decoration); });
}

std::vector<TRecordError> TRegistryAssociation::ApplyRegistrations(
    TExtList& exts, const std::string& decoration, const std::function<void(TExtInfo&)>& onError) {
  std::vector<std::optional<std::string>> failures(static_cast<std::size_t>(exts.Count()));
  // Runs Work on every named record that has not failed yet.
  const auto eachRecord = [&](const std::function<void(int, TExtInfo&)>& work) {
    for (int i = 0; i < exts.Count(); ++i) {
      TExtInfo& ext = exts.Items(i);
      if (failures[static_cast<std::size_t>(i)] || ExtRegNamesFor(ext.Name).E.empty()) continue;
      try {
        work(i, ext);
      } catch (const TRegistryError& error) {
        failures[static_cast<std::size_t>(i)] = error.what();
      }
    }
  };
  // The backup then records what each extension shows without the program's
  // association in the other hive.
  eachRecord([&](int, TExtInfo& ext) { GiveBackIn(OtherScope(context_.Scope), ext); });
  std::vector<int> recorded;
  eachRecord([&](int i, TExtInfo& ext) {
    if (!ext.RegFlags.Empty() && StateInHive(ext).Empty() && RecordFileType(ext))
      recorded.push_back(i);
  });
  try {
    backup_->Commit();
  } catch (const TRegistryError& error) {
    for (int i : recorded) failures[static_cast<std::size_t>(i)] = error.what();
  }
  // Each take-over finds its Ref written already.
  eachRecord([&](int, TExtInfo& ext) {
    WithRightsHint(context_.Scope, [&] { FollowFlags(ext, decoration); });
  });

  std::vector<TRecordError> errors;
  for (int i = 0; i < exts.Count(); ++i) {
    const std::optional<std::string>& failure = failures[static_cast<std::size_t>(i)];
    if (!failure) continue;
    errors.push_back({exts.Items(i).Name, *failure});
    if (onError) onError(exts.Items(i));
  }
  return errors;
}

void TRegistryAssociation::FollowFlags(TExtInfo& ext, const std::string& decoration) {
  const TExtRegNames names = ExtRegNamesFor(ext.Name);
  TAppListing listing(context_.Hives.Of(context_.Scope));
  // The hive's own state decides, not the merged one: for every user the
  // machine's association may be hidden from this user by a class key of the
  // user's own, and must still be followed and given back.
  const TRegFlags state = StateInHive(ext);
  if (ext.RegFlags.Empty()) {
    if (!state.Empty()) {
      listing.Unlist(names);
      Unregister(ext);
    }
    return;
  }
  if (state.Empty()) {
    TakeOver(ext, decoration);
    return;
  }
  WriteOpenVerb(ext, ext.RegFlags.Contains(rlmdExe));
  WriteMenuVerbs(ext, decoration);
  if (ext.RegFlags.Contains(rlmdExe)) {
    listing.List(names);
  } else {
    listing.Unlist(names);
  }
}

void TRegistryAssociation::TakeOver(TExtInfo& ext, const std::string& decoration) {
  const TExtRegNames names = ExtRegNamesFor(ext.Name);
  BackupFileType(ext);
  TClassKeyBefore before{store_.OwnKeyExists(names.D), store_.OwnDefault(names.D),
                         store_.OwnKeyExists(names.T)};
  TAppListing listing(context_.Hives.Of(context_.Scope));
  try {
    CreateFileType(ext);
    WriteOpenVerb(ext, ext.RegFlags.Contains(rlmdExe));
    WriteMenuVerbs(ext, decoration);
    if (ext.RegFlags.Contains(rlmdExe)) listing.List(names);
  } catch (const TRegistryError&) {
    // Half a take-over would leave the extension naming a type without an open
    // command, which no later apply recognises as ours and can give back.
    try {
      listing.Unlist(names);
      UndoTakeOver(names, before);
    } catch (const TRegistryError&) {
      // What refused first is what the user is told about.
    }
    throw;
  }
}

void TRegistryAssociation::UndoTakeOver(const TExtRegNames& names, const TClassKeyBefore& before) {
  if (store_.OwnDefault(names.D) != before.Value) {
    if (before.Value) {
      store_.WriteDefault(names.D, *before.Value);
    } else {
      store_.DeleteDefault(names.D);
      if (!before.KeyExisted && store_.KeyIsEmpty(names.D)) store_.DeleteTree(names.D);
    }
  }
  if (!before.TypeExisted) store_.DeleteTree(names.T);
}

}  // namespace nuvopick
