#include "platform/hint_tracker.h"

namespace nuvopick {

THintTracker::TStep THintTracker::Look(TControl control, std::uint32_t now) {
  TStep step;
  if (control != control_) {
    step.Hide = shown_;
    quick_ = shown_;
    shown_ = false;
    control_ = control;
    enteredAt_ = now;
    done_ = false;
  }
  if (control_ == kNoControl) {
    step.Stop = true;
    return step;
  }
  // Unsigned subtraction: the tick count wraps around.
  if (shown_ || done_ || (!quick_ && now - enteredAt_ < kHintRestTimeMs)) return step;
  done_ = true;
  step.Ask = true;
  return step;
}

bool THintTracker::Cancel() {
  const bool wasShown = shown_;
  shown_ = false;
  done_ = true;
  quick_ = false;
  return wasShown;
}

}  // namespace nuvopick
