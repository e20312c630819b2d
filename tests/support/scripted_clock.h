// A clock for the tests: time moves only when someone waits, by at most a
// scripted step per wait (a message arriving early ends a wait).
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "platform/clock.h"

namespace nuvopick::testing {

class ScriptedClock : public IClock {
 public:
  std::uint32_t now = 1000;
  std::uint32_t maxStep = std::numeric_limits<std::uint32_t>::max();
  // The time asked for by every wait, in order.
  std::vector<std::uint32_t> waits;
  // Called at each wait, as the messages that come in meanwhile would be.
  std::function<void()> onWait;

  std::uint32_t TickCount() const override { return now; }
  void WaitFor(std::uint32_t milliseconds) override {
    waits.push_back(milliseconds);
    if (onWait) onWait();
    now += std::min(milliseconds, maxStep);
  }

  std::uint64_t TotalWaited() const {
    std::uint64_t total = 0;
    for (std::uint32_t wait : waits) total += std::min(wait, maxStep);
    return total;
  }
};

}  // namespace nuvopick::testing
