// The handling of one window message, kept from letting an exception out: the
// system's code between the message loop and a window procedure cannot pass one
// on, so an exception that reached it would end the program or leave the
// system's state half changed.
#pragma once

#include <windows.h>

#include <exception>

namespace nuvopick::win {

// Returns what Handle answers; when it throws, a standard exception goes to
// Failed (which may not throw either: what it throws is dropped), any other
// exception is dropped, and the answer is 0.
template <typename Handle, typename Failed>
LRESULT HandleGuarded(Handle&& handle, Failed&& failed) noexcept {
  try {
    return handle();
  } catch (const std::exception& error) {
    try {
      failed(error);
    } catch (...) {
    }
  } catch (...) {
  }
  return 0;
}

}  // namespace nuvopick::win
