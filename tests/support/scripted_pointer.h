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
  // The DPI of each monitor, in the same order; a monitor without one is at 96.
  std::vector<int> dpis;
  mutable std::size_t looks = 0;

  TPoint CursorPos() const override {
    const std::size_t at = looks < positions.size() ? looks : positions.size() - 1;
    ++looks;
    return positions[at];
  }

  TRect MonitorRectAt(TPoint point) const override { return monitors[MonitorAt(point)]; }

  TDpiScale DpiAt(TPoint point) const override {
    const std::size_t monitor = MonitorAt(point);
    return TDpiScale(monitor < dpis.size() ? dpis[monitor] : kDefaultDpi);
  }

 private:
  // A point on no monitor gets the primary one.
  std::size_t MonitorAt(TPoint point) const {
    for (std::size_t i = 0; i < monitors.size(); ++i) {
      const TRect& monitor = monitors[i];
      if (point.X >= monitor.Left && point.X < monitor.Right && point.Y >= monitor.Top &&
          point.Y < monitor.Bottom) {
        return i;
      }
    }
    return 0;
  }
};

}  // namespace nuvopick::testing
