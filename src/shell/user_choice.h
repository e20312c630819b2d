// Windows' own default program for an extension, picked by the user ("常にこのアプリ
// を使う") and kept in the user's hive under a hash that only Windows writes. It
// wins over every class key, so an extension whose choice names another type
// does not open through the program whatever its class key says. Read only:
// the program never writes or deletes it.
#pragma once

#include <string>

#include "model/ext_reg_names.h"
#include "platform/registry_hive.h"

namespace nuvopick {

// The key of the user's choice for the extension, below HKEY_CURRENT_USER.
std::string UserChoiceKey(const TExtRegNames& names);

// True when the user's choice is there and names a type other than the
// program's. A choice that cannot be read (a value of the wrong type) counts as none.
bool UserChoiceOverrides(const IRegistryHive& user, const TExtRegNames& names);

// True when the shell opens the extension with a type other than the program's:
// the user's choice names another, or the classes the shell merges do (a class
// key of the user's own hides the association made for every user). Values that
// cannot be read count as none.
bool ShellOpensOtherType(const TRegistryHives& hives, const TExtRegNames& names);

// The page of Windows' default-app settings where the user picks the program,
// for the hive the associations are in.
std::string DefaultAppsSettingsUri(TRegScope scope);

}  // namespace nuvopick
