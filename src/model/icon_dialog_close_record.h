// The icon picker's answer to the setup window when it closes.
#pragma once

#include <cstdint>
#include <string>

namespace nuvopick {

struct TIconDialogCloseRecord {
  // Position of the extension in the setup window's working list.
  std::int32_t ExtIndex = 0;
  // The chosen icon file, or empty.
  std::string IconFile;
  std::int32_t IconIndex = 0;
  // The user confirmed a choice.
  bool Accepted = false;
};

}  // namespace nuvopick
