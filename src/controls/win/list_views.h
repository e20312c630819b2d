// List boxes and drop-down lists over their models: the program's lists, the
// sample list of colour and font, the combo box.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls/list_box_ex.h"
#include "controls/list_mirror.h"
#include "controls/static_controls.h"
#include "controls/toggles.h"
#include "controls/win/file_drop.h"
#include "controls/win/model_view.h"
#include "platform/win/gdi_owners.h"

namespace nuvopick::win {

// A list of the user's: a selection by click or key reaches the model, files
// dropped on it too. Every handler is optional.
class TListView : public TModelView {
 public:
  struct THandlers {
    // The text the list holds for an item in place of the model's own.
    TListMirror::TRowText Row;
    // Draws a row of an owner-drawn list.
    std::function<void(const DRAWITEMSTRUCT& item)> Draw;
    // A button pressed or double-clicked over the list, after the list's own
    // handling, with the item under the pointer (-1 for none).
    std::function<void(UINT message, int item)> Mouse;
  };
  // Style adds to a list of single selection with a border and a scroll bar.
  TListView(TListBoxEx& model, DWORD style, const TPlacement& place, THandlers handlers,
            TModelRunner run);
  bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // Puts the rows in again where they changed and paints the list afresh.
  void Repaint();

 protected:
  LRESULT ControlMessage(UINT message, WPARAM wParam, LPARAM lParam,
                         const TNextHandler& next) override;

 private:
  class TRealList : public TListTarget {
   public:
    explicit TRealList(const TListView& view) : view_(view) {}
    void ResetRows(const std::vector<std::string>& rows) override;
    void InsertRow(int index, const std::string& row) override;
    void DeleteRow(int index) override;
    void ShowSelection(int index) override;
    void ShowEnabled(bool enabled) override;

   private:
    const TListView& view_;
  };
  void Show(const TModelChange& change);
  // Runs Change with the list's drawing off while it is on screen, then paints
  // it afresh.
  void Quietly(const std::function<void()>& change);

  TListBoxEx& list_;
  THandlers handlers_;
  TRealList real_;
  // Rows put in again only where they changed, so that a click keeps the list
  // where the user scrolled it.
  TListMirror mirror_;
  TFileDropLink drops_;
};

// A list that only shows its lines in the model's colour and font. ToColor
// turns a colour of the settings into the system's.
class TSampleListView : public TModelView {
 public:
  TSampleListView(TSampleList& model, const TPlacement& place,
                  std::function<COLORREF(std::int32_t)> toColor);
  bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  TSampleList& sample_;
  std::function<COLORREF(std::int32_t)> toColor_;
  TFont font_;
  TBrush brush_;
};

// A drop-down list of the model's fixed items.
class TComboBoxView : public TModelView {
 public:
  // The height takes the dropped-down list.
  TComboBoxView(TComboBox& model, const TPlacement& place, TModelRunner run);
  bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  TComboBox& combo_;
};

}  // namespace nuvopick::win
