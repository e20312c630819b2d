#include "platform/registry_hive.h"

namespace nuvopick {

bool KeyIsEmpty(const IRegistryHive& hive, const std::string& path) {
  return hive.KeyExists(path) && hive.SubkeyNames(path).empty() && !hive.HasValues(path);
}

}  // namespace nuvopick
