// A view of one control model: the control shows the model from the start and
// again after every change, for as long as the view lives; what the user does
// with the control reaches the model through the window's runner.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "controls/control_model.h"
#include "platform/win/control_view.h"

namespace nuvopick::win {

// Runs a call into the model, e.g. inside the window's error display.
using TModelRunner = std::function<void(const std::function<void()>& call)>;

// A control without a model (a label, a line) has a view of this kind too; the
// name, when given, is the component the control's hint is about.
class TModelView : public TControlView {
 public:
  // The model shown, or nullptr.
  const TControlModel* Model() const { return model_; }
  const std::string& Name() const { return name_; }

 protected:
  TModelView(TControlModel* model, TModelRunner run, std::string name = {})
      : model_(model), run_(std::move(run)), name_(std::move(name)) {}

  // Shows the model now and on every change from here on.
  void Watch(std::function<void()> mirror) {
    mirror();
    watch_ = model_->SubscribeMirror(std::move(mirror));
  }
  // The same, told what each change touched; the first showing is a whole one.
  void WatchChanges(std::function<void(const TModelChange&)> mirror) {
    mirror(TModelChange::Whole());
    watch_ = model_->SubscribeChanges(std::move(mirror));
  }
  void Run(const std::function<void()>& call) const {
    if (run_) {
      run_(call);
    } else {
      call();
    }
  }
  const TModelRunner& Runner() const { return run_; }

 private:
  TControlModel* model_;
  TModelRunner run_;
  std::string name_;
  TMirrorSubscription watch_;
};

}  // namespace nuvopick::win
