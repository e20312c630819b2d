#include "shell/class_store_view.h"

#include <set>

#include "text/dbcs.h"

namespace nuvopick {

std::string ClassesPath(const std::string& path) {
  return path.empty() ? std::string(kClassesKey) : std::string(kClassesKey) + "\\" + path;
}

TClassStoreView MergedClasses(const TRegistryHives& hives, TRegScope scope) {
  return TClassStoreView(&hives.User, hives.Machine, hives.Of(scope));
}

TClassStoreView ShownClasses(const TRegistryHives& hives) {
  return MergedClasses(hives, TRegScope::CurrentUser);
}

TClassStoreView ClassesOf(IRegistryHive& hive) {
  return TClassStoreView(nullptr, hive, hive);
}

bool TClassStoreView::KeyExists(const std::string& path) const {
  const std::string key = ClassesPath(path);
  return (over_ != nullptr && over_->KeyExists(key)) || under_.KeyExists(key);
}

std::optional<std::string> TClassStoreView::ReadDefault(const std::string& path) const {
  const std::string key = ClassesPath(path);
  if (over_ != nullptr) {
    if (auto value = over_->ReadString(key, "")) return value;
  }
  if (auto value = under_.ReadString(key, "")) return value;
  if (KeyExists(path)) return std::string();
  return std::nullopt;
}

void TClassStoreView::WriteDefault(const std::string& path, const std::string& value) {
  writeTo_.WriteString(ClassesPath(path), "", value);
}

void TClassStoreView::CreateKey(const std::string& path) {
  writeTo_.CreateKey(ClassesPath(path));
}

std::vector<std::string> TClassStoreView::SubkeyNames(const std::string& path) const {
  const std::string key = ClassesPath(path);
  std::vector<std::string> names;
  if (over_ != nullptr) names = over_->SubkeyNames(key);
  std::set<std::string> seen;
  for (const std::string& name : names) seen.insert(UpperAscii(name));
  for (const std::string& name : under_.SubkeyNames(key)) {
    if (seen.insert(UpperAscii(name)).second) names.push_back(name);
  }
  return names;
}

void TClassStoreView::DeleteTree(const std::string& path) {
  if (path.empty()) return;  // never the classes key itself
  writeTo_.DeleteTree(ClassesPath(path));
}

void TClassStoreView::DeleteDefault(const std::string& path) {
  writeTo_.DeleteValue(ClassesPath(path), "");
}

bool TClassStoreView::KeyIsEmpty(const std::string& path) const {
  return nuvopick::KeyIsEmpty(writeTo_, ClassesPath(path));
}

bool TClassStoreView::OwnKeyExists(const std::string& path) const {
  return writeTo_.KeyExists(ClassesPath(path));
}

std::optional<std::string> TClassStoreView::OwnDefault(const std::string& path) const {
  return writeTo_.ReadString(ClassesPath(path), "");
}

std::optional<std::string> TClassStoreView::DefaultShownWithoutOwn(const std::string& path) const {
  const std::string key = ClassesPath(path);
  for (const IRegistryHive* hive : {over_, &under_}) {
    if (hive == nullptr || hive == &writeTo_) continue;
    if (auto value = hive->ReadString(key, "")) return value;
  }
  return std::nullopt;
}

}  // namespace nuvopick
