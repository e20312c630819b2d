#include "controls/track_bar.h"

#include <algorithm>

namespace nuvopick {

TTrackBar::TTrackBar(int min, int max, int position)
    : min_(min), max_(std::max(min, max)), position_(std::clamp(position, min_, max_)) {}

void TTrackBar::SetPosition(int position) {
  position = std::clamp(position, min_, max_);
  if (position == position_) return;
  position_ = position;
  MirrorBeforeEvent();
  if (OnChange) OnChange();
}

}  // namespace nuvopick
