// A slider: a position kept within its range, with the change event.
#pragma once

#include <functional>

#include "controls/control_model.h"

namespace nuvopick {

class TTrackBar : public TControlModel {
 public:
  std::function<void()> OnChange;

  TTrackBar(int min, int max, int position);

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  // The position is pulled into Min .. Max; a new position raises OnChange.
  void SetPosition(int position);

 private:
  int min_;
  int max_;
  int position_;
};

}  // namespace nuvopick
