// In-memory registry hives for the tests: key names matched without regard to
// case, values with their types, and writes refused on demand as Windows refuses
// them to a user without the rights. MemoryClasses puts a user's and a machine's
// hive together the way the shell sees their classes.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/registry_hive.h"
#include "shell/class_store_view.h"

namespace nuvopick::testing {

enum class TValueType { String, ExpandString, Dword };

class MemoryRegistryHive : public IRegistryHive {
 public:
  MemoryRegistryHive();

  // Every write, create and delete is refused for want of rights.
  bool refuseWrites = false;
  // Writes, creates and deletes of these keys and of the keys below them are
  // refused: each step of a sequence can fail.
  std::vector<std::string> refusedKeys;

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

  // Arranging a hive for a test, refusal or not.
  void Set(const std::string& path, const std::string& name, const std::string& value,
           TValueType type = TValueType::String);
  // Value Name as stored, or "<none>" / "<no key>", for assertions.
  std::string Dump(const std::string& path, const std::string& name = "") const;
  // Every key with its values, one "path" line and one "path|name=value" line
  // a value, in name order.
  std::string DumpAll() const;

 private:
  struct TValue {
    TValueType type = TValueType::String;
    std::string data;
  };
  struct TKey {
    std::string name;                                              // as first created
    std::map<std::string, std::pair<std::string, TValue>> values;  // by upper-cased name
    std::map<std::string, std::unique_ptr<TKey>> subkeys;          // by upper-cased name
  };

  const TKey* Find(const std::string& path) const;
  TKey& FindOrCreate(const std::string& path);
  void RefuseIfAsked(const std::string& path, const std::string& name) const;
  static void DumpTree(const TKey& key, const std::string& path, std::string& out);

  std::unique_ptr<TKey> root_;
};

// A user's and the machine's hive, each with its classes key as Windows has
// them. Itself the class store the shell sees, with writes going to the
// user's hive as the program makes them by default.
struct MemoryClasses : TClassStoreView {
  MemoryClasses();
  MemoryClasses(MemoryClasses&& other);
  MemoryClasses& operator=(MemoryClasses&& other);

  MemoryRegistryHive user;
  MemoryRegistryHive machine;

  TRegistryHives Hives() { return {user, machine}; }
  MemoryRegistryHive& Of(TRegScope scope) { return scope == TRegScope::AllUsers ? machine : user; }

  // Class key Path's default value in the machine's classes: what Windows and
  // other programs installed before this program ran.
  void Set(const std::string& path, const std::string& value,
           TValueType type = TValueType::String) {
    machine.Set(ClassesPath(path), "", value, type);
  }
  void SetNamed(const std::string& path, const std::string& name, const std::string& value) {
    machine.Set(ClassesPath(path), name, value);
  }
  // The default value the shell sees, or "<none>" / "<no key>".
  std::string Dump(const std::string& path) const;
  // Every class key the shell sees with its default value, one "path=value" a
  // line, in name order.
  std::string DumpClasses() const;
  // Both hives whole, the user's first.
  std::string DumpAll() const {
    return "[user]\n" + user.DumpAll() + "[machine]\n" + machine.DumpAll();
  }
  // Both hives refuse every write, or again take them.
  void RefuseWrites(bool refuse = true) { user.refuseWrites = machine.refuseWrites = refuse; }
};

}  // namespace nuvopick::testing
