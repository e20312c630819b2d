// Check boxes, radio buttons and radio groups: a choice and its click event,
// raised whenever the choice changes, by the user or by the program.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "controls/control_model.h"

namespace nuvopick {

class TCheckBox : public TControlModel {
 public:
  std::function<void()> OnClick;

  bool Checked() const { return checked_; }
  // A new state raises OnClick; the same state raises nothing.
  void SetChecked(bool value);
  // The user clicked the box.
  void Click() { SetChecked(!checked_); }

 private:
  bool checked_ = false;
};

// One button of a group of which at most one is checked. Checking a button
// unchecks the others of its group without raising their events.
class TRadioButton : public TControlModel {
 public:
  std::function<void()> OnClick;

  bool Checked() const { return checked_; }
  // Checking raises OnClick; unchecking raises nothing, as the real button
  // reports only being chosen.
  void SetChecked(bool value);
  // The user clicked the button.
  void Click() { SetChecked(true); }

  // Puts the buttons into one group. Each button belongs to one group at most.
  static void Group(std::initializer_list<TRadioButton*> buttons);

 private:
  bool checked_ = false;
  std::vector<TRadioButton*> siblings_;
};

// A framed group of radio buttons known by their position.
class TRadioGroup : public TControlModel {
 public:
  std::function<void()> OnClick;

  explicit TRadioGroup(std::vector<std::string> items = {}) : items_(std::move(items)) {}

  const std::vector<std::string>& Items() const { return items_; }
  // The checked item, or -1.
  int ItemIndex() const { return itemIndex_; }
  // Values outside the items are pulled into -1 .. Count - 1. A new index
  // raises OnClick.
  void SetItemIndex(int index);

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

// A drop-down list of fixed items. Its text is the chosen item's, or empty when
// nothing is chosen (the user may empty the box).
class TComboBox : public TControlModel {
 public:
  std::function<void()> OnChange;

  explicit TComboBox(std::vector<std::string> items = {}) : items_(std::move(items)) {}

  const std::vector<std::string>& Items() const { return items_; }
  // The chosen item, or -1.
  int ItemIndex() const { return itemIndex_; }
  // Anything outside the items chooses nothing. A new index raises OnChange.
  void SetItemIndex(int index);
  std::string Text() const;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

}  // namespace nuvopick
