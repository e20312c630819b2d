// The outline of a skinned window as a GDI region: TRegion owns one region handle,
// builds it from rectangles, and hands it to a window.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/geometry.h"
#include "skin/pixel_image.h"

namespace nuvopick::win {

enum class TCombineMode { Copy, And, Diff, Or, Xor };

class TRegion {
 public:
  TRegion() = default;
  TRegion(const TRegion&) = delete;
  TRegion& operator=(const TRegion&) = delete;
  ~TRegion() { SetRegionHandle(nullptr); }

  HRGN Handle() const { return region_; }

  void SetCombineMode(TCombineMode mode);
  // Deletes the region held so far and holds Handle (which may be none).
  void SetRegionHandle(HRGN handle);
  // Combines Handle with the held region by the combine mode and holds the result.
  void Combine(HRGN handle);
  // Adds the rectangle (right and bottom exclusive) by the combine mode.
  void AddRect(int left, int top, int right, int bottom);
  // Hands the region to the window, which owns it from then on.
  bool ApplyToWindow(HWND window, bool redraw);

  // The visible pixels of Image (those not TransColor), built from their
  // horizontal runs as region data rather than one rectangle region per run.
  void RegionFromBitmap(const TPixelImage& image, TRgb transColor);

 private:
  TCombineMode mode_ = TCombineMode::Copy;
  int gdiMode_ = RGN_COPY;
  HRGN region_ = nullptr;
};

// A region made of Rects given in banded order (as RegionRuns gives them), in
// time close to linear in their number.
HRGN RegionFromBands(const std::vector<TRect>& rects, TSize bounds);

}  // namespace nuvopick::win
