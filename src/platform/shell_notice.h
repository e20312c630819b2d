// Telling the shell that file associations changed, so that it drops what it
// cached about file types and icons.
#pragma once

namespace nuvopick {

class IShellNotice {
 public:
  virtual ~IShellNotice() = default;

  // Returns when the shell has taken the notice in; may take a moment.
  virtual void AssociationsChanged() = 0;
};

}  // namespace nuvopick
