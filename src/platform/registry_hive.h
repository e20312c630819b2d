// One hive of the registry as the program uses it: HKEY_CURRENT_USER for the
// user's own settings, HKEY_LOCAL_MACHINE for every user's. Keys are named by
// their path below the hive's root ("Software\\Classes\\.txt"), letter case
// ignored; values are strings, the default (unnamed) value named "".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/class_store.h"

namespace nuvopick {

class IRegistryHive {
 public:
  virtual ~IRegistryHive() = default;

  // Whether the key opens for reading.
  virtual bool KeyExists(const std::string& path) const = 0;

  // The value Name of the key, opened for reading only: nothing when the key does
  // not open or has no such value. A value that is neither REG_SZ nor REG_EXPAND_SZ
  // throws RegistryDataTypeError(Name); an expandable string comes back unexpanded.
  virtual std::optional<std::string> ReadString(const std::string& path,
                                                const std::string& name) const = 0;

  // Opens the key, creating it (and the keys above it) when missing, and writes
  // the value as REG_SZ. Throws RegistryWriteError(Name) when refused; a refusal
  // for want of rights has AccessDenied() set.
  virtual void WriteString(const std::string& path, const std::string& name,
                           const std::string& value) = 0;

  // Opens the key, creating it when missing. Throws RegistryWriteError("") when refused.
  virtual void CreateKey(const std::string& path) = 0;

  // The names of the key's subkeys and of its values ("" for a default value
  // that is set); none when the key does not open.
  virtual std::vector<std::string> SubkeyNames(const std::string& path) const = 0;
  virtual std::vector<std::string> ValueNames(const std::string& path) const = 0;
  // Whether the key opens and holds any value, asked without listing them: a key
  // with a value per extension is asked once per extension.
  virtual bool HasValues(const std::string& path) const = 0;

  // Deletes the key with all its subkeys, deepest first. A missing key is no
  // error; a refused delete throws RegistryWriteError(""). The root itself ("")
  // is never deleted.
  virtual void DeleteTree(const std::string& path) = 0;

  // Removes one value; a missing key or value is no error, a refusal throws
  // RegistryWriteError(Name).
  virtual void DeleteValue(const std::string& path, const std::string& name) = 0;
};

// True when the key exists and holds nothing: no value (the default one
// included) and no subkey.
bool KeyIsEmpty(const IRegistryHive& hive, const std::string& path);

// Who the associations are made for, as the general key RegScope stores it.
enum class TRegScope {
  CurrentUser = 0,  // HKEY_CURRENT_USER: no rights needed, wins over the machine's
  AllUsers = 1,     // HKEY_LOCAL_MACHINE: needs administrator rights
};

// The two hives whose classes the shell merges.
struct TRegistryHives {
  IRegistryHive& User;
  IRegistryHive& Machine;

  IRegistryHive& Of(TRegScope scope) const { return scope == TRegScope::AllUsers ? Machine : User; }
};

// Where each hive keeps its part of the class store.
inline constexpr char kClassesKey[] = "Software\\Classes";

}  // namespace nuvopick
