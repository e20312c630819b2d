#include "platform/class_store.h"

namespace nuvopick {

TRegistryError RegistryWriteError(const std::string& valueName, bool accessDenied) {
  return TRegistryError("'" + valueName + "' の設定に失敗しました", accessDenied);
}

TRegistryError RegistryDataTypeError(const std::string& valueName) {
  return TRegistryError("'" + valueName + "' のデータ型が不正です");
}

}  // namespace nuvopick
