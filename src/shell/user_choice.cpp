#include "shell/user_choice.h"

#include "shell/class_store_view.h"
#include "text/dbcs.h"

namespace nuvopick {

std::string UserChoiceKey(const TExtRegNames& names) {
  return "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\" + names.D +
         "\\UserChoice";
}

bool UserChoiceOverrides(const IRegistryHive& user, const TExtRegNames& names) {
  try {
    const std::optional<std::string> progId = user.ReadString(UserChoiceKey(names), "ProgId");
    return progId && !progId->empty() && !SameTextAscii(*progId, names.T);
  } catch (const TRegistryError&) {
    return false;
  }
}

bool ShellOpensOtherType(const TRegistryHives& hives, const TExtRegNames& names) {
  if (UserChoiceOverrides(hives.User, names)) return true;
  try {
    const TClassStoreView shown = ShownClasses(hives);
    return shown.ReadDefault(names.D).value_or(std::string()) != names.T;
  } catch (const TRegistryError&) {
    return false;
  }
}

std::string DefaultAppsSettingsUri(TRegScope scope) {
  // Windows 11 opens the program's own page; older versions show the general one.
  return scope == TRegScope::AllUsers ? "ms-settings:defaultapps?registeredAppMachine=NuvoPick"
                                      : "ms-settings:defaultapps?registeredAppUser=NuvoPick";
}

}  // namespace nuvopick
