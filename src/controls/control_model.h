// What every control model shares: the enabled state and the view's hook. A
// model holds the state of one control of a form; the form's handlers work on
// the models, and the window side copies them onto the real controls.
#pragma once

#include <functional>

namespace nuvopick {

class TControlModel {
 public:
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) {
    if (enabled_ == value) return;
    enabled_ = value;
    Mirror();
  }

  // Set by the window side: called after every change of the model, by the
  // user or by the program, before any event handler of the change runs, so
  // the real control already shows the new state when a handler looks at it.
  std::function<void()> OnMirror;

 protected:
  void Mirror() const {
    if (OnMirror) OnMirror();
  }

 private:
  bool enabled_ = true;
};

}  // namespace nuvopick
