// An in-memory class store for the tests: key names matched without regard to
// case, values with their types, and writes refused on demand.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/class_store.h"

namespace nuvopick::testing {

enum class TValueType { String, ExpandString, Dword };

class MemoryClassStore : public IClassStore {
 public:
  MemoryClassStore();

  // Every write, create and delete throws as a store without write access does.
  bool refuseWrites = false;
  // Writes, creates and deletes of these keys and of the keys below them throw,
  // as in a hive the user may not write to: each step of a sequence can fail.
  std::vector<std::string> refusedKeys;

  bool KeyExists(const std::string& path) const override;
  std::optional<std::string> ReadDefault(const std::string& path) const override;
  void WriteDefault(const std::string& path, const std::string& value) override;
  void CreateKey(const std::string& path) override;
  std::vector<std::string> SubkeyNames(const std::string& path) const override;
  void DeleteTree(const std::string& path) override;
  void DeleteDefault(const std::string& path) override;
  bool KeyIsEmpty(const std::string& path) const override;

  // Arranging a store for a test, refusal or not.
  void Set(const std::string& path, const std::string& value, TValueType type = TValueType::String);
  void SetNamed(const std::string& path, const std::string& name, const std::string& value);
  // The default value as stored, or "<none>" / "<no key>", for assertions.
  std::string Dump(const std::string& path) const;
  // Every key below the root with its default value, one "path=value" a line.
  std::string DumpAll() const;

 private:
  struct TKey {
    std::string name;  // as first created
    bool hasDefault = false;
    TValueType type = TValueType::String;
    std::string value;
    std::map<std::string, std::string> named;
    std::map<std::string, std::unique_ptr<TKey>> subkeys;  // by upper-cased name
  };

  const TKey* Find(const std::string& path) const;
  TKey& FindOrCreate(const std::string& path);
  void RefuseIfAsked(const std::string& path) const;
  static void DumpTree(const TKey& key, const std::string& path, std::string& out);

  std::unique_ptr<TKey> root_;
};

}  // namespace nuvopick::testing
