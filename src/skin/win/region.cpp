#include "skin/win/region.h"

#include <algorithm>
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

namespace {

// One region call for a slice of the rectangles.
HRGN RegionFromSlice(const TRect* rects, std::size_t count, TSize bounds) {
  std::vector<unsigned char> data(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
  RGNDATAHEADER header{};
  header.dwSize = sizeof header;
  header.iType = RDH_RECTANGLES;
  header.nCount = static_cast<DWORD>(count);
  header.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
  header.rcBound = {0, 0, bounds.Width, bounds.Height};
  std::memcpy(data.data(), &header, sizeof header);
  auto* out = data.data() + sizeof header;
  for (std::size_t i = 0; i < count; ++i) {
    const RECT r{rects[i].Left, rects[i].Top, rects[i].Right, rects[i].Bottom};
    std::memcpy(out, &r, sizeof r);
    out += sizeof r;
  }
  return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                         reinterpret_cast<const RGNDATA*>(data.data()));
}

// Rectangles per region call. Some systems add the rectangles of one call one
// by one, each time through the whole region so far; slices this long keep that
// cheap, and joining the slices in pairs keeps the whole near linear.
constexpr std::size_t kSliceLength = 256;

}  // namespace

HRGN RegionFromBands(const std::vector<TRect>& rects, TSize bounds) {
  if (rects.size() <= kSliceLength) return RegionFromSlice(rects.data(), rects.size(), bounds);
  std::vector<HRGN> regions;
  for (std::size_t at = 0; at < rects.size(); at += kSliceLength) {
    regions.push_back(
        RegionFromSlice(rects.data() + at, std::min(kSliceLength, rects.size() - at), bounds));
  }
  // Neighbouring slices joined pairwise, round after round: every rectangle takes
  // part in about log(slices) joins, each join costs what its two regions hold.
  while (regions.size() > 1) {
    std::vector<HRGN> joined;
    for (std::size_t i = 0; i + 1 < regions.size(); i += 2) {
      CombineRgn(regions[i], regions[i], regions[i + 1], RGN_OR);
      DeleteObject(regions[i + 1]);
      joined.push_back(regions[i]);
    }
    if (regions.size() % 2 != 0) joined.push_back(regions.back());
    regions.swap(joined);
  }
  return regions.front();
}

}  // namespace nuvopick::win
