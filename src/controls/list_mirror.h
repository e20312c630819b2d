// Keeps the rows of a real list box in step with a list model, doing no more
// than each change needs: one row's change puts that row in again, a change of
// the selection touches no row, and only a change of the whole list goes over
// every row.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "controls/list_box_ex.h"
#include "controls/model_change.h"

namespace nuvopick {

// The real list as the mirror drives it.
class TListTarget {
 public:
  virtual ~TListTarget() = default;
  virtual void ResetRows(const std::vector<std::string>& rows) = 0;
  virtual void InsertRow(int index, const std::string& row) = 0;
  virtual void DeleteRow(int index) = 0;
  virtual void ShowSelection(int index) = 0;
  virtual void ShowEnabled(bool enabled) = 0;
};

class TListMirror {
 public:
  // The text the real list holds for an item; the item's own text when empty.
  using TRowText = std::function<std::string(int index)>;

  TListMirror(const TListBoxEx& model, TRowText rowText, TListTarget& target)
      : model_(model), rowText_(std::move(rowText)), target_(target) {}

  void Show(const TModelChange& change);
  // The rows may read differently now (their marks come from elsewhere): puts
  // in again every row whose text changed, and keeps the others.
  void Refresh();

 private:
  std::string RowText(int index) const;
  bool InsertOne(int index);
  bool DeleteOne(int index);
  bool ReplaceOne(int index);
  void ReplaceRow(int index, std::string text);

  const TListBoxEx& model_;
  TRowText rowText_;
  TListTarget& target_;
  // The rows the real list holds.
  std::vector<std::string> shown_;
};

}  // namespace nuvopick
