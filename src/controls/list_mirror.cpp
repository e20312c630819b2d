#include "controls/list_mirror.h"

#include <cstddef>
#include <utility>

namespace nuvopick {
namespace {

bool Within(int index, std::size_t size) {
  return index >= 0 && static_cast<std::size_t>(index) < size;
}

}  // namespace

void TListMirror::Show(const TModelChange& change) {
  // A row change that does not fit the rows shown (they were shown afresh
  // meanwhile) goes over the whole list instead.
  bool done = false;
  switch (change.Kind) {
    case TModelChange::TKind::State:
      done = true;
      break;
    case TModelChange::TKind::RowInserted:
      done = InsertOne(change.Row);
      break;
    case TModelChange::TKind::RowDeleted:
      done = DeleteOne(change.Row);
      break;
    case TModelChange::TKind::RowChanged:
      done = ReplaceOne(change.Row);
      break;
    case TModelChange::TKind::Whole:
      break;
  }
  if (done) {
    target_.ShowSelection(model_.ItemIndex());
    target_.ShowEnabled(model_.Enabled());
  } else {
    Refresh();
  }
}

void TListMirror::Refresh() {
  const int count = model_.Count();
  if (shown_.size() != static_cast<std::size_t>(count)) {
    std::vector<std::string> rows;
    rows.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) rows.push_back(RowText(i));
    target_.ResetRows(rows);
    shown_ = std::move(rows);
  } else {
    // Rows left as they are keep the list where the user scrolled it.
    for (int i = 0; i < count; ++i) ReplaceRow(i, RowText(i));
  }
  target_.ShowSelection(model_.ItemIndex());
  target_.ShowEnabled(model_.Enabled());
}

std::string TListMirror::RowText(int index) const {
  return rowText_ ? rowText_(index) : model_.Item(index);
}

bool TListMirror::InsertOne(int index) {
  if (shown_.size() + 1 != static_cast<std::size_t>(model_.Count())) return false;
  if (!Within(index, shown_.size() + 1)) return false;
  std::string text = RowText(index);
  target_.InsertRow(index, text);
  shown_.insert(shown_.begin() + index, std::move(text));
  return true;
}

bool TListMirror::DeleteOne(int index) {
  if (shown_.size() != static_cast<std::size_t>(model_.Count()) + 1) return false;
  if (!Within(index, shown_.size())) return false;
  target_.DeleteRow(index);
  shown_.erase(shown_.begin() + index);
  return true;
}

bool TListMirror::ReplaceOne(int index) {
  if (shown_.size() != static_cast<std::size_t>(model_.Count())) return false;
  if (!Within(index, shown_.size())) return false;
  ReplaceRow(index, RowText(index));
  return true;
}

void TListMirror::ReplaceRow(int index, std::string text) {
  std::string& shown = shown_[static_cast<std::size_t>(index)];
  if (shown == text) return;
  target_.DeleteRow(index);
  target_.InsertRow(index, text);
  shown = std::move(text);
}

}  // namespace nuvopick
