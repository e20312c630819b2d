#include "support/win/real_registry.h"

#include "platform/win/win_registry_hive.h"
#include "shell/app_listing.h"

namespace nuvopick::testing {

TRegistryHives RealHives() {
  static win::TWinRegistryHive user(HKEY_CURRENT_USER);
  static win::TWinRegistryHive machine(HKEY_LOCAL_MACHINE);
  return {user, machine};
}

TClassStoreView ShellClasses() {
  return MergedClasses(RealHives(), TRegScope::CurrentUser);
}

bool KeyExists(const std::string& key) {
  return ShellClasses().KeyExists(key);
}

std::string ShellDefault(const std::string& key) {
  return ShellClasses().ReadDefault(key).value_or("<none>");
}

void DeleteTestClasses(const std::vector<std::string>& keys) {
  const TRegistryHives hives = RealHives();
  for (IRegistryHive* hive : {&hives.User, &hives.Machine}) {
    for (const std::string& key : keys) hive->DeleteTree(ClassesPath(key));
    hive->DeleteTree("Software\\NuvoPick");
    hive->DeleteValue(kRegisteredApplicationsKey, kRegisteredApplicationName);
  }
}

}  // namespace nuvopick::testing
