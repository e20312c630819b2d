// The icon picker's answer to the setup window when it closes, and the message
// that carries it.
#pragma once

#include <cstdint>
#include <string>

namespace nuvopick {

// The answer's message to the setup window: WPARAM is the record's address.
inline constexpr std::uint32_t kWmIconDialogClosed = 0x806A;

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
