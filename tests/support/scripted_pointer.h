// A pointer for the tests: gives its positions in the order scripted, and knows
// a set of monitors.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/pointer.h"

namespace nuvopick::testing {

class ScriptedPointer : public IPointer {
 public:
  // One position per look; the last one stays once the script is used up.
  std::vector<TPoint> positions{{0, 0}};
  // The first one is the primary monitor.
  std::vector<TRect> monitors{{0, 0, 1024, 768}};
  mutable std::size_t looks = 0;

  TPoint CursorPos() const override {
    const std::size_t at = looks < positions.size() ? looks : positions.size() - 1;
    ++looks;
    return positions[at];
  }

  // A point on no monitor gets the primary one.
  TRect MonitorRectAt(TPoint point) const override {
    for (const TRect& monitor : monitors) {
      if (point.X >= monitor.Left && point.X < monitor.Right && point.Y >= monitor.Top &&
          point.Y < monitor.Bottom) {
        return monitor;
      }
    }
    return monitors.front();
  }
};

}  // namespace nuvopick::testing
