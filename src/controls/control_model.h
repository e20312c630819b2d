// What every control model shares: the enabled state and the views that watch
// it. A model holds the state of one control of a form; the form's handlers work
// on the models, and the window side copies them onto the real controls.
#pragma once

#include <functional>
#include <memory>

#include "controls/mirror_subscription.h"

namespace nuvopick {

class TControlModel {
 public:
  TControlModel() = default;
  // A copy is a model of its own: the views of the original do not watch it.
  TControlModel(const TControlModel& other) : enabled_(other.enabled_) {}
  TControlModel& operator=(const TControlModel& other) {
    enabled_ = other.enabled_;
    return *this;
  }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) {
    if (enabled_ == value) return;
    enabled_ = value;
    Mirror();
  }

  // For the window side: Call runs after every change of the model, by the user
  // or by the program, before any event handler of the change runs, so the real
  // control already shows the new state when a handler looks at it. Watchers
  // run in the order they subscribed, for as long as their token lives.
  [[nodiscard]] TMirrorSubscription SubscribeMirror(std::function<void()> call) {
    if (!mirrors_) mirrors_ = std::make_shared<TMirrorList>();
    return mirrors_->Subscribe(std::move(call));
  }

 protected:
  void Mirror() const {
    if (mirrors_) mirrors_->Notify();
  }

 private:
  bool enabled_ = true;
  std::shared_ptr<TMirrorList> mirrors_;
};

}  // namespace nuvopick
