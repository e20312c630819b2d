// The mouse pointer and the screens it moves over.
#pragma once

#include "platform/dpi_scale.h"
#include "platform/geometry.h"

namespace nuvopick {

class IPointer {
 public:
  virtual ~IPointer() = default;

  // Where the pointer is now, in screen pixels.
  virtual TPoint CursorPos() const = 0;

  // The full rectangle (not the work area) of the monitor that holds Point, or
  // of the nearest one when Point lies on none.
  virtual TRect MonitorRectAt(TPoint point) const = 0;

  // The DPI of that monitor: what a window appearing at Point is drawn at.
  virtual TDpiScale DpiAt(TPoint point) const = 0;
};

}  // namespace nuvopick
