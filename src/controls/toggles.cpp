#include "controls/toggles.h"

#include <algorithm>

namespace nuvopick {

void TCheckBox::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  MirrorBeforeEvent();
  if (OnClick) OnClick();
}

void TRadioButton::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  if (!value) {
    Mirror();
    return;
  }
  for (TRadioButton* sibling : siblings_) {
    if (sibling->checked_) {
      sibling->checked_ = false;
      sibling->MirrorBeforeEvent();
    }
  }
  MirrorBeforeEvent();
  if (OnClick) OnClick();
}

void TRadioButton::Group(std::initializer_list<TRadioButton*> buttons) {
  for (TRadioButton* button : buttons) {
    button->siblings_.clear();
    for (TRadioButton* other : buttons) {
      if (other != button) button->siblings_.push_back(other);
    }
  }
}

void TRadioGroup::SetItemIndex(int index) {
  index = std::clamp(index, -1, static_cast<int>(items_.size()) - 1);
  if (index == itemIndex_) return;
  itemIndex_ = index;
  MirrorBeforeEvent();
  if (OnClick) OnClick();
}

void TComboBox::SetItemIndex(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  MirrorBeforeEvent();
  if (OnChange) OnChange();
}

std::string TComboBox::Text() const {
  return itemIndex_ < 0 ? std::string() : items_[static_cast<std::size_t>(itemIndex_)];
}

}  // namespace nuvopick
