// Registry names of an extension.
#include "model/ext_reg_names.h"

#include "text/text_helpers.h"

namespace nuvopick {

TExtRegNames ExtRegNamesFor(const std::string& extName) {
  TExtRegNames names;
  names.E = RemoveDot(extName);
  names.D = AddDot(extName);
  names.T = kProgramTypePrefix + names.E;
  return names;
}

bool IsProgramType(const std::string& typeName) {
  return typeName.rfind(kProgramTypePrefix, 0) == 0;
}

}  // namespace nuvopick
