// When a window's hints come and go: a hint shows once the pointer has rested on
// a control for a while, at once when the pointer moves straight from a shown
// hint to another control, and only once per visit. Fed with the control under
// the pointer and the tick count; the window shows and hides what it is told.
#pragma once

#include <cstdint>

namespace nuvopick {

// How long the pointer rests on a control before its hint shows.
inline constexpr std::uint32_t kHintRestTimeMs = 500;

class THintTracker {
 public:
  // The window's own name for a control; kNoControl when the pointer is
  // elsewhere.
  using TControl = std::uintptr_t;
  static constexpr TControl kNoControl = 0;

  // What the window does after a look at the pointer, in this order.
  struct TStep {
    bool Hide = false;  // take the shown hint away
    bool Stop = false;  // the pointer left: no more looks until it comes back
    bool Ask = false;   // show the hint of Control(), if it has one
    bool operator==(const TStep&) const = default;
  };

  // The pointer is over Control at tick Now.
  TStep Look(TControl control, std::uint32_t now);
  // The hint asked for is up (it had a text).
  void Shown() { shown_ = true; }
  // The hint went away after its time.
  void Hidden() { shown_ = false; }
  // A click or the loss of activation: no hint for this control until the
  // pointer reaches another one, and no quick follow. True when a shown hint is
  // to be hidden.
  bool Cancel();

  TControl Control() const { return control_; }

 private:
  TControl control_ = kNoControl;
  std::uint32_t enteredAt_ = 0;
  bool shown_ = false;
  // The control's hint was asked for or cancelled already.
  bool done_ = false;
  bool quick_ = false;
};

}  // namespace nuvopick
