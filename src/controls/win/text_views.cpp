#include "controls/win/text_views.h"

#include "platform/win/gdi_owners.h"

namespace nuvopick::win {
namespace {

bool SetHandCursor(UINT message, LRESULT& result) {
  if (message != WM_SETCURSOR) return false;
  SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)));  // IDC_HAND
  result = TRUE;
  return true;
}

}  // namespace

TStaticView::TStaticView(const char* className, const std::string& text, DWORD style,
                         const TPlacement& place)
    : TModelView(nullptr, {}) {
  CreateControl(className, text, style, 0, place);
}

TCaptionView::TCaptionView(TCaption& model, DWORD style, const TPlacement& place)
    : TModelView(&model, {}), caption_(model) {
  CreateControl("STATIC", model.Text(), style, 0, place);
  Watch([this] {
    SetWindowTextA(Handle(), caption_.Text().c_str());
    EnableWindow(Handle(), caption_.Enabled());
  });
}

TLinkView::TLinkView(TCaption& model, const TPlacement& place, THandlers handlers, TModelRunner run)
    : TModelView(&model, std::move(run)),
      caption_(model),
      font_(place.Font),
      handlers_(std::move(handlers)) {
  TPlacement fitted = place;
  fitted.Width = WidthOf(model.Text());
  CreateControl("STATIC", model.Text(), SS_LEFT | SS_NOPREFIX | SS_NOTIFY, 0, fitted);
  Watch([this] {
    SetWindowTextA(Handle(), caption_.Text().c_str());
    Fit();
    InvalidateRect(Handle(), nullptr, TRUE);
  });
}

void TLinkView::Fit() {
  RECT bounds{};
  GetWindowRect(Handle(), &bounds);
  SetWindowPos(Handle(), nullptr, 0, 0, WidthOf(caption_.Text()), bounds.bottom - bounds.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int TLinkView::WidthOf(const std::string& text) const {
  return static_cast<int>(MeasureText(font_, text).cx) + 2;
}

bool TLinkView::Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == STN_CLICKED && handlers_.Click) Run(handlers_.Click);
      result = 0;
      return true;
    case WM_CTLCOLORSTATIC:
      result = DefWindowProcA(GetParent(Handle()), message, wParam, lParam);
      if (handlers_.Colour) SetTextColor(reinterpret_cast<HDC>(wParam), handlers_.Colour());
      return true;
    default:
      return SetHandCursor(message, result);
  }
}

LRESULT TLinkView::ControlMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                  const TNextHandler& next) {
  if (message == WM_MOUSEMOVE && !hovered_) {
    hovered_ = true;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&track);
    if (handlers_.Enter) Run(handlers_.Enter);
  } else if (message == WM_MOUSELEAVE) {
    hovered_ = false;
    if (handlers_.Leave) Run(handlers_.Leave);
  } else if (message == WM_SETFONT) {
    // Another font (the window moved to a screen of another DPI) measures anew.
    font_ = reinterpret_cast<HFONT>(wParam);
    const LRESULT result = next(message, wParam, lParam);
    Fit();
    return result;
  }
  return next(message, wParam, lParam);
}

TPanelView::TPanelView(TCaption* model, DWORD style, const TPlacement& place, THandlers handlers,
                       std::string name)
    : TModelView(model, {}, std::move(name)), handlers_(std::move(handlers)) {
  CreateControl("STATIC", model != nullptr ? model->Text() : std::string(), style, 0, place);
  if (model != nullptr) {
    Watch([this, model] { SetWindowTextA(Handle(), model->Text().c_str()); });
  }
}

bool TPanelView::Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_DRAWITEM:
      if (!handlers_.Draw) return false;
      handlers_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      result = TRUE;
      return true;
    case WM_CTLCOLORSTATIC:
      if (!handlers_.Colour) return false;
      result = reinterpret_cast<LRESULT>(handlers_.Colour(reinterpret_cast<HDC>(wParam)));
      return true;
    default:
      return SetHandCursor(message, result);
  }
}

LRESULT TPanelView::ControlMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                   const TNextHandler& next) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: {
      const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (handlers_.Mouse && handlers_.Mouse(message, at)) return 0;
      break;
    }
    default:
      break;
  }
  return next(message, wParam, lParam);
}

}  // namespace nuvopick::win
