#include "setup/setup_session.h"

#include <unordered_set>
#include <utility>

#include "model/ext_info.h"
#include "model/ext_reg_names.h"
#include "settings/section_names.h"
#include "shell/class_store_view.h"
#include "shell/user_choice.h"

namespace nuvopick {
namespace {

void MarkModified(TExtInfo& ext) {
  ext.SetModified(true);
}

}  // namespace

TSetupSession::TSetupSession(IEntryOwner& owner, TRegistryHives hives, IFileSystem& files,
                             std::string exePath, std::function<TRegScope()> scope)
    : hives_(hives),
      files_(files),
      exePath_(std::move(exePath)),
      scope_(std::move(scope)),
      owner_(&owner),
      extList_(owner_),
      commonList_(owner_) {}

TSetupSession::TBatch::TBatch(TSetupSession& session)
    : session_(session), outermost_(session.batch_ == nullptr) {
  if (outermost_) session_.batch_ = std::make_unique<TCachingHives>(session_.hives_);
}

TSetupSession::TBatch::~TBatch() {
  if (outermost_) session_.batch_.reset();
}

TRegistryHives TSetupSession::Hives() const {
  return batch_ ? batch_->Hives() : hives_;
}

TAssociationContext TSetupSession::AssociationContext() const {
  return {Hives(), files_, exePath_, scope_()};
}

std::vector<TRecordError> TSetupSession::Load(const TIniFile& ini) {
  extList_ = TExtList(owner_);
  const TBatch batch(*this);
  std::vector<TRecordError> errors = extList_.Load(ini, ShownClasses(Hives()));
  if (scope_() == TRegScope::AllUsers) ShowHiddenMachineAssociations();

  TExtInfo common;
  common.Name = kCommonSectionName;
  common.LoadSection(ini);
  commonList_ = TExeList(owner_);
  for (int i = 0; i < common.Apps.Count(); ++i) {
    const int position = commonList_.Add("", "", "", "", false, 0);
    commonList_.Items(position).Assign(common.Apps.Items(i));
  }
  return errors;
}

void TSetupSession::ShowHiddenMachineAssociations() {
  const TRegistryAssociation association(AssociationContext());
  for (int i = 0; i < extList_.Count(); ++i) {
    TExtInfo& ext = extList_.Items(i);
    if (!ext.RegFlags.Empty()) continue;
    try {
      ext.RegFlags = association.StateInHive(ext);
    } catch (const TRegistryError&) {
      // The load has reported the value that cannot be read.
    }
  }
}

std::vector<TRecordError> TSetupSession::AssociateSaved(const TIniFile& ini,
                                                        const std::string& decoration) {
  // The flags come from the file here, so the state read at the load does not
  // matter, nor does its error; one that persists fails again here.
  for (int i = 0; i < extList_.Count(); ++i) {
    TExtInfo& ext = extList_.Items(i);
    ext.RegFlags = ext.SavedRegFlags(ini);
  }
  const TBatch batch(*this);
  return TRegistryAssociation(AssociationContext())
      .ApplyRegistrations(extList_, decoration, MarkModified);
}

void TSetupSession::Save(TIniFile& ini) const {
  extList_.Save(ini);
  TExtInfo common;
  common.Name = kCommonSectionName;
  for (int i = 0; i < commonList_.Count(); ++i) {
    const int position = common.Apps.Add("", "", "", "", false, 0);
    common.Apps.Items(position).Assign(commonList_.Items(i));
  }
  common.Save(ini);
}

std::vector<TRecordError> TSetupSession::Apply(const std::string& decoration) {
  // One extension the registry refuses does not hold the others back; it keeps
  // its mark, so apply stays due.
  std::unordered_set<const TExtInfo*> failed;
  const TBatch batch(*this);
  const std::vector<TRecordError> errors =
      TRegistryAssociation(AssociationContext())
          .ApplyRegistrations(extList_, decoration, [&failed](TExtInfo& ext) {
            failed.insert(&ext);
            MarkModified(ext);
          });
  for (int i = 0; i < extList_.Count(); ++i) {
    TExtInfo& ext = extList_.Items(i);
    if (failed.count(&ext) != 0) continue;
    ext.SetModified(false);
    for (int n = 0; n < ext.Apps.Count(); ++n) ext.Apps.Items(n).SetModified(false);
  }
  for (int i = 0; i < commonList_.Count(); ++i) commonList_.Items(i).SetModified(false);
  return errors;
}

std::vector<TRecordError> TSetupSession::GiveBack() {
  // One association for all: "regbackup.ini" is read once.
  const TBatch batch(*this);
  TRegistryAssociation association(AssociationContext());
  return extList_.ForEach([&](TExtInfo& ext) { association.Release(ext); });
}

void TSetupSession::Clear() {
  extList_.Clear();
  commonList_.Clear();
}

bool TSetupSession::AnyExtModified() const {
  for (int i = 0; i < extList_.Count(); ++i) {
    if (extList_.Items(i).Modified) return true;
  }
  return false;
}

TSetupSession::TWindowsChoices TSetupSession::MarkWindowsChoices() {
  const TBatch batch(*this);
  const TRegistryAssociation association(AssociationContext());
  TWindowsChoices choices;
  for (int i = 0; i < extList_.Count(); ++i) {
    TExtInfo& ext = extList_.Items(i);
    const TExtRegNames names = ExtRegNamesFor(ext.Name);
    // Only what is associated now: a refused association is an error, not this.
    bool associated = false;
    try {
      associated = !names.E.empty() && ext.RegFlags.Contains(rlmdExe) &&
                   association.StateInHive(ext).Contains(rlmdExe);
    } catch (const TRegistryError&) {
      // Reported where it was read first.
    }
    const bool wins = associated && ShellOpensOtherType(Hives(), names);
    choices.MarksChanged = choices.MarksChanged || wins != ext.WindowsChoiceWins;
    ext.WindowsChoiceWins = wins;
    if (wins) choices.Overridden.push_back(names.D);
  }
  return choices;
}

}  // namespace nuvopick
