// Where Windows looks for the programs that can open a file type, so that the
// user can pick NuvoPick in Windows' own "プログラムから開く" list and default-app
// pages: the program's type among the extension's OpenWithProgids, and the
// program registered as an application with the extensions it handles.
#pragma once

#include "model/ext_reg_names.h"
#include "platform/registry_hive.h"

namespace nuvopick {

inline constexpr char kCapabilitiesKey[] = "Software\\NuvoPick\\Capabilities";
inline constexpr char kRegisteredApplicationsKey[] = "Software\\RegisteredApplications";
inline constexpr char kRegisteredApplicationName[] = "NuvoPick";
inline constexpr char kApplicationDescription[] =
    "ファイルを開くたびに、開くアプリケーションをマウスポインタの位置に出るリストから選べるようにし"
    "ます";

// The listing in one hive (the one the associations are made in).
class TAppListing {
 public:
  explicit TAppListing(IRegistryHive& hive) : hive_(hive) {}

  // Lists the program's type for the extension, then publishes the program's
  // capabilities last, when everything they name is there. The program's own
  // values, the same for every extension, are written only when the hive does
  // not hold them so already: a batch lists many extensions.
  void List(const TExtRegNames& names);

  // Takes out exactly what List wrote for the extension; the capabilities and
  // their registration go with the last extension. Values of other programs and
  // keys that still hold anything stay.
  void Unlist(const TExtRegNames& names);

 private:
  void DeleteKeyIfEmpty(const std::string& path);
  void WriteUnlessHeld(const std::string& path, const std::string& name, const std::string& value);

  IRegistryHive& hive_;
};

}  // namespace nuvopick
