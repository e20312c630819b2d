#include "platform/win/win_class_store.h"

#include <windows.h>

#include "platform/win/handle.h"

namespace nuvopick::win {
namespace {

bool OpenKey(const std::string& path, REGSAM access, TRegKey& key) {
  return RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, access, key.Receive()) == ERROR_SUCCESS;
}

void CreateKeyOrThrow(const std::string& path, TRegKey& key) {
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_READ | KEY_WRITE, nullptr, key.Receive(), nullptr) != ERROR_SUCCESS) {
    throw RegistryWriteError("");
  }
}

// The longest name a key may have, 255 characters, in bytes of a double-byte
// code page, with its terminating zero.
constexpr DWORD kLongestNameBytes = 2 * 255 + 1;

std::vector<std::string> SubkeysOf(HKEY key) {
  DWORD count = 0;
  DWORD longest = 0;
  if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    return {};
  }
  std::vector<std::string> names;
  // The longest name is counted in characters, the buffer in bytes: in code
  // page 932 a character may take two.
  std::string name(2 * longest + 1, '\0');
  for (DWORD i = 0; i < count; ++i) {
    DWORD length = static_cast<DWORD>(name.size());
    LONG result = RegEnumKeyExA(key, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
    // A subkey added since the count may be longer still.
    if (result == ERROR_MORE_DATA && name.size() < kLongestNameBytes) {
      name.assign(kLongestNameBytes, '\0');
      length = kLongestNameBytes;
      result = RegEnumKeyExA(key, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
    }
    if (result == ERROR_NO_MORE_ITEMS) break;
    if (result == ERROR_SUCCESS) names.emplace_back(name.data(), length);
  }
  return names;
}

// Deletes Name below Parent, its subkeys first.
void DeleteKeyTree(HKEY parent, const std::string& name) {
  {
    TRegKey key;
    LONG opened = RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ, key.Receive());
    if (opened == ERROR_FILE_NOT_FOUND) return;
    if (opened != ERROR_SUCCESS) throw RegistryWriteError("");
    for (const std::string& subkey : SubkeysOf(key.Get())) DeleteKeyTree(key.Get(), subkey);
  }
  LONG deleted = RegDeleteKeyA(parent, name.c_str());
  if (deleted != ERROR_SUCCESS && deleted != ERROR_FILE_NOT_FOUND) throw RegistryWriteError("");
}

}  // namespace

bool TWinClassStore::KeyExists(const std::string& path) const {
  TRegKey key;
  return OpenKey(path, KEY_READ, key);
}

std::optional<std::string> TWinClassStore::ReadDefault(const std::string& path) const {
  TRegKey key;
  if (!OpenKey(path, KEY_READ, key)) return std::nullopt;
  DWORD type = 0;
  DWORD size = 0;
  LONG queried = RegQueryValueExA(key.Get(), nullptr, nullptr, &type, nullptr, &size);
  if (queried == ERROR_FILE_NOT_FOUND) return std::string();
  if (queried != ERROR_SUCCESS) return std::string();
  if (type != REG_SZ && type != REG_EXPAND_SZ) throw RegistryDataTypeError("");
  // The value may change between the two calls; ask again with the size it has then.
  std::string value;
  do {
    value.assign(size + 1, '\0');
    size = static_cast<DWORD>(value.size());
    queried = RegQueryValueExA(key.Get(), nullptr, nullptr, &type,
                               reinterpret_cast<BYTE*>(value.data()), &size);
  } while (queried == ERROR_MORE_DATA);
  if (queried != ERROR_SUCCESS) return std::string();
  if (type != REG_SZ && type != REG_EXPAND_SZ) throw RegistryDataTypeError("");
  value.resize(size);
  while (!value.empty() && value.back() == '\0') value.pop_back();
  return value;
}

void TWinClassStore::WriteDefault(const std::string& path, const std::string& value) {
  TRegKey key;
  CreateKeyOrThrow(path, key);
  if (RegSetValueExA(key.Get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1)) != ERROR_SUCCESS) {
    throw RegistryWriteError("");
  }
}

void TWinClassStore::CreateKey(const std::string& path) {
  TRegKey key;
  CreateKeyOrThrow(path, key);
}

std::vector<std::string> TWinClassStore::SubkeyNames(const std::string& path) const {
  TRegKey key;
  if (!OpenKey(path, KEY_READ, key)) return {};
  return SubkeysOf(key.Get());
}

void TWinClassStore::DeleteTree(const std::string& path) {
  if (path.empty()) return;  // never the root itself
  DeleteKeyTree(HKEY_CLASSES_ROOT, path);
}

void TWinClassStore::DeleteDefault(const std::string& path) {
  TRegKey key;
  LONG opened = RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_SET_VALUE, key.Receive());
  if (opened == ERROR_FILE_NOT_FOUND) return;
  if (opened != ERROR_SUCCESS) throw RegistryWriteError("");
  LONG deleted = RegDeleteValueA(key.Get(), nullptr);
  if (deleted != ERROR_SUCCESS && deleted != ERROR_FILE_NOT_FOUND) throw RegistryWriteError("");
}

bool TWinClassStore::KeyIsEmpty(const std::string& path) const {
  TRegKey key;
  if (!OpenKey(path, KEY_READ, key)) return false;
  DWORD subkeys = 0;
  DWORD values = 0;
  if (RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                       nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  return subkeys == 0 && values == 0;
}

}  // namespace nuvopick::win
