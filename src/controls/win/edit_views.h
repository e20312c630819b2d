// Edit boxes over their model, files dropped on them included, and the
// shortcut box that takes a key from a key press.
#pragma once

#include <functional>

#include "controls/edit_ex.h"
#include "controls/win/file_drop.h"
#include "controls/win/model_view.h"

namespace nuvopick::win {

class TEditView : public TModelView {
 public:
  // OnExit, when given, runs when the box loses the keyboard.
  TEditView(TEdit& model, const TPlacement& place, TModelRunner run,
            std::function<void()> onExit = {});
  bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  TEdit& edit_;
  std::function<void()> onExit_;
  // Set while the view puts the model's text in, which is no typing.
  bool mirroring_ = false;
  TFileDropLink drops_;
};

// A read-only box in which every key but Tab, which still leaves the box, is a
// shortcut to capture; leaving the box settles a press of modifiers alone.
class TShortcutBoxView : public TEditView {
 public:
  struct THandlers {
    std::function<void(unsigned key)> Capture;
    std::function<void()> Finish;
  };
  TShortcutBoxView(TEdit& model, const TPlacement& place, THandlers handlers, TModelRunner run);

 protected:
  LRESULT ControlMessage(UINT message, WPARAM wParam, LPARAM lParam,
                         const TNextHandler& next) override;

 private:
  THandlers handlers_;
};

}  // namespace nuvopick::win
