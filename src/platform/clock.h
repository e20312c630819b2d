// The millisecond tick count, and a wait that keeps the window messages flowing.
#pragma once

#include <cstdint>

namespace nuvopick {

class IClock {
 public:
  virtual ~IClock() = default;

  // Milliseconds since the system started; wraps around after about 49 days, so
  // callers measure spans by unsigned subtraction.
  virtual std::uint32_t TickCount() const = 0;

  // Sleeps until a window message arrives or Milliseconds have passed, whichever
  // comes first, and dispatches every message that is waiting. May return early;
  // callers that need a deadline look at TickCount again.
  virtual void WaitFor(std::uint32_t milliseconds) = 0;
};

}  // namespace nuvopick
