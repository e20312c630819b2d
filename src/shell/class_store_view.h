// The class store seen through the registry's hives, as Windows presents it
// under HKEY_CLASSES_ROOT: the user's classes (HKEY_CURRENT_USER\Software\Classes)
// over the machine's (HKEY_LOCAL_MACHINE\Software\Classes). A key is there when
// either hive has it; a value comes from the user's key when that key holds it,
// else from the machine's; the subkeys are those of both. Writes and deletes go
// to one chosen hive only, never through the merged view, so that the program
// decides who an association is for.
#pragma once

#include <string>
#include <vector>

#include "platform/class_store.h"
#include "platform/registry_hive.h"

namespace nuvopick {

class TClassStoreView : public IClassStore {
 public:
  // Over (may be null) wins over Under for reading; WriteTo receives the writes.
  TClassStoreView(const IRegistryHive* over, const IRegistryHive& under, IRegistryHive& writeTo)
      : over_(over), under_(under), writeTo_(writeTo) {}

  bool KeyExists(const std::string& path) const override;
  std::optional<std::string> ReadDefault(const std::string& path) const override;
  void WriteDefault(const std::string& path, const std::string& value) override;
  void CreateKey(const std::string& path) override;
  std::vector<std::string> SubkeyNames(const std::string& path) const override;
  void DeleteTree(const std::string& path) override;
  void DeleteDefault(const std::string& path) override;
  bool KeyIsEmpty(const std::string& path) const override;

  // The hive written to, alone: whether it has the key, and its own default value
  // (nothing when the key or the value is missing).
  bool OwnKeyExists(const std::string& path) const;
  std::optional<std::string> OwnDefault(const std::string& path) const;
  // The default value the shell would show were the hive written to without one.
  std::optional<std::string> DefaultShownWithoutOwn(const std::string& path) const;

 private:
  const IRegistryHive* over_;
  const IRegistryHive& under_;
  IRegistryHive& writeTo_;
};

// What the shell sees, with writes going to the hive of Scope.
TClassStoreView MergedClasses(const TRegistryHives& hives, TRegScope scope);

// What the shell sees, for reading only: what it decides does not depend on
// where writes would go.
TClassStoreView ShownClasses(const TRegistryHives& hives);

// One hive's classes alone, read and written there.
TClassStoreView ClassesOf(IRegistryHive& hive);

// The path below a hive's root of class key Path ("" is the classes key itself).
std::string ClassesPath(const std::string& path);

}  // namespace nuvopick
