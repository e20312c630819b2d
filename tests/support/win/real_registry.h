// The real registry as the Windows test programs look at it: the class store
// that Windows' shell sees, and the removal of every trace a test leaves in
// either hive. Wine's own HKEY_CLASSES_ROOT shows the machine's classes only.
#pragma once

#include <string>
#include <vector>

#include "platform/registry_hive.h"
#include "shell/class_store_view.h"

namespace nuvopick::testing {

// HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE.
TRegistryHives RealHives();

// The user's classes over the machine's, writes going to the user's hive.
TClassStoreView ShellClasses();

// Class key Key as the shell sees it: whether it is there, its default value
// (or "<none>").
bool KeyExists(const std::string& key);
std::string ShellDefault(const std::string& key);

// Deletes the class keys in both hives, and with them the program's listing
// (Software\NuvoPick and its RegisteredApplications value) in both.
void DeleteTestClasses(const std::vector<std::string>& keys);

}  // namespace nuvopick::testing
