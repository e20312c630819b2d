// The list box of the setup window's extension and entry lists: its items, the
// selected item, and the two selection events that the pages rely on.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls/control_model.h"

namespace nuvopick {

class TListBoxEx : public TControlModel {
 public:
  // Raised whenever the selection may have changed, by the user or by the program.
  std::function<void()> OnSelChange;
  // Raised after OnSelChange when the program moved the selection to another item.
  std::function<void(int prevIndex)> OnChangeItemIndex;
  // Raised with the dropped files' full paths, in the shell's order.
  std::function<void(const std::vector<std::string>& paths)> OnDropFiles;

  const std::vector<std::string>& Items() const { return items_; }
  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& Item(int index) const;

  // The selected item, or -1.
  int ItemIndex() const { return itemIndex_; }

  // The program selects Index (anything outside the items selects nothing).
  // When that differs from the present selection, OnSelChange and then
  // OnChangeItemIndex with the previous index are raised; otherwise nothing.
  void SetItemIndex(int index);

  // The user selected Index (a click or a key in the real list): OnSelChange
  // only, as the list box itself reports it, even when the index stays.
  void UserSelect(int index);

  // Filling the list selects nothing and raises nothing, as the real list box
  // does not report it either. Fill it inside a TModelUpdate: its views then
  // take all the rows at once instead of one change per item.
  void Clear();
  void Add(const std::string& text);
  void Delete(int index);
  void Insert(int index, const std::string& text);

  // Replaces the text of the item. A selected item loses its selection by the
  // replacement and is selected again through SetItemIndex, so the selection
  // events run and the page shows the item afresh.
  void SetItem(int index, const std::string& text);

  // The file-drop switch; the list boxes of the setup window keep it off.
  bool AcceptDragFile = false;

  // The window side calls this when files were dropped on the list. Ignored
  // when the list does not accept files or nobody handles them.
  void DropFiles(const std::vector<std::string>& paths);

 private:
  void CheckPosition(int index) const;

  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

}  // namespace nuvopick
