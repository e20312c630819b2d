// A hive that remembers what it has read for the length of one batch of work
// (one apply, one load), so that the many questions asked about the same keys
// cost one registry call each. Every write goes through to the hive at once, in
// the order made, and first makes the remembered answers it could change be
// forgotten or set to what the hive holds now: the batch never decides on a
// read older than its own writes. Keep one for a batch only; changes made to the
// hive by anyone else meanwhile are not seen.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry_hive.h"

namespace nuvopick {

class TCachingRegistryHive : public IRegistryHive {
 public:
  explicit TCachingRegistryHive(IRegistryHive& hive) : hive_(hive) {}

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
  // What is known of one key, by its path with ASCII letters folded.
  struct TKnown {
    std::optional<bool> exists;
    std::map<std::string, std::optional<std::string>> strings;  // by folded value name
    std::optional<std::vector<std::string>> subkeyNames;
    std::optional<std::vector<std::string>> valueNames;
    std::optional<bool> hasValues;
    // Made by this cache where there was no key: all it holds came through here.
    bool fresh = false;
    // Written or created through here: the hive lets this key be opened for writing.
    bool written = false;
  };

  TKnown& Known(const std::string& path) const;
  // What the known keys above Path (and Path itself) tell of it.
  struct TInherited {
    bool missing = false;  // a key above is missing, or Path itself is
    bool fresh = false;    // Path or a key above was made here
  };
  TInherited Inherited(const std::string& path) const;
  // Path and every key above it exist now; the subkey lists above may have grown.
  void KeyMadeWithAncestors(const std::string& path);
  // Answer as remembered, else as Read gives it (the empty answer below a
  // missing key), remembered from now on.
  template <typename T, typename Read>
  const T& Remembered(std::optional<T>& answer, const std::string& path, Read read) const;
  // Runs the hive's write; when it throws, part of it may have been done, and
  // nothing remembered is trusted any more.
  template <typename Write>
  void Through(Write write);

  IRegistryHive& hive_;
  mutable std::map<std::string, TKnown> known_;
};

// Both hives of the class store behind caches, for one batch.
class TCachingHives {
 public:
  explicit TCachingHives(TRegistryHives hives) : user_(hives.User), machine_(hives.Machine) {}
  TCachingHives(const TCachingHives&) = delete;
  TCachingHives& operator=(const TCachingHives&) = delete;

  TRegistryHives Hives() { return {user_, machine_}; }

 private:
  TCachingRegistryHive user_;
  TCachingRegistryHive machine_;
};

}  // namespace nuvopick
