#include "controls/win/gate_list_view.h"

#include <utility>

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
      if (!handlers_.DrawRow || item.itemID >= rows_.size()) return false;
      handlers_.DrawRow(item, rows_[item.itemID], static_cast<int>(rows_.size()));
      result = TRUE;
      return true;
    }
    case WM_CTLCOLORLISTBOX: {
      if (!backBrush_ || ownerDrawn_) return false;
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
      if (ownerDrawn_) return 1;  // the rows draw the background
      break;
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS;
    default:
      break;
  }
  return next(message, wParam, lParam);
}

}  // namespace nuvopick::win
