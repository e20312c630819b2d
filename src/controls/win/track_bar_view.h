// A slider over its model: the range and steps are set once, the position
// follows the model and the user's moves reach it.
#pragma once

#include "controls/track_bar.h"
#include "controls/win/model_view.h"

namespace nuvopick::win {

class TTrackBarView : public TModelView {
 public:
  // Ticks every Frequency, a key moves by 5, a page by Frequency.
  TTrackBarView(TTrackBar& model, int frequency, const TPlacement& place, TModelRunner run);
  bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  TTrackBar& bar_;
};

}  // namespace nuvopick::win
