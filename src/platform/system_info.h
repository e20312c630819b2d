// Facts about the running system that the program needs to find system programs.
#pragma once

#include <string>

namespace nuvopick {

class ISystemInfo {
 public:
  virtual ~ISystemInfo() = default;

  // The system folder ("C:\Windows\system32"), without a trailing backslash.
  virtual std::string SystemDirectory() const = 0;
};

}  // namespace nuvopick
