// The setup window's working copies, free of controls: the extension list and the
// common entries loaded from the settings file, written back on apply, their
// associations made, put back and given up, in the scope the window chooses.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/entry_owner.h"
#include "model/exe_list.h"
#include "model/ext_list.h"
#include "platform/caching_registry_hive.h"
#include "platform/file_system.h"
#include "platform/registry_hive.h"
#include "settings/ini_file.h"
#include "shell/registry_association.h"

namespace nuvopick {

class TSetupSession {
 public:
  // Owner hears of every modified mark of the lists. Scope tells, when asked,
  // where associations are written (the choice on the page "設定モード").
  TSetupSession(IEntryOwner& owner, TRegistryHives hives, IFileSystem& files, std::string exePath,
                std::function<TRegScope()> scope);
  TSetupSession(const TSetupSession&) = delete;
  TSetupSession& operator=(const TSetupSession&) = delete;

  TExtList& ExtList() { return extList_; }
  TExeList& CommonList() { return commonList_; }

  // The one place the registry association of the setup window is made. Inside
  // a batch it works through the batch's cache.
  TAssociationContext AssociationContext() const;

  // While one lives, every registry read of the session goes through one cache,
  // and every write through it to the registry: for a run of registry work with
  // nothing else writing in between, such as the load. Each operation below is
  // a batch of its own already; one made inside another shares its cache.
  class TBatch {
   public:
    explicit TBatch(TSetupSession& session);
    ~TBatch();
    TBatch(const TBatch&) = delete;
    TBatch& operator=(const TBatch&) = delete;

   private:
    TSetupSession& session_;
    bool outermost_;
  };

  // New working lists from Ini: the records with their present registry state,
  // in the every-user scope also the machine's associations a class key of the
  // user's own hides, and the common entries. The errors are the records whose
  // state could not be read.
  std::vector<TRecordError> Load(const TIniFile& ini);
  // Associations exist only while setup mode runs: puts back the saved ones, each
  // record with the flags Ini holds for it. A record that fails is marked.
  std::vector<TRecordError> AssociateSaved(const TIniFile& ini, const std::string& decoration);
  // The extension sections, AllExt and the common entries' section.
  void Save(TIniFile& ini) const;
  // The registry work of an apply for every record, and every mark cleared but
  // those of the records that failed.
  std::vector<TRecordError> Apply(const std::string& decoration);
  // Gives every record's association back.
  std::vector<TRecordError> GiveBack();
  void Clear();

  bool AnyExtModified() const;

  // The associated extensions that the shell opens with another program (the
  // user's default-app choice in Windows, or a class key of the user's own), as
  // class keys (".txt"); each record's mark follows.
  struct TWindowsChoices {
    std::vector<std::string> Overridden;
    bool MarksChanged = false;
  };
  TWindowsChoices MarkWindowsChoices();

 private:
  // The batch's hives while one lives, else the registry's own.
  TRegistryHives Hives() const;
  void ShowHiddenMachineAssociations();

  TRegistryHives hives_;
  std::unique_ptr<TCachingHives> batch_;
  IFileSystem& files_;
  std::string exePath_;
  std::function<TRegScope()> scope_;
  IEntryOwner* owner_;
  TExtList extList_;
  TExeList commonList_;
};

}  // namespace nuvopick
