#include "platform/win/win_registry_hive.h"

#include "platform/win/handle.h"

namespace nuvopick::win {
namespace {

// Every key is opened in the 64-bit view of the registry. A 32-bit build on
// 64-bit Windows would otherwise write HKEY_LOCAL_MACHINE\Software\NuvoPick and
// its registration under WOW6432Node, where the 64-bit shell does not look;
// 32-bit Windows ignores the flag.
constexpr REGSAM kView = KEY_WOW64_64KEY;

// The default value goes by no name in the Reg*A calls.
const char* ValueName(const std::string& name) {
  return name.empty() ? nullptr : name.c_str();
}

// A refused write; a refusal for want of rights says so, so that the program can
// tell the user what would work instead.
[[noreturn]] void ThrowWriteError(const std::string& name, LONG result) {
  throw RegistryWriteError(name, result == ERROR_ACCESS_DENIED);
}

void CreateKeyOrThrow(HKEY root, const std::string& path, REGSAM access, const std::string& name,
                      TRegKey& key) {
  LONG created = RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 access | kView, nullptr, key.Receive(), nullptr);
  if (created != ERROR_SUCCESS) ThrowWriteError(name, created);
}

// The longest names the registry allows, 255 characters for a key and 16,383 for
// a value, in bytes of a double-byte code page, with the terminating zero.
constexpr DWORD kLongestKeyNameBytes = 2 * 255 + 1;
constexpr DWORD kLongestValueNameBytes = 2 * 16383 + 1;

// The names enumerated by Next(index, buffer, length) up to Count of them. The
// longest name is counted in characters, the buffer in bytes: in code page 932
// a character may take two. A name added since the count may be longer still.
template <typename TEnum>
std::vector<std::string> EnumNames(DWORD count, DWORD longest, DWORD longestAllowed, TEnum next) {
  std::vector<std::string> names;
  std::string name(2 * longest + 1, '\0');
  for (DWORD i = 0; i < count; ++i) {
    DWORD length = static_cast<DWORD>(name.size());
    LONG result = next(i, name.data(), &length);
    if (result == ERROR_MORE_DATA && name.size() < longestAllowed) {
      name.assign(longestAllowed, '\0');
      length = longestAllowed;
      result = next(i, name.data(), &length);
    }
    if (result == ERROR_NO_MORE_ITEMS) break;
    if (result == ERROR_SUCCESS) names.emplace_back(name.data(), length);
  }
  return names;
}

std::vector<std::string> SubkeysOf(HKEY key) {
  DWORD count = 0;
  DWORD longest = 0;
  if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    return {};
  }
  return EnumNames(count, longest, kLongestKeyNameBytes, [key](DWORD i, char* name, DWORD* length) {
    return RegEnumKeyExA(key, i, name, length, nullptr, nullptr, nullptr, nullptr);
  });
}

std::vector<std::string> ValuesOf(HKEY key) {
  DWORD count = 0;
  DWORD longest = 0;
  if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &longest,
                       nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    return {};
  }
  return EnumNames(count, longest, kLongestValueNameBytes,
                   [key](DWORD i, char* name, DWORD* length) {
                     return RegEnumValueA(key, i, name, length, nullptr, nullptr, nullptr, nullptr);
                   });
}

bool IsString(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ;
}

// Deletes Name below Parent, its subkeys first.
void DeleteKeyTree(HKEY parent, const std::string& name) {
  {
    TRegKey key;
    LONG opened = RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ | kView, key.Receive());
    if (opened == ERROR_FILE_NOT_FOUND) return;
    if (opened != ERROR_SUCCESS) ThrowWriteError("", opened);
    for (const std::string& subkey : SubkeysOf(key.Get())) DeleteKeyTree(key.Get(), subkey);
  }
  LONG deleted = RegDeleteKeyExA(parent, name.c_str(), kView, 0);
  if (deleted != ERROR_SUCCESS && deleted != ERROR_FILE_NOT_FOUND) ThrowWriteError("", deleted);
}

}  // namespace

bool TWinRegistryHive::KeyExists(const std::string& path) const {
  TRegKey key;
  return RegOpenKeyExA(root_, path.c_str(), 0, KEY_READ | kView, key.Receive()) == ERROR_SUCCESS;
}

std::optional<std::string> TWinRegistryHive::ReadString(const std::string& path,
                                                        const std::string& name) const {
  TRegKey key;
  if (RegOpenKeyExA(root_, path.c_str(), 0, KEY_QUERY_VALUE | kView, key.Receive()) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  // Most values fit the first buffer, so one call reads them; a longer one, or one
  // that grew meanwhile, is asked for again with the size it has then.
  std::string value(256, '\0');
  DWORD type = 0;
  DWORD size = static_cast<DWORD>(value.size());
  LONG queried = RegQueryValueExA(key.Get(), ValueName(name), nullptr, &type,
                                  reinterpret_cast<BYTE*>(value.data()), &size);
  while (queried == ERROR_MORE_DATA) {
    value.assign(size + 1, '\0');
    size = static_cast<DWORD>(value.size());
    queried = RegQueryValueExA(key.Get(), ValueName(name), nullptr, &type,
                               reinterpret_cast<BYTE*>(value.data()), &size);
  }
  if (queried != ERROR_SUCCESS) return std::nullopt;
  if (!IsString(type)) throw RegistryDataTypeError(name);
  value.resize(size);
  while (!value.empty() && value.back() == '\0') value.pop_back();
  return value;
}

void TWinRegistryHive::WriteString(const std::string& path, const std::string& name,
                                   const std::string& value) {
  TRegKey key;
  CreateKeyOrThrow(root_, path, KEY_SET_VALUE, name, key);
  LONG set = RegSetValueExA(key.Get(), ValueName(name), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>(value.size() + 1));
  if (set != ERROR_SUCCESS) ThrowWriteError(name, set);
}

void TWinRegistryHive::CreateKey(const std::string& path) {
  TRegKey key;
  CreateKeyOrThrow(root_, path, KEY_READ, "", key);
}

std::vector<std::string> TWinRegistryHive::SubkeyNames(const std::string& path) const {
  TRegKey key;
  if (RegOpenKeyExA(root_, path.c_str(), 0, KEY_READ | kView, key.Receive()) != ERROR_SUCCESS)
    return {};
  return SubkeysOf(key.Get());
}

std::vector<std::string> TWinRegistryHive::ValueNames(const std::string& path) const {
  TRegKey key;
  if (RegOpenKeyExA(root_, path.c_str(), 0, KEY_READ | kView, key.Receive()) != ERROR_SUCCESS)
    return {};
  return ValuesOf(key.Get());
}

bool TWinRegistryHive::HasValues(const std::string& path) const {
  TRegKey key;
  if (RegOpenKeyExA(root_, path.c_str(), 0, KEY_READ | kView, key.Receive()) != ERROR_SUCCESS)
    return false;
  DWORD count = 0;
  return RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                          nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
         count > 0;
}

void TWinRegistryHive::DeleteTree(const std::string& path) {
  if (path.empty()) return;  // never the root itself
  DeleteKeyTree(root_, path);
}

void TWinRegistryHive::DeleteValue(const std::string& path, const std::string& name) {
  TRegKey key;
  LONG opened = RegOpenKeyExA(root_, path.c_str(), 0, KEY_SET_VALUE | kView, key.Receive());
  if (opened == ERROR_FILE_NOT_FOUND) return;
  if (opened != ERROR_SUCCESS) ThrowWriteError(name, opened);
  LONG deleted = RegDeleteValueA(key.Get(), ValueName(name));
  if (deleted != ERROR_SUCCESS && deleted != ERROR_FILE_NOT_FOUND) ThrowWriteError(name, deleted);
}

}  // namespace nuvopick::win
