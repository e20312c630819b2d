#include "controls/win/list_views.h"

#include <cstddef>
#include <utility>

namespace nuvopick::win {

TListView::TListView(TListBoxEx& model, DWORD style, const TPlacement& place, THandlers handlers,
                     TModelRunner run)
    : TModelView(&model, std::move(run)),
      list_(model),
      handlers_(std::move(handlers)),
      real_(*this),
      mirror_(model, handlers_.Row, real_) {
  CreateControl("LISTBOX", "",
                LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP | style, 0,
                place);
  WatchChanges([this](const TModelChange& change) { Show(change); });
  drops_ = AttachFileDrop(Handle(), model, Runner());
}

void TListView::Show(const TModelChange& change) {
  // A change of the whole list may touch every row: drawn once, at the end.
  if (change.Kind == TModelChange::TKind::Whole) {
    Quietly([this, &change] { mirror_.Show(change); });
  } else {
    mirror_.Show(change);
  }
}

void TListView::Repaint() {
  Quietly([this] { mirror_.Refresh(); });
}

void TListView::Quietly(const std::function<void()>& change) {
  // WM_SETREDRAW makes a hidden window visible, and a hidden list draws
  // nothing anyway.
  const bool visible = IsWindowVisible(Handle()) != FALSE;
  if (visible) SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
  change();
  if (visible) SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TListView::TRealList::ResetRows(const std::vector<std::string>& rows) {
  HWND list = view_.Handle();
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  std::size_t bytes = 0;
  for (const std::string& row : rows) bytes += row.size() + 1;
  SendMessageA(list, LB_INITSTORAGE, rows.size(), static_cast<LPARAM>(bytes));
  for (const std::string& row : rows) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
  }
}

void TListView::TRealList::InsertRow(int index, const std::string& row) {
  SendMessageA(view_.Handle(), LB_INSERTSTRING, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(row.c_str()));
}

void TListView::TRealList::DeleteRow(int index) {
  SendMessageA(view_.Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void TListView::TRealList::ShowSelection(int index) {
  if (SendMessageA(view_.Handle(), LB_GETCURSEL, 0, 0) != index) {
    SendMessageA(view_.Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
}

void TListView::TRealList::ShowEnabled(bool enabled) {
  EnableWindow(view_.Handle(), enabled);
}

bool TListView::Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_COMMAND) {
    if (HIWORD(wParam) == LBN_SELCHANGE) {
      const auto index = static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
      Run([this, index] { list_.UserSelect(index); });
    }
    result = 0;
    return true;
  }
  if (message == WM_DRAWITEM && handlers_.Draw) {
    handlers_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
  }
  return false;
}

LRESULT TListView::ControlMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                  const TNextHandler& next) {
  const LRESULT result = next(message, wParam, lParam);
  if (!handlers_.Mouse) return result;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
      const auto hit = static_cast<DWORD>(SendMessageA(Handle(), LB_ITEMFROMPOINT, 0, lParam));
      handlers_.Mouse(message, HIWORD(hit) != 0 ? -1 : static_cast<int>(LOWORD(hit)));
      break;
    }
    default:
      break;
  }
  return result;
}

TSampleListView::TSampleListView(TSampleList& model, const TPlacement& place,
                                 std::function<COLORREF(std::int32_t)> toColor)
    : TModelView(&model, {}), sample_(model), toColor_(std::move(toColor)) {
  CreateControl("LISTBOX", "", LBS_NOINTEGRALHEIGHT | LBS_NOSEL | WS_BORDER, 0, place);
  for (const std::string& line : model.Lines()) {
    SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  }
  Watch([this] {
    const nuvopick::TFont& font = sample_.Font();
    font_ = CreatePointFont(font.Name, font.Size, font.Bold, font.Italic, font.UnderLine,
                            font.StrikeOut, font.CharSet);
    brush_.Reset(CreateSolidBrush(toColor_(sample_.Color())));
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
    InvalidateRect(Handle(), nullptr, TRUE);
  });
}

bool TSampleListView::Reflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message != WM_CTLCOLORLISTBOX) return false;
  HDC dc = reinterpret_cast<HDC>(wParam);
  SetTextColor(dc, toColor_(sample_.Font().Color));
  SetBkColor(dc, toColor_(sample_.Color()));
  result = reinterpret_cast<LRESULT>(brush_.Get());
  return true;
}

TComboBoxView::TComboBoxView(TComboBox& model, const TPlacement& place, TModelRunner run)
    : TModelView(&model, std::move(run)), combo_(model) {
  CreateControl("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, place);
  for (const std::string& item : model.Items()) {
    SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  Watch([this] {
    if (SendMessageA(Handle(), CB_GETCURSEL, 0, 0) != combo_.ItemIndex()) {
      SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(combo_.ItemIndex()), 0);
    }
    EnableWindow(Handle(), combo_.Enabled());
  });
}

bool TComboBoxView::Reflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message != WM_COMMAND) return false;
  if (HIWORD(wParam) == CBN_SELCHANGE) {
    const auto index = static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
    Run([this, index] { combo_.SetItemIndex(index); });
  }
  result = 0;
  return true;
}

}  // namespace nuvopick::win
