// The outline of a skinned window as runs of visible pixels.
#include "skin/region_runs.h"

#include <cstddef>

namespace nuvopick {

std::vector<TRect> RegionRuns(const TPixelImage& image, TRgb transColor) {
  std::vector<TRect> runs;
  const std::int32_t width = image.Width();
  for (std::int32_t y = 0; y < image.Height(); ++y) {
    const TRgb* row = image.Row(y);
    std::int32_t x = 0;
    while (x < width) {
      while (x < width && row[x] == transColor) ++x;
      if (x == width) break;
      const std::int32_t start = x;
      while (x < width && !(row[x] == transColor)) ++x;
      runs.push_back(TRect{start, y, x, y + 1});
    }
  }
  return runs;
}

std::vector<TRect> MergeRunBands(const std::vector<TRect>& runs) {
  std::vector<TRect> bands;
  std::size_t previous = 0;  // where the last band starts in Bands
  std::size_t i = 0;
  while (i < runs.size()) {
    std::size_t end = i;  // the runs of this row: [i, end)
    while (end < runs.size() && runs[end].Top == runs[i].Top) ++end;
    const std::size_t count = end - i;
    bool joins = previous < bands.size() && bands.size() - previous == count &&
                 bands[previous].Bottom == runs[i].Top;
    for (std::size_t k = 0; joins && k < count; ++k) {
      joins = bands[previous + k].Left == runs[i + k].Left &&
              bands[previous + k].Right == runs[i + k].Right;
    }
    if (joins) {
      for (std::size_t k = 0; k < count; ++k) bands[previous + k].Bottom = runs[i + k].Bottom;
    } else {
      previous = bands.size();
      bands.insert(bands.end(), runs.begin() + static_cast<std::ptrdiff_t>(i),
                   runs.begin() + static_cast<std::ptrdiff_t>(end));
    }
    i = end;
  }
  return bands;
}

}  // namespace nuvopick
