// What every control model shares: the enabled state and the views that watch
// it. A model holds the state of one control of a form; the form's handlers work
// on the models, and the window side copies them onto the real controls.
#pragma once

#include <functional>
#include <memory>
#include <utility>

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
    Mirror(TModelChange::State());
  }

  // For the window side: Call runs after every change of the model, by the user
  // or by the program, before any event handler of the change runs, so the real
  // control already shows the new state when a handler looks at it. Watchers
  // run in the order they subscribed, for as long as their token lives.
  [[nodiscard]] TMirrorSubscription SubscribeMirror(std::function<void()> call) {
    return SubscribeChanges([call = std::move(call)](const TModelChange&) { call(); });
  }
  // The same, told what the change touched.
  [[nodiscard]] TMirrorSubscription SubscribeChanges(
      std::function<void(const TModelChange&)> call) {
    return Mirrors().Subscribe(std::move(call));
  }

  // Changes between BeginUpdate and EndUpdate reach the watchers once, when the
  // outermost pair ends, and only when something changed; pairs nest (see
  // TModelUpdate). An event raised meanwhile still finds them up to date.
  void BeginUpdate() { Mirrors().BeginBatch(); }
  void EndUpdate() { Mirrors().EndBatch(); }

 protected:
  void Mirror(const TModelChange& change = TModelChange::Whole()) const {
    if (mirrors_) mirrors_->Notify(change);
  }
  // For a change whose event handlers run next: the watchers hear of it at
  // once, with whatever a batch holds back, so the handlers find them up to date.
  void MirrorBeforeEvent(const TModelChange& change = TModelChange::Whole()) const {
    if (!mirrors_) return;
    mirrors_->Notify(change);
    mirrors_->Flush();
  }

 private:
  TMirrorList& Mirrors() {
    if (!mirrors_) mirrors_ = std::make_shared<TMirrorList>();
    return *mirrors_;
  }

  bool enabled_ = true;
  std::shared_ptr<TMirrorList> mirrors_;
};

// A batch of changes to one model for as long as it lives.
class TModelUpdate {
 public:
  explicit TModelUpdate(TControlModel& model) : model_(model) { model_.BeginUpdate(); }
  ~TModelUpdate() { model_.EndUpdate(); }
  TModelUpdate(const TModelUpdate&) = delete;
  TModelUpdate& operator=(const TModelUpdate&) = delete;

 private:
  TControlModel& model_;
};

}  // namespace nuvopick
