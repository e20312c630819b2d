// What one change of a control model touched, so that a view redoes only that:
// the selection and enabled state alone, one row (changed, put in or taken
// out), or the whole list.
#pragma once

namespace nuvopick {

struct TModelChange {
  enum class TKind { State, RowChanged, RowInserted, RowDeleted, Whole };
  TKind Kind = TKind::Whole;
  int Row = -1;

  static TModelChange State() { return {TKind::State, -1}; }
  static TModelChange Whole() { return {TKind::Whole, -1}; }
  static TModelChange RowChanged(int row) { return {TKind::RowChanged, row}; }
  static TModelChange RowInserted(int row) { return {TKind::RowInserted, row}; }
  static TModelChange RowDeleted(int row) { return {TKind::RowDeleted, row}; }

  // One change that covers this one and Later after it. A view shows the
  // selection and enabled state after every change, so State adds nothing to a
  // change of rows; two changes of different rows are a change of the list.
  TModelChange Then(const TModelChange& later) const {
    if (Kind == TKind::State) return later;
    if (later.Kind == TKind::State) return *this;
    if (Kind == TKind::RowChanged && later.Kind == TKind::RowChanged && Row == later.Row) {
      return *this;
    }
    return Whole();
  }
};

}  // namespace nuvopick
