#include "gate/win/form_main.h"

#include "platform/win/application.h"

namespace nuvopick::win {
namespace {

constexpr int kListId = 100;
constexpr UINT_PTR kNoClickTimer = 1;

// A colour of the settings: the high bit names a system colour by its index.
COLORREF ToColorRef(std::int32_t color) {
  const auto value = static_cast<std::uint32_t>(color);
  if (value & 0x80000000u) return GetSysColor(static_cast<int>(value & 0xFF));
  return static_cast<COLORREF>(value & 0xFFFFFF);
}

bool KeyHeld(int key) {
  return (GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

TForm_main::TForm_main(std::string exePath, std::string firstArgument)
    : session_({files_, classStore_, shell_, pointer_, clock_, sound_, system_}, *this,
               std::move(exePath), std::move(firstArgument)) {}

TForm_main::~TForm_main() {
  // The list outlives this object by a moment while the base class destroys the
  // window: it must not reach our procedure then.
  if (list_ != nullptr)
    SetWindowLongPtrA(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listProc_));
  if (font_ != nullptr) DeleteObject(font_);
  if (backBrush_ != nullptr) DeleteObject(backBrush_);
}

bool TForm_main::Create() {
  // Zero-sized until the session has built the list; it decides size and place.
  return TForm::Create({"TForm_main", "NuvoPick", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW, 0,
                        0, 0, 0, nullptr});
}

void TForm_main::FormCreate() {
  session_.FormCreate();
}

void TForm_main::CreateList() {
  list_ = CreateWindowExA(0, "LISTBOX", "",
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0,
                          0, 0, 0, Handle(), reinterpret_cast<HMENU>(INT_PTR{kListId}),
                          GetModuleHandleA(nullptr), nullptr);
  // The list's own procedure stays behind ours; `this` rides with the list.
  SetWindowLongPtrA(list_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  listProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TForm_main::ListProc)));
}

// The hint is about to be needed: the pointer is on the shown list. The session
// says whether there is one and what it shows (the opened file's path).
void TForm_main::PrepareHint() {
  if (hintPrepared_) return;
  hintPrepared_ = true;
  if (const std::optional<TGateHint> hint = session_.ApplicationEventsShowHint()) {
    hint_.Create(Handle(), list_, hint->Text, hint->HideTimeMs);
  }
}

void TForm_main::ApplyListAppearance(const TListAppearance& appearance) {
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(appearance.FontSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  if (font_ != nullptr) DeleteObject(font_);
  font_ = CreateFontA(height, 0, 0, 0, appearance.Bold ? FW_BOLD : FW_NORMAL, appearance.Italic,
                      appearance.UnderLine, appearance.StrikeOut,
                      static_cast<DWORD>(appearance.FontCharSet & 0xFF), OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                      appearance.FontName.c_str());
  SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  if (backBrush_ != nullptr) DeleteObject(backBrush_);
  backBrush_ = CreateSolidBrush(ToColorRef(appearance.BackColor));
  textColor_ = ToColorRef(appearance.FontColor);
}

void TForm_main::SetRows(const std::vector<std::string>& rows) {
  SendMessageA(list_, LB_RESETCONTENT, 0, 0);
  for (const std::string& row : rows) {
    SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
  }
}

std::int32_t TForm_main::TextWidth(const std::string& text) {
  HDC dc = GetDC(list_);
  HGDIOBJ old = SelectObject(dc, font_ != nullptr ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(list_, dc);
  return size.cx;
}

std::int32_t TForm_main::RowHeight() {
  return static_cast<std::int32_t>(SendMessageA(list_, LB_GETITEMHEIGHT, 0, 0));
}

std::optional<TSize> TForm_main::ComposeSkinnedWindow(const std::string&) {
  return std::nullopt;  // skins are drawn by a later version; the plain list stands in
}

void TForm_main::ShowTopmost(const TRect& bounds) {
  SetWindowPos(Handle(), HWND_TOPMOST, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(),
               SWP_NOACTIVATE);
  MoveWindow(list_, 0, 0, bounds.Width(), bounds.Height(), FALSE);
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  SetForegroundWindow(Handle());
  SetFocus(list_);
  Application().SetShowMainFormOnRun(true);
}

void TForm_main::StartTimer(std::uint32_t intervalMs) {
  SetTimer(Handle(), kNoClickTimer, intervalMs, nullptr);
}

void TForm_main::SelectRow(int row) {
  SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

void TForm_main::Close() {
  // The session may ask from inside a handler of the list: the window goes away
  // when that handler has returned.
  if (closing_) return;
  closing_ = true;
  KillTimer(Handle(), kNoClickTimer);
  PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

void TForm_main::Terminate() {
  Application().Terminate();
}

LRESULT TForm_main::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateList();
      return 0;
    case WM_SHOWWINDOW:
      if (wParam) session_.FormShow();
      break;
    case WM_COMMAND:
      if (LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_SELCHANGE) {
        session_.ListBox_appsClick(static_cast<int>(SendMessageA(list_, LB_GETCURSEL, 0, 0)));
        return 0;
      }
      if (LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_DBLCLK) {
        // The double click acts on the row the list shows as selected.
        const auto row = static_cast<int>(SendMessageA(list_, LB_GETCURSEL, 0, 0));
        if (row != session_.ItemIndex()) session_.ListBox_appsClick(row);
        session_.ListBox_appsDblClick();
        return 0;
      }
      break;
    case WM_CTLCOLORLISTBOX:
      if (backBrush_ != nullptr) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, textColor_);
        LOGBRUSH brush{};
        GetObjectA(backBrush_, sizeof brush, &brush);
        SetBkColor(dc, brush.lbColor);
        return reinterpret_cast<LRESULT>(backBrush_);
      }
      break;
    case WM_TIMER:
      if (wParam == kNoClickTimer) {
        session_.TimerTimer();
      } else {
        hint_.TimerFired(wParam);
      }
      return 0;
    case WM_ACTIVATEAPP:
      if (!wParam) session_.ApplicationEventsDeactivate();
      break;
    case WM_SETFOCUS:
      SetFocus(list_);
      return 0;
    default:
      break;
  }
  return TForm::HandleMessage(message, wParam, lParam);
}

LRESULT TForm_main::ListMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (session_.ListBox_appsKeyDown(static_cast<unsigned>(wParam), KeyHeld(VK_SHIFT),
                                       KeyHeld(VK_MENU), KeyHeld(VK_CONTROL))) {
        return 0;
      }
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      session_.ListBox_appsKeyUp(static_cast<unsigned>(wParam));
      break;
    case WM_RBUTTONUP:
      session_.ListBox_appsMouseUp(TMouseButton::Right);
      return 0;
    case WM_MOUSEMOVE:
      PrepareHint();
      hint_.MouseMoved();
      break;
    case WM_MOUSELEAVE:
      hint_.MouseLeft();
      break;
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS;
    default:
      break;
  }
  return CallWindowProcA(listProc_, list_, message, wParam, lParam);
}

LRESULT CALLBACK TForm_main::ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TForm_main*>(GetWindowLongPtrA(list, GWLP_USERDATA));
  return self->ListMessage(message, wParam, lParam);
}

}  // namespace nuvopick::win
