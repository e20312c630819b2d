#include "support/memory_class_store.h"

#include "model/dbcs.h"

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

}  // namespace

MemoryClassStore::MemoryClassStore() : root_(std::make_unique<TKey>()) {}

const MemoryClassStore::TKey* MemoryClassStore::Find(const std::string& path) const {
  const TKey* key = root_.get();
  for (const std::string& part : SplitPath(path)) {
    auto it = key->subkeys.find(UpperAscii(part));
    if (it == key->subkeys.end()) return nullptr;
    key = it->second.get();
  }
  return key;
}

MemoryClassStore::TKey& MemoryClassStore::FindOrCreate(const std::string& path) {
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

void MemoryClassStore::RefuseIfAsked(const std::string& path) const {
  if (refuseWrites) throw RegistryWriteError("");
  const std::vector<std::string> parts = SplitPath(path);
  for (const std::string& refused : refusedKeys) {
    const std::vector<std::string> refusedParts = SplitPath(refused);
    if (refusedParts.size() > parts.size()) continue;
    bool below = true;
    for (std::size_t i = 0; below && i < refusedParts.size(); ++i) {
      below = UpperAscii(parts[i]) == UpperAscii(refusedParts[i]);
    }
    if (below) throw RegistryWriteError("");
  }
}

bool MemoryClassStore::KeyExists(const std::string& path) const {
  return Find(path) != nullptr;
}

std::optional<std::string> MemoryClassStore::ReadDefault(const std::string& path) const {
  const TKey* key = Find(path);
  if (key == nullptr) return std::nullopt;
  if (!key->hasDefault) return std::string();
  if (key->type == TValueType::Dword) throw RegistryDataTypeError("");
  return key->value;
}

void MemoryClassStore::WriteDefault(const std::string& path, const std::string& value) {
  RefuseIfAsked(path);
  Set(path, value);
}

void MemoryClassStore::CreateKey(const std::string& path) {
  RefuseIfAsked(path);
  FindOrCreate(path);
}

std::vector<std::string> MemoryClassStore::SubkeyNames(const std::string& path) const {
  std::vector<std::string> names;
  if (const TKey* key = Find(path)) {
    for (const auto& [upper, subkey] : key->subkeys) names.push_back(subkey->name);
  }
  return names;
}

void MemoryClassStore::DeleteTree(const std::string& path) {
  std::vector<std::string> parts = SplitPath(path);
  if (parts.empty()) return;
  const std::string last = parts.back();
  parts.pop_back();
  std::string parentPath;
  for (const auto& part : parts) parentPath += part + "\\";
  const TKey* parent = Find(parentPath);
  if (parent == nullptr || parent->subkeys.count(UpperAscii(last)) == 0) return;
  RefuseIfAsked(path);
  const_cast<TKey*>(parent)->subkeys.erase(UpperAscii(last));
}

void MemoryClassStore::DeleteDefault(const std::string& path) {
  const TKey* key = Find(path);
  if (key == nullptr || !key->hasDefault) return;
  RefuseIfAsked(path);
  auto* mutableKey = const_cast<TKey*>(key);
  mutableKey->hasDefault = false;
  mutableKey->value.clear();
}

bool MemoryClassStore::KeyIsEmpty(const std::string& path) const {
  const TKey* key = Find(path);
  return key != nullptr && !key->hasDefault && key->named.empty() && key->subkeys.empty();
}

void MemoryClassStore::Set(const std::string& path, const std::string& value, TValueType type) {
  TKey& key = FindOrCreate(path);
  key.hasDefault = true;
  key.type = type;
  key.value = value;
}

void MemoryClassStore::SetNamed(const std::string& path, const std::string& name,
                                const std::string& value) {
  FindOrCreate(path).named[name] = value;
}

std::string MemoryClassStore::Dump(const std::string& path) const {
  const TKey* key = Find(path);
  if (key == nullptr) return "<no key>";
  return key->hasDefault ? key->value : "<none>";
}

void MemoryClassStore::DumpTree(const TKey& key, const std::string& path, std::string& out) {
  for (const auto& [upper, subkey] : key.subkeys) {
    const std::string subPath = path.empty() ? subkey->name : path + "\\" + subkey->name;
    out += subPath + "=" + (subkey->hasDefault ? subkey->value : "<none>") + "\n";
    DumpTree(*subkey, subPath, out);
  }
}

std::string MemoryClassStore::DumpAll() const {
  std::string out;
  DumpTree(*root_, "", out);
  return out;
}

}  // namespace nuvopick::testing
