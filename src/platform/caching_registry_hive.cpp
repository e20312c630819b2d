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

TCachingRegistryHive::TInherited TCachingRegistryHive::Inherited(const std::string& path) const {
  TInherited inherited;
  std::vector<std::string> keys = AncestorsOf(path);
  keys.push_back(path);
  for (const std::string& key : keys) {
    auto it = known_.find(UpperAscii(key));
    if (it == known_.end() || key.empty()) continue;
    const TKnown& known = it->second;
    if (known.exists == false) inherited.missing = true;
    if (known.fresh) inherited.fresh = true;
  }
  return inherited;
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
  if (!known.exists) {
    // Below a missing key, or below a key made here that this one was not made in.
    const TInherited inherited = Inherited(path);
    known.exists = inherited.missing || inherited.fresh ? false : hive_.KeyExists(path);
  }
  return *known.exists;
}

std::optional<std::string> TCachingRegistryHive::ReadString(const std::string& path,
                                                            const std::string& name) const {
  auto& strings = Known(path).strings;
  const std::string folded = UpperAscii(name);
  auto it = strings.find(folded);
  if (it != strings.end()) return it->second;
  // Every value written here is remembered: a key made here holds no other.
  const TInherited inherited = Inherited(path);
  if (inherited.missing || inherited.fresh) return std::nullopt;
  // A value of the wrong type throws every time and is never remembered.
  return strings.emplace(folded, hive_.ReadString(path, name)).first->second;
}

template <typename T, typename Read>
const T& TCachingRegistryHive::Remembered(std::optional<T>& answer, const std::string& path,
                                          Read read) const {
  // Below a missing key there is nothing to ask about.
  if (!answer) answer = Inherited(path).missing ? T() : read();
  return *answer;
}

std::vector<std::string> TCachingRegistryHive::SubkeyNames(const std::string& path) const {
  return Remembered(Known(path).subkeyNames, path, [&] { return hive_.SubkeyNames(path); });
}

std::vector<std::string> TCachingRegistryHive::ValueNames(const std::string& path) const {
  return Remembered(Known(path).valueNames, path, [&] { return hive_.ValueNames(path); });
}

bool TCachingRegistryHive::HasValues(const std::string& path) const {
  return Remembered(Known(path).hasValues, path, [&] { return hive_.HasValues(path); });
}

void TCachingRegistryHive::KeyMadeWithAncestors(const std::string& path) {
  std::vector<std::string> keys = AncestorsOf(path);
  keys.push_back(path);
  // A key that was missing is made now, and so is every key below it.
  bool made = false;
  for (const std::string& key : keys) {
    TKnown& known = Known(key);
    if (key != path) known.subkeyNames.reset();
    if (key.empty()) continue;
    made = made || known.fresh || known.exists == false;
    known.fresh = made;
    known.exists = true;
  }
  Known(path).written = true;
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
  // Opening again a key written here changes nothing and is never refused.
  if (Known(path).written) return;
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
