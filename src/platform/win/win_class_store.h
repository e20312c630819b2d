// The class store under HKEY_CLASSES_ROOT through the Reg*A calls.
#pragma once

#include "platform/class_store.h"

namespace nuvopick::win {

class TWinClassStore : public IClassStore {
 public:
  bool KeyExists(const std::string& path) const override;
  std::optional<std::string> ReadDefault(const std::string& path) const override;
  void WriteDefault(const std::string& path, const std::string& value) override;
  void CreateKey(const std::string& path) override;
  std::vector<std::string> SubkeyNames(const std::string& path) const override;
  void DeleteTree(const std::string& path) override;
  void DeleteDefault(const std::string& path) override;
  bool KeyIsEmpty(const std::string& path) const override;
};

}  // namespace nuvopick::win
