// Push buttons, check boxes and radio buttons, each over its model.
#pragma once

#include "controls/static_controls.h"
#include "controls/toggles.h"
#include "controls/win/model_view.h"

namespace nuvopick::win {

// A click of the enabled button clicks the model. Style BS_DEFPUSHBUTTON makes
// it the window's default button.
class TButtonView : public TModelView {
 public:
  TButtonView(TButton& model, const TPlacement& place, TModelRunner run,
              DWORD style = BS_PUSHBUTTON);
  bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  TButton& button_;
};

// A box whose caption too long for one line takes two (Style BS_MULTILINE).
class TCheckBoxView : public TModelView {
 public:
  TCheckBoxView(TCheckBox& model, const std::string& caption, DWORD style, const TPlacement& place,
                TModelRunner run);
  bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  TCheckBox& box_;
};

class TRadioButtonView : public TModelView {
 public:
  TRadioButtonView(TRadioButton& model, const std::string& caption, const TPlacement& place,
                   TModelRunner run);
  bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  TRadioButton& button_;
};

// The frame of a radio group, with its caption.
class TRadioGroupFrameView : public TModelView {
 public:
  TRadioGroupFrameView(TRadioGroup& model, const std::string& caption, const TPlacement& place);
};

// The button of a radio group's item at Index: checked while it is the group's.
class TRadioGroupItemView : public TModelView {
 public:
  TRadioGroupItemView(TRadioGroup& model, int index, const TPlacement& place, TModelRunner run);
  int Index() const { return index_; }
  bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  TRadioGroup& group_;
  int index_;
};

}  // namespace nuvopick::win
