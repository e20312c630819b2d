#include "gate/win/form_main.h"

#include "platform/win/application.h"
#include "platform/win/color_ref.h"
#include "resource_ids.h"

namespace nuvopick::win {
namespace {

constexpr int kListId = IDC_GATE_LIST;
constexpr UINT_PTR kNoClickTimer = 1;

bool KeyHeld(int key) {
  return (GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

TForm_main::TForm_main(std::string exePath, std::string firstArgument, ISound* sound)
    : session_({files_, hives_, shell_, pointer_, clock_, sound ? *sound : sound_, system_}, *this,
               std::move(exePath), std::move(firstArgument)) {}

TForm_main::~TForm_main() {
  ReleaseList();
}

bool TForm_main::Create() {
  // Zero-sized until the session has built the list; it decides size and place.
  return TForm::Create({"TForm_main", "NuvoPick", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW, 0,
                        0, 0, 0, nullptr});
}

void TForm_main::FormCreate() {
  session_.FormCreate();
}

// The plain list, or the owner-drawn one of fixed row height when a skin draws it.
void TForm_main::CreateList(bool ownerDrawn) {
  ReleaseList();
  if (list_ != nullptr) DestroyWindow(list_);
  const DWORD style = ownerDrawn ? LBS_OWNERDRAWFIXED | LBS_HASSTRINGS : WS_VSCROLL;
  list_ = CreateWindowExA(
      0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | style, 0, 0, 0,
      0, Handle(), reinterpret_cast<HMENU>(INT_PTR{kListId}), GetModuleHandleA(nullptr), nullptr);
  // The list's own procedure stays behind ours; `this` rides with the list.
  SetWindowLongPtrA(list_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  listProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TForm_main::ListProc)));
}

// The list outlives this object by a moment while the base class destroys the
// window, and an old list goes when a skin replaces it: neither may reach our
// procedure then.
void TForm_main::ReleaseList() {
  if (list_ != nullptr) {
    SetWindowLongPtrA(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listProc_));
  }
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

void TForm_main::FillList(HFONT font) {
  SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageA(list_, LB_RESETCONTENT, 0, 0);
  for (const std::string& row : rows_) {
    SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
  }
}

void TForm_main::ApplyListAppearance(const TListAppearance& appearance) {
  appearance_ = appearance;
  font_ =
      CreatePointFont(appearance.FontName, appearance.FontSize, appearance.Bold, appearance.Italic,
                      appearance.UnderLine, appearance.StrikeOut, appearance.FontCharSet);
  SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  backBrush_.Reset(CreateSolidBrush(ToColorRef(appearance.BackColor)));
  textColor_ = ToColorRef(appearance.FontColor);
}

void TForm_main::SetRows(const std::vector<std::string>& rows) {
  rows_ = rows;
  FillList(font_.Get());
}

std::int32_t TForm_main::TextWidth(const std::string& text) {
  return MeasureText(font_ ? font_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)),
                     text)
      .cx;
}

std::int32_t TForm_main::RowHeight() {
  return static_cast<std::int32_t>(SendMessageA(list_, LB_GETITEMHEIGHT, 0, 0));
}

std::optional<TSize> TForm_main::ComposeSkinnedWindow(const std::string& skinPath) {
  skin_ =
      TSkinnedGate::Compose(files_, skinPath, appearance_.FontName, appearance_.FontSize, rows_);
  if (!skin_) return std::nullopt;
  CreateList(true);
  FillList(skin_->ItemFont());
  SendMessageA(list_, LB_SETITEMHEIGHT, 0, skin_->Layout().ItemHeight);
  skin_->ApplyRegion(Handle());
  return skin_->Layout().FrameSize;
}

void TForm_main::ShowTopmost(const TRect& bounds) {
  SetWindowPos(Handle(), HWND_TOPMOST, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(),
               SWP_NOACTIVATE);
  const TRect list =
      skin_ ? skin_->Layout().ListRect : TRect{0, 0, bounds.Width(), bounds.Height()};
  MoveWindow(list_, list.Left, list.Top, list.Width(), list.Height(), FALSE);
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

void TForm_main::ListCommand(int code) {
  if (code == LBN_SELCHANGE) {
    session_.ListBox_appsClick(static_cast<int>(SendMessageA(list_, LB_GETCURSEL, 0, 0)));
  } else if (code == LBN_DBLCLK) {
    // The double click acts on the row the list shows as selected.
    const auto row = static_cast<int>(SendMessageA(list_, LB_GETCURSEL, 0, 0));
    if (row != session_.ItemIndex()) session_.ListBox_appsClick(row);
    session_.ListBox_appsDblClick();
  }
}

LRESULT TForm_main::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateList(false);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kListId) {
        ListCommand(HIWORD(wParam));
        return 0;
      }
      break;
    case WM_PAINT:
      if (skin_) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        skin_->PaintFrame(dc);
        EndPaint(Handle(), &paint);
        return 0;
      }
      break;
    case WM_ERASEBKGND:
      if (skin_) return 1;  // the frame covers it all
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (skin_ && item->CtlID == kListId && item->itemID < rows_.size()) {
        skin_->DrawItem(*item, rows_[item->itemID], static_cast<int>(rows_.size()));
        return TRUE;
      }
      break;
    }
    case WM_CTLCOLORLISTBOX:
      if (backBrush_ && !skin_) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, textColor_);
        LOGBRUSH brush{};
        GetObjectA(backBrush_.Get(), sizeof brush, &brush);
        SetBkColor(dc, brush.lbColor);
        return reinterpret_cast<LRESULT>(backBrush_.Get());
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
    case WM_ERASEBKGND:
      if (skin_) return 1;  // the rows draw the background
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
