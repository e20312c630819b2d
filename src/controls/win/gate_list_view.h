// The gate's list of entries: plain in the chosen colours, or owner-drawn rows of
// fixed height, drawn by the list itself in those colours when the rows show
// icons, or by a skin. It tells its owner what the user does with it, keeps the
// hint that rests over it, and takes every key itself.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/row_icon_layout.h"
#include "platform/win/control_view.h"
#include "platform/win/gdi_owners.h"
#include "platform/win/hint.h"

namespace nuvopick::win {

struct TListHint {
  std::u16string Text;
  std::uint32_t HideTimeMs = 0;
};

class TGateListView : public TControlView {
 public:
  struct TKeyState {
    bool Shift = false;
    bool Alt = false;
    bool Control = false;
  };
  // Every handler is optional.
  struct THandlers {
    // The row the list shows as selected, after a click or a key moved it, and
    // before a double click acts on it.
    std::function<void(int row)> Select;
    std::function<void(int row)> DoubleClick;
    // True when the key was taken, so the list must not act on it as well.
    std::function<bool(unsigned virtualKey, const TKeyState& keys)> KeyDown;
    std::function<void(unsigned virtualKey)> KeyUp;
    std::function<void()> RightButtonUp;
    // Asked when the pointer first moves over the list: the hint, or none. Its
    // text is asked again at every move and before it shows, as it may grow.
    std::function<std::optional<TListHint>()> Hint;
    // The icon of Row of an owner-drawn list, or none (the list does not own it).
    std::function<HICON(int row)> RowIcon;
    // One row of an owner-drawn list of RowCount rows; without it the list draws
    // its rows itself.
    std::function<void(const DRAWITEMSTRUCT& item, const std::string& text, HICON icon,
                       int rowCount)>
        DrawRow;
  };

  TGateListView(const TPlacement& place, bool ownerDrawn, THandlers handlers);
  // The list goes with its view: a skin replaces the plain one.
  ~TGateListView() override;

  void SetFont(HFONT font);
  // The text and background of a plain list.
  void SetColors(COLORREF text, COLORREF back);
  void SetRows(const std::vector<std::string>& rows);
  void SetRowHeight(int height);
  int RowHeight() const;
  // Where the rows the list draws itself show their icon and text.
  void SetIconLayout(const TRowIconLayout& icons);
  // The row is drawn again, with its icon as it is now.
  void RedrawRow(int row);
  void SelectRow(int row);

  bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  LRESULT ControlMessage(UINT message, WPARAM wParam, LPARAM lParam,
                         const TNextHandler& next) override;

 private:
  int CurrentRow() const;
  void PrepareHint();
  // A row of the owner-drawn plain list: the colours of a plain one, the icon before the text.
  void DrawOwnRow(const DRAWITEMSTRUCT& item, const std::string& text, HICON icon) const;
  bool DrawsOwnRows() const { return ownerDrawn_ && !handlers_.DrawRow; }
  void RefreshHintText();

  bool ownerDrawn_;
  THandlers handlers_;
  std::vector<std::string> rows_;
  TBrush backBrush_;
  HFONT font_ = nullptr;
  TRowIconLayout icons_;
  COLORREF textColor_ = 0;
  COLORREF backColor_ = 0;
  THint hint_;
  bool hintPrepared_ = false;
};

}  // namespace nuvopick::win
