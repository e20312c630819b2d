#include "shell/bulk_association.h"

namespace nuvopick {

bool ApplyBulkCommand(TExtList& exts, const TBulkCommand& command) {
  bool changed = false;
  for (int i = 0; i < exts.Count(); ++i) {
    TExtInfo& ext = exts.Items(i);
    if (ext.RegFlags.Contains(command.Flag) == command.Set) continue;
    if (command.Set) {
      ext.RegFlags.Include(command.Flag);
    } else {
      ext.RegFlags.Exclude(command.Flag);
    }
    ext.SetModified(true);
    changed = true;
  }
  return changed;
}

}  // namespace nuvopick
