// One hive of the real registry (HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE)
// through the Reg*A calls.
#pragma once

#include <windows.h>

#include "platform/registry_hive.h"

namespace nuvopick::win {

class TWinRegistryHive : public IRegistryHive {
 public:
  // Root is one of the predefined keys; it is never closed or deleted.
  explicit TWinRegistryHive(HKEY root) : root_(root) {}

  bool KeyExists(const std::string& path) const override;
  std::optional<std::string> ReadString(const std::string& path,
                                        const std::string& name) const override;
  void WriteString(const std::string& path, const std::string& name,
                   const std::string& value) override;
  void CreateKey(const std::string& path) override;
  std::vector<std::string> SubkeyNames(const std::string& path) const override;
  std::vector<std::string> ValueNames(const std::string& path) const override;
  bool HasValues(const std::string& path) const override;
  void DeleteTree(const std::string& path) override;
  void DeleteValue(const std::string& path, const std::string& name) override;

 private:
  HKEY root_;
};

}  // namespace nuvopick::win
