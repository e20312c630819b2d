// The outline of a skinned window: the horizontal runs of the pixels of its frame
// image that are not the transparent colour.
#pragma once

#include <vector>

#include "platform/geometry.h"
#include "skin/pixel_image.h"

namespace nuvopick {

// One rectangle one pixel high per run of pixels that are not TransColor (a pixel
// is transparent only when all three channels are equal to it), right edge
// exclusive; a run that reaches the end of its row ends at the image's width.
//
// The rectangles come out row by row from the top and, within a row, from the left:
// the banded order the system's region data asks for (each row is a band of its
// own, its rectangles sorted and apart), so the window code can hand them to the
// region maker in one call.
std::vector<TRect> RegionRuns(const TPixelImage& image, TRgb transColor);

// The same region in fewer rectangles: neighbouring rows whose runs are the same
// are joined into one band. Still in banded order; each band is as high as the
// rows it joined.
std::vector<TRect> MergeRunBands(const std::vector<TRect>& runs);

}  // namespace nuvopick
