// The running system's facts for the tests, as set.
#pragma once

#include <string>

#include "platform/system_info.h"

namespace nuvopick::testing {

class FixedSystemInfo : public ISystemInfo {
 public:
  std::string systemDirectory = "C:\\WINDOWS\\system32";

  std::string SystemDirectory() const override { return systemDirectory; }
};

}  // namespace nuvopick::testing
