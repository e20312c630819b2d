#include "support/memory_registry.h"

#include <functional>

#include "text/dbcs.h"

namespace nuvopick::testing {
namespace {

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (std::size_t i = 0; i < path.size(); i = NextCharPos(path, i)) {
    if (path[i] == '\\') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part.append(path, i, NextCharPos(path, i) - i);
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

bool IsBelow(const std::vector<std::string>& parts, const std::vector<std::string>& top) {
  if (top.size() > parts.size()) return false;
  for (std::size_t i = 0; i < top.size(); ++i) {
    if (!SameTextAscii(parts[i], top[i])) return false;
  }
  return true;
}

}  // namespace

MemoryRegistryHive::MemoryRegistryHive() : root_(std::make_unique<TKey>()) {}

const MemoryRegistryHive::TKey* MemoryRegistryHive::Find(const std::string& path) const {
  const TKey* key = root_.get();
  for (const std::string& part : SplitPath(path)) {
    auto it = key->subkeys.find(UpperAscii(part));
    if (it == key->subkeys.end()) return nullptr;
    key = it->second.get();
  }
  return key;
}

MemoryRegistryHive::TKey& MemoryRegistryHive::FindOrCreate(const std::string& path) {
  TKey* key = root_.get();
  for (const std::string& part : SplitPath(path)) {
    auto& slot = key->subkeys[UpperAscii(part)];
    if (!slot) {
      slot = std::make_unique<TKey>();
      slot->name = part;
    }
    key = slot.get();
  }
  return *key;
}

void MemoryRegistryHive::RefuseIfAsked(const std::string& path, const std::string& name) const {
  if (refuseWrites) throw RegistryWriteError(name, true);
  const std::vector<std::string> parts = SplitPath(path);
  for (const std::string& refused : refusedKeys) {
    if (IsBelow(parts, SplitPath(refused))) throw RegistryWriteError(name, true);
  }
}

bool MemoryRegistryHive::KeyExists(const std::string& path) const {
  return Find(path) != nullptr;
}

std::optional<std::string> MemoryRegistryHive::ReadString(const std::string& path,
                                                          const std::string& name) const {
  const TKey* key = Find(path);
  if (key == nullptr) return std::nullopt;
  auto it = key->values.find(UpperAscii(name));
  if (it == key->values.end()) return std::nullopt;
  if (it->second.second.type == TValueType::Dword) throw RegistryDataTypeError(name);
  return it->second.second.data;
}

void MemoryRegistryHive::WriteString(const std::string& path, const std::string& name,
                                     const std::string& value) {
  RefuseIfAsked(path, name);
  Set(path, name, value);
}

void MemoryRegistryHive::CreateKey(const std::string& path) {
  RefuseIfAsked(path, "");
  FindOrCreate(path);
}

std::vector<std::string> MemoryRegistryHive::SubkeyNames(const std::string& path) const {
  std::vector<std::string> names;
  if (const TKey* key = Find(path)) {
    for (const auto& [upper, subkey] : key->subkeys) names.push_back(subkey->name);
  }
  return names;
}

std::vector<std::string> MemoryRegistryHive::ValueNames(const std::string& path) const {
  std::vector<std::string> names;
  if (const TKey* key = Find(path)) {
    for (const auto& [upper, value] : key->values) names.push_back(value.first);
  }
  return names;
}

bool MemoryRegistryHive::HasValues(const std::string& path) const {
  const TKey* key = Find(path);
  return key != nullptr && !key->values.empty();
}

void MemoryRegistryHive::DeleteTree(const std::string& path) {
  std::vector<std::string> parts = SplitPath(path);
  if (parts.empty()) return;
  const std::string last = parts.back();
  parts.pop_back();
  std::string parentPath;
  for (const auto& part : parts) parentPath += part + "\\";
  const TKey* parent = Find(parentPath);
  if (parent == nullptr || parent->subkeys.count(UpperAscii(last)) == 0) return;
  RefuseIfAsked(path, "");
  const_cast<TKey*>(parent)->subkeys.erase(UpperAscii(last));
}

void MemoryRegistryHive::DeleteValue(const std::string& path, const std::string& name) {
  const TKey* key = Find(path);
  if (key == nullptr || key->values.count(UpperAscii(name)) == 0) return;
  RefuseIfAsked(path, name);
  const_cast<TKey*>(key)->values.erase(UpperAscii(name));
}

void MemoryRegistryHive::Set(const std::string& path, const std::string& name,
                             const std::string& value, TValueType type) {
  FindOrCreate(path).values[UpperAscii(name)] = {name, TValue{type, value}};
}

std::string MemoryRegistryHive::Dump(const std::string& path, const std::string& name) const {
  const TKey* key = Find(path);
  if (key == nullptr) return "<no key>";
  auto it = key->values.find(UpperAscii(name));
  return it == key->values.end() ? "<none>" : it->second.second.data;
}

void MemoryRegistryHive::DumpTree(const TKey& key, const std::string& path, std::string& out) {
  for (const auto& [upper, value] : key.values) {
    out += path + "|" + value.first + "=" + value.second.data + "\n";
  }
  for (const auto& [upper, subkey] : key.subkeys) {
    const std::string subPath = path.empty() ? subkey->name : path + "\\" + subkey->name;
    out += subPath + "\n";
    DumpTree(*subkey, subPath, out);
  }
}

std::string MemoryRegistryHive::DumpAll() const {
  std::string out;
  DumpTree(*root_, "", out);
  return out;
}

MemoryClasses::MemoryClasses() : TClassStoreView(&user, machine, user) {
  user.CreateKey(kClassesKey);
  machine.CreateKey(kClassesKey);
}

// The view keeps looking at this object's own hives.
MemoryClasses::MemoryClasses(MemoryClasses&& other)
    : TClassStoreView(&user, machine, user),
      user(std::move(other.user)),
      machine(std::move(other.machine)) {}

MemoryClasses& MemoryClasses::operator=(MemoryClasses&& other) {
  user = std::move(other.user);
  machine = std::move(other.machine);
  return *this;
}

std::string MemoryClasses::DumpClasses() const {
  std::string out;
  const TClassStoreView& view = *this;
  std::function<void(const std::string&)> dumpBelow = [&](const std::string& path) {
    std::map<std::string, std::string> subkeys;  // by upper-cased name, as listed in name order
    for (const std::string& name : view.SubkeyNames(path)) subkeys[UpperAscii(name)] = name;
    for (const auto& [upper, name] : subkeys) {
      const std::string subPath = path.empty() ? name : path + "\\" + name;
      out += subPath + "=" + Dump(subPath) + "\n";
      dumpBelow(subPath);
    }
  };
  dumpBelow("");
  return out;
}

std::string MemoryClasses::Dump(const std::string& path) const {
  const std::optional<std::string> value = ReadDefault(path);
  if (!value) return "<no key>";
  if (value->empty()) {
    const std::string key = ClassesPath(path);
    if (!user.ReadString(key, "") && !machine.ReadString(key, "")) return "<none>";
  }
  return *value;
}

}  // namespace nuvopick::testing
