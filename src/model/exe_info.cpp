// Application entries.
#include "model/exe_info.h"

namespace nuvopick {

void TExeInfo::Assign(const TExeInfo& source) {
  Name = source.Name;
  AppPath = source.AppPath;
  DirPath = source.DirPath;
  Param = source.Param;
  IsUseCmdp = source.IsUseCmdp;
  ShowCmd = source.ShowCmd;
  Modified = source.Modified;
  ShortcutKey.Assign(source.ShortcutKey);
}

void TExeInfo::SetModified(bool value) {
  Modified = value;
  if (Owner != nullptr) Owner->EntryModified();
}

}  // namespace nuvopick
