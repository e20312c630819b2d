// The registration state of an extension, as the class store shows it now.
#include "model/ext_info.h"
#include "model/ext_reg_names.h"

namespace nuvopick {

namespace {

// The default value of a key opened for reading; empty when the key does not open.
std::string ReadOrEmpty(const IClassStore& classStore, const std::string& path) {
  return classStore.ReadDefault(path).value_or(std::string());
}

}  // namespace

TRegFlags TExtInfo::GetRegState(const IClassStore& classStore) const {
  const TExtRegNames names = ExtRegNamesFor(Name);
  // The value is compared exactly: a registration made for "txt" is not this
  // record's when the record is named "TXT", although the keys are the same.
  if (ReadOrEmpty(classStore, names.D) != names.T || !classStore.KeyExists(names.T)) return {};

  TRegFlags flags;
  const std::string oldCommand = ReadOrEmpty(classStore, names.T + "\\NP_OldCommand");
  // An open command that only runs the previous command again is not ours.
  const std::string openCommand = ReadOrEmpty(classStore, names.T + "\\shell\\open\\command");
  if (!openCommand.empty() && openCommand != oldCommand) flags.Include(rlmdExe);
  if (!ReadOrEmpty(classStore, names.T + "\\shell\\NP_Menu0").empty()) {
    flags.Include(rlmdContextMenu);
  }
  return flags;
}

}  // namespace nuvopick
