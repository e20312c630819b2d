#include "controls/win/gate_list_view.h"

#include <utility>

#include "platform/win/row_icon_drawing.h"

namespace nuvopick::win {
namespace {

bool KeyHeld(int key) {
  return (GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

TGateListView::TGateListView(const TPlacement& place, bool ownerDrawn, THandlers handlers)
    : ownerDrawn_(ownerDrawn), handlers_(std::move(handlers)) {
  const DWORD style = ownerDrawn ? LBS_OWNERDRAWFIXED | LBS_HASSTRINGS : WS_VSCROLL;
  CreateControl("LISTBOX", "", WS_VISIBLE | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | style, 0, place);
}

TGateListView::~TGateListView() {
  if (Handle() != nullptr) DestroyWindow(Handle());
}

void TGateListView::SetFont(HFONT font) {
  font_ = font;
  SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void TGateListView::SetColors(COLORREF text, COLORREF back) {
  textColor_ = text;
  backColor_ = back;
  backBrush_.Reset(CreateSolidBrush(back));
}

void TGateListView::SetRows(const std::vector<std::string>& rows) {
  rows_ = rows;
  SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
  for (const std::string& row : rows_) {
    SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
  }
}

void TGateListView::SetRowHeight(int height) {
  SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, height);
}

int TGateListView::RowHeight() const {
  return static_cast<int>(SendMessageA(Handle(), LB_GETITEMHEIGHT, 0, 0));
}

void TGateListView::SetIconLayout(const TRowIconLayout& icons) {
  icons_ = icons;
}

void TGateListView::RedrawRow(int row) {
  RECT rect{};
  if (SendMessageA(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&rect)) != LB_ERR) {
    InvalidateRect(Handle(), &rect, FALSE);
  }
}

void TGateListView::DrawOwnRow(const DRAWITEMSTRUCT& item, const std::string& text,
                               HICON icon) const {
  HDC dc = item.hDC;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(dc, &item.rcItem,
           selected || !backBrush_ ? GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW)
                                   : backBrush_.Get());
  DrawRowIcon(dc, item.rcItem, icon, icons_);
  RECT textRect = item.rcItem;
  textRect.left += icons_.TextLeft;
  const TSelected selectedFont(dc, font_ != nullptr ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  const int previousMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : textColor_);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
            DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SetBkMode(dc, previousMode);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
}

void TGateListView::SelectRow(int row) {
  SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

int TGateListView::CurrentRow() const {
  return static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
}

// The hint is about to be needed: the pointer is on the shown list. Its timers
// come to the list itself.
void TGateListView::PrepareHint() {
  if (hintPrepared_) return;
  hintPrepared_ = true;
  if (!handlers_.Hint) return;
  if (const std::optional<TListHint> hint = handlers_.Hint()) {
    hint_.Create(Handle(), Handle(), hint->Text, hint->HideTimeMs);
  }
}

void TGateListView::RefreshHintText() {
  if (!hintPrepared_ || !handlers_.Hint) return;
  if (const std::optional<TListHint> hint = handlers_.Hint()) hint_.SetText(hint->Text);
}

bool TGateListView::Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == LBN_SELCHANGE && handlers_.Select) {
        handlers_.Select(CurrentRow());
      } else if (HIWORD(wParam) == LBN_DBLCLK && handlers_.DoubleClick) {
        handlers_.DoubleClick(CurrentRow());
      }
      result = 0;
      return true;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (!ownerDrawn_ || item.itemID >= rows_.size()) return false;
      const int row = static_cast<int>(item.itemID);
      HICON icon = handlers_.RowIcon ? handlers_.RowIcon(row) : nullptr;
      if (handlers_.DrawRow) {
        handlers_.DrawRow(item, rows_[item.itemID], icon, static_cast<int>(rows_.size()));
      } else {
        DrawOwnRow(item, rows_[item.itemID], icon);
      }
      result = TRUE;
      return true;
    }
    case WM_CTLCOLORLISTBOX: {
      if (!backBrush_ || (ownerDrawn_ && !DrawsOwnRows())) return false;
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, textColor_);
      SetBkColor(dc, backColor_);
      result = reinterpret_cast<LRESULT>(backBrush_.Get());
      return true;
    }
    default:
      return false;
  }
}

LRESULT TGateListView::ControlMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                      const TNextHandler& next) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (handlers_.KeyDown &&
          handlers_.KeyDown(static_cast<unsigned>(wParam),
                            {KeyHeld(VK_SHIFT), KeyHeld(VK_MENU), KeyHeld(VK_CONTROL)})) {
        return 0;
      }
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (handlers_.KeyUp) handlers_.KeyUp(static_cast<unsigned>(wParam));
      break;
    case WM_RBUTTONUP:
      if (handlers_.RightButtonUp) handlers_.RightButtonUp();
      return 0;
    case WM_MOUSEMOVE:
      PrepareHint();
      RefreshHintText();
      hint_.MouseMoved();
      break;
    case WM_MOUSELEAVE:
      hint_.MouseLeft();
      break;
    case WM_TIMER:
      RefreshHintText();
      if (hint_.TimerFired(wParam)) return 0;
      break;
    case WM_ERASEBKGND:
      if (ownerDrawn_ && !DrawsOwnRows()) return 1;  // the skin's rows draw the background
      break;
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS;
    default:
      break;
  }
  return next(message, wParam, lParam);
}

}  // namespace nuvopick::win
