#include "platform/caching_registry_hive.h"

#include "text/dbcs.h"

namespace nuvopick {
namespace {

// The paths of the keys above Path, the root ("") first; a backslash that is
// the second byte of a double-byte character does not separate.
std::vector<std::string> AncestorsOf(const std::string& path) {
  std::vector<std::string> ancestors{""};
  for (std::size_t i = 0; i < path.size(); i = NextCharPos(path, i)) {
    if (path[i] == '\\') ancestors.push_back(path.substr(0, i));
  }
  return ancestors;
}

// Whether a character of Text starts at Pos.
bool StartsCharAt(const std::string& text, std::size_t pos) {
  std::size_t i = 0;
  while (i < pos) i = NextCharPos(text, i);
  return i == pos;
}

}  // namespace

TCachingRegistryHive::TKnown& TCachingRegistryHive::Known(const std::string& path) const {
  return known_[UpperAscii(path)];
}

template <typename Write>
void TCachingRegistryHive::Through(Write write) {
  try {
    write();
  } catch (...) {
    known_.clear();
    throw;
  }
}

bool TCachingRegistryHive::KeyExists(const std::string& path) const {
  TKnown& known = Known(path);
  if (!known.exists) known.exists = hive_.KeyExists(path);
  return *known.exists;
}

std::optional<std::string> TCachingRegistryHive::ReadString(const std::string& path,
                                                            const std::string& name) const {
  auto& strings = Known(path).strings;
  const std::string folded = UpperAscii(name);
  auto it = strings.find(folded);
  // A value of the wrong type throws every time and is never remembered.
  if (it == strings.end()) it = strings.emplace(folded, hive_.ReadString(path, name)).first;
  return it->second;
}

std::vector<std::string> TCachingRegistryHive::SubkeyNames(const std::string& path) const {
  TKnown& known = Known(path);
  if (!known.subkeyNames) known.subkeyNames = hive_.SubkeyNames(path);
  return *known.subkeyNames;
}

std::vector<std::string> TCachingRegistryHive::ValueNames(const std::string& path) const {
  TKnown& known = Known(path);
  if (!known.valueNames) known.valueNames = hive_.ValueNames(path);
  return *known.valueNames;
}

bool TCachingRegistryHive::HasValues(const std::string& path) const {
  TKnown& known = Known(path);
  if (!known.hasValues) known.hasValues = hive_.HasValues(path);
  return *known.hasValues;
}

void TCachingRegistryHive::KeyMadeWithAncestors(const std::string& path) {
  for (const std::string& ancestor : AncestorsOf(path)) {
    TKnown& known = Known(ancestor);
    if (!ancestor.empty()) known.exists = true;
    known.subkeyNames.reset();
  }
  Known(path).exists = true;
}

void TCachingRegistryHive::WriteString(const std::string& path, const std::string& name,
                                       const std::string& value) {
  Through([&] { hive_.WriteString(path, name, value); });
  KeyMadeWithAncestors(path);
  TKnown& known = Known(path);
  known.strings[UpperAscii(name)] = value;
  known.valueNames.reset();
  known.hasValues = true;
}

void TCachingRegistryHive::CreateKey(const std::string& path) {
  Through([&] { hive_.CreateKey(path); });
  KeyMadeWithAncestors(path);
}

void TCachingRegistryHive::DeleteTree(const std::string& path) {
  Through([&] { hive_.DeleteTree(path); });
  if (path.empty()) {
    known_.clear();
    return;
  }
  // The key's entry and those below it, which sort right after it.
  const std::string folded = UpperAscii(path);
  for (auto it = known_.lower_bound(folded);
       it != known_.end() && it->first.compare(0, folded.size(), folded) == 0;) {
    const std::string& key = it->first;
    const bool below = key.size() == folded.size() ||
                       (key[folded.size()] == '\\' && StartsCharAt(key, folded.size()));
    it = below ? known_.erase(it) : std::next(it);
  }
  Known(path).exists = false;
  Known(AncestorsOf(path).back()).subkeyNames.reset();
}

void TCachingRegistryHive::DeleteValue(const std::string& path, const std::string& name) {
  Through([&] { hive_.DeleteValue(path, name); });
  TKnown& known = Known(path);
  known.strings[UpperAscii(name)] = std::nullopt;
  known.valueNames.reset();
  known.hasValues.reset();
}

}  // namespace nuvopick
