// The Windows class store as the program uses it: keys by path relative to the
// classes root, and only their default (unnamed) values. Reads see the classes
// as the shell sees them; writes and deletes go to the one hive the program
// makes its associations in.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace nuvopick {

// A refused write or a value of the wrong type. The message is the program's own
// text for the user, in the ANSI code page; AccessDenied tells a refusal for
// want of rights from other failures.
class TRegistryError : public std::runtime_error {
 public:
  explicit TRegistryError(const std::string& message, bool accessDenied = false)
      : std::runtime_error(message), accessDenied_(accessDenied) {}

  bool AccessDenied() const { return accessDenied_; }

 private:
  bool accessDenied_;
};

// "'%s' の設定に失敗しました" and "'%s' のデータ型が不正です" with the value name
// filled in (empty for a default value).
TRegistryError RegistryWriteError(const std::string& valueName, bool accessDenied = false);
TRegistryError RegistryDataTypeError(const std::string& valueName);

class IClassStore {
 public:
  virtual ~IClassStore() = default;

  // Whether the key opens for reading.
  virtual bool KeyExists(const std::string& path) const = 0;

  // The default value of the key, opened for reading only: nothing when the key
  // does not open, empty text when it has no default value. A value that is
  // neither REG_SZ nor REG_EXPAND_SZ throws RegistryDataTypeError(""); an
  // expandable string comes back as stored, unexpanded.
  virtual std::optional<std::string> ReadDefault(const std::string& path) const = 0;

  // Opens the key, creating it (and the keys above it) when missing, and writes
  // its default value as REG_SZ. Throws RegistryWriteError("") when refused.
  virtual void WriteDefault(const std::string& path, const std::string& value) = 0;

  // Opens the key, creating it when missing. Throws RegistryWriteError("") when refused.
  virtual void CreateKey(const std::string& path) = 0;

  // The names of the key's subkeys; none when the key does not open.
  virtual std::vector<std::string> SubkeyNames(const std::string& path) const = 0;

  // Deletes the key with all its subkeys, deepest first, in the hive written to.
  // A missing key is no error; a refused delete throws RegistryWriteError("").
  virtual void DeleteTree(const std::string& path) = 0;

  // Removes the key's default value only, in the hive written to; a missing key
  // or value is no error.
  virtual void DeleteDefault(const std::string& path) = 0;

  // True when the key exists in the hive written to and holds nothing there: no
  // value (the default one included) and no subkey.
  virtual bool KeyIsEmpty(const std::string& path) const = 0;
};

}  // namespace nuvopick
