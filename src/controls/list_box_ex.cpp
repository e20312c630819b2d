#include "controls/list_box_ex.h"

#include <stdexcept>

namespace nuvopick {

const std::string& TListBoxEx::Item(int index) const {
  CheckPosition(index);
  return items_[static_cast<std::size_t>(index)];
}

void TListBoxEx::SetItemIndex(int index) {
  if (index < 0 || index >= Count()) index = -1;
  const int prevIndex = itemIndex_;
  if (index == prevIndex) return;
  itemIndex_ = index;
  MirrorBeforeEvent(TModelChange::State());
  if (OnSelChange) OnSelChange();
  if (OnChangeItemIndex) OnChangeItemIndex(prevIndex);
}

void TListBoxEx::UserSelect(int index) {
  if (index < 0 || index >= Count()) index = -1;
  itemIndex_ = index;
  MirrorBeforeEvent(TModelChange::State());
  if (OnSelChange) OnSelChange();
}

void TListBoxEx::Clear() {
  if (items_.empty()) return;
  items_.clear();
  itemIndex_ = -1;
  Mirror(TModelChange::Whole());
}

void TListBoxEx::Add(const std::string& text) {
  items_.push_back(text);
  Mirror(TModelChange::RowInserted(Count() - 1));
}

void TListBoxEx::Delete(int index) {
  CheckPosition(index);
  items_.erase(items_.begin() + index);
  // The items below move up; the selection follows its item or is lost with it.
  if (index == itemIndex_) {
    itemIndex_ = -1;
  } else if (index < itemIndex_) {
    --itemIndex_;
  }
  Mirror(TModelChange::RowDeleted(index));
}

void TListBoxEx::Insert(int index, const std::string& text) {
  if (index < 0 || index > Count()) throw std::out_of_range("TListBoxEx: position out of range");
  items_.insert(items_.begin() + index, text);
  if (itemIndex_ >= index) ++itemIndex_;
  Mirror(TModelChange::RowInserted(index));
}

void TListBoxEx::SetItem(int index, const std::string& text) {
  CheckPosition(index);
  // The row and the selection again reach the views as one change, before the
  // selection events.
  TModelUpdate update(*this);
  items_[static_cast<std::size_t>(index)] = text;
  Mirror(TModelChange::RowChanged(index));
  if (index != itemIndex_) return;
  itemIndex_ = -1;
  SetItemIndex(index);
}

void TListBoxEx::DropFiles(const std::vector<std::string>& paths) {
  if (!AcceptDragFile || !OnDropFiles) return;
  OnDropFiles(paths);
}

void TListBoxEx::CheckPosition(int index) const {
  if (index < 0 || index >= Count()) throw std::out_of_range("TListBoxEx: position out of range");
}

}  // namespace nuvopick
