#include "skin/win/region.h"

#include <cstring>

#include "skin/region_runs.h"

namespace nuvopick::win {

void TRegion::SetCombineMode(TCombineMode mode) {
  static constexpr int kGdiModes[] = {RGN_COPY, RGN_AND, RGN_DIFF, RGN_OR, RGN_XOR};
  mode_ = mode;
  gdiMode_ = kGdiModes[static_cast<int>(mode)];
}

void TRegion::SetRegionHandle(HRGN handle) {
  if (region_ != nullptr) DeleteObject(region_);
  region_ = handle;
}

void TRegion::Combine(HRGN handle) {
  if (handle == nullptr) {
    if (mode_ == TCombineMode::Copy || mode_ == TCombineMode::And) SetRegionHandle(nullptr);
    return;
  }
  if (mode_ != TCombineMode::Copy && region_ != nullptr) {
    CombineRgn(handle, region_, handle, gdiMode_);
  }
  SetRegionHandle(handle);
}

void TRegion::AddRect(int left, int top, int right, int bottom) {
  Combine(CreateRectRgn(left, top, right, bottom));
}

bool TRegion::ApplyToWindow(HWND window, bool redraw) {
  if (SetWindowRgn(window, region_, redraw) == 0) return false;
  region_ = nullptr;  // the window's now
  return true;
}

void TRegion::RegionFromBitmap(const TPixelImage& image, TRgb transColor) {
  SetCombineMode(TCombineMode::Or);
  Combine(RegionFromBands(MergeRunBands(RegionRuns(image, transColor)),
                          {image.Width(), image.Height()}));
}

HRGN RegionFromBands(const std::vector<TRect>& rects, TSize bounds) {
  std::vector<unsigned char> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  RGNDATAHEADER header{};
  header.dwSize = sizeof header;
  header.iType = RDH_RECTANGLES;
  header.nCount = static_cast<DWORD>(rects.size());
  header.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  header.rcBound = {0, 0, bounds.Width, bounds.Height};
  std::memcpy(data.data(), &header, sizeof header);
  auto* out = data.data() + sizeof header;
  for (const TRect& rect : rects) {
    const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    std::memcpy(out, &r, sizeof r);
    out += sizeof r;
  }
  return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                         reinterpret_cast<const RGNDATA*>(data.data()));
}

}  // namespace nuvopick::win
