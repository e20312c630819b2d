#include "gate/win/form_main.h"

#include "platform/win/application.h"
#include "platform/win/color_ref.h"
#include "platform/win/lazy_library.h"
#include "resource_ids.h"

namespace nuvopick::win {
namespace {

constexpr int kListId = IDC_GATE_LIST;
constexpr UINT_PTR kNoClickTimer = 1;
// A row's icon has come: WParam the row, LParam the icon, the window's from then on.
constexpr UINT kRowIconMessage = WM_APP + 1;

}  // namespace

TForm_main::TForm_main(std::string exePath, std::u16string firstArgument, ISound* sound)
    : session_(
          {files_, hives_, shell_, pointer_, clock_, sound ? *sound : sound_, system_, gather_},
          *this, std::move(exePath), std::move(firstArgument)) {}

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
  list_.reset();
  TGateListView::THandlers handlers;
  handlers.Select = [this](int row) { session_.ListBox_appsClick(row); };
  handlers.DoubleClick = [this](int row) { DoubleClick(row); };
  handlers.KeyDown = [this](unsigned key, const TGateListView::TKeyState& keys) {
    return session_.ListBox_appsKeyDown(key, keys.Shift, keys.Alt, keys.Control);
  };
  handlers.KeyUp = [this](unsigned key) { session_.ListBox_appsKeyUp(key); };
  handlers.RightButtonUp = [this] { session_.ListBox_appsMouseUp(TMouseButton::Right); };
  // The session says whether there is a hint and what it shows (the opened file's path).
  handlers.Hint = [this]() -> std::optional<TListHint> {
    const std::optional<TGateHint> hint = session_.ApplicationEventsShowHint();
    if (!hint) return std::nullopt;
    return TListHint{hint->Text, hint->HideTimeMs};
  };
  handlers.RowIcon = [this](int row) { return RowIcon(row); };
  // A skin draws its rows; owner-drawn without one, the rows show icons and the
  // list draws them itself.
  if (ownerDrawn && skin_) {
    handlers.DrawRow = [this](const DRAWITEMSTRUCT& item, const std::string& text, HICON icon,
                              int rowCount) { skin_->DrawItem(item, text, icon, rowCount); };
  }
  TPlacement place;
  place.Parent = Handle();
  place.Id = kListId;
  list_ = std::make_unique<TGateListView>(place, ownerDrawn, std::move(handlers));
}

// The double click acts on the row the list shows as selected.
void TForm_main::DoubleClick(int row) {
  if (row != session_.ItemIndex()) session_.ListBox_appsClick(row);
  session_.ListBox_appsDblClick();
}

HICON TForm_main::RowIcon(int row) const {
  return row >= 0 && row < static_cast<int>(rowIcons_.size()) ? rowIcons_[row].Get() : nullptr;
}

void TForm_main::ApplyListAppearance(const TListAppearance& appearance) {
  const bool icons = appearance.Icons.HasIcons();
  if (skin_) {
    // Laid out again at another DPI: the skin is composed anew, if it still can be.
    skin_.reset();
    CreateList(icons);
    SetWindowRgn(Handle(), nullptr, FALSE);
  } else if (icons != appearance_.Icons.HasIcons()) {
    CreateList(icons);
  }
  appearance_ = appearance;
  font_ = CreatePointFont(appearance.FontName, appearance.FontSize, appearance.Bold,
                          appearance.Italic, appearance.UnderLine, appearance.StrikeOut,
                          appearance.FontCharSet, appearance.Dpi);
  list_->SetFont(font_.Get());
  list_->SetColors(ToColorRef(appearance.FontColor), ToColorRef(appearance.BackColor));
  list_->SetIconLayout(appearance.Icons);
  // The plain list's rows are as high as its font makes them, and the icon's
  // rows at least as high as the icon needs.
  if (icons) {
    list_->SetRowHeight(RowHeightWithIcon(MeasureText(font_.Get(), "gM").cy, appearance.Icons));
  }
}

std::int32_t TForm_main::SmallIconSize(const TDpiScale& dpi) {
  // Only a system that knows the size for each DPI can say it; before that the
  // size is grown with the DPI.
  using TMetricForDpi = int WINAPI(int, UINT);
  static auto* const metricForDpi =
      LazyFunction<TMetricForDpi>("user32.dll", "GetSystemMetricsForDpi");
  return metricForDpi != nullptr ? metricForDpi(SM_CXSMICON, static_cast<UINT>(dpi.Dpi())) : 0;
}

void TForm_main::FetchRowIcons(const std::vector<std::string>& programs) {
  rowIcons_.clear();
  rowIcons_.resize(programs.size());
  iconFetcher_ = std::make_unique<TRowIconFetcher>(Handle(), kRowIconMessage);
  iconFetcher_->Start(programs, appearance_.Icons.IconSize);
}

void TForm_main::TakeRowIcon(WPARAM row, HICON icon) {
  if (row >= rowIcons_.size()) {
    DestroyIcon(icon);
    return;
  }
  rowIcons_[row] = TIcon(icon);
  list_->RedrawRow(static_cast<int>(row));
}

void TForm_main::SetRows(const std::vector<std::string>& rows) {
  rows_ = rows;
  list_->SetFont(font_.Get());
  list_->SetRows(rows_);
}

std::int32_t TForm_main::TextWidth(const std::string& text) {
  return MeasureText(font_ ? font_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)),
                     text)
      .cx;
}

std::int32_t TForm_main::RowHeight() {
  return list_->RowHeight();
}

std::optional<TSize> TForm_main::ComposeSkinnedWindow(const std::string& skinPath) {
  skin_ = TSkinnedGate::Compose(files_, skinPath, appearance_.FontName, appearance_.FontSize, rows_,
                                appearance_.Icons, appearance_.Dpi);
  if (!skin_) return std::nullopt;
  CreateList(true);
  list_->SetFont(skin_->ItemFont());
  list_->SetRows(rows_);
  list_->SetRowHeight(skin_->Layout().ItemHeight);
  list_->SetIconLayout(appearance_.Icons);
  skin_->ApplyRegion(Handle());
  return skin_->Layout().FrameSize;
}

void TForm_main::ShowTopmost(const TRect& bounds) {
  SetWindowPos(Handle(), HWND_TOPMOST, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(),
               SWP_NOACTIVATE);
  const TRect list =
      skin_ ? skin_->Layout().ListRect : TRect{0, 0, bounds.Width(), bounds.Height()};
  MoveWindow(list_->Handle(), list.Left, list.Top, list.Width(), list.Height(), FALSE);
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  SetForegroundWindow(Handle());
  SetFocus(list_->Handle());
  Application().SetShowMainFormOnRun(true);
}

void TForm_main::StartTimer(std::uint32_t intervalMs) {
  SetTimer(Handle(), kNoClickTimer, intervalMs, nullptr);
}

void TForm_main::SelectRow(int row) {
  list_->SelectRow(row);
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
      CreateList(false);
      return 0;
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
    case WM_TIMER:
      if (wParam == kNoClickTimer) {
        session_.TimerTimer();
        return 0;
      }
      break;
    case WM_ACTIVATEAPP:
      if (!wParam) session_.ApplicationEventsDeactivate();
      break;
    case WM_DPICHANGED: {
      // Only the DPI is taken: the session sizes the window for it, from the
      // suggested place's top-left corner.
      const auto& suggested = *reinterpret_cast<const RECT*>(lParam);
      session_.WindowDpiChanged(TDpiScale(HIWORD(wParam)), {suggested.left, suggested.top});
      return 0;
    }
    case kRowIconMessage:
      TakeRowIcon(wParam, reinterpret_cast<HICON>(lParam));
      return 0;
    case WM_DESTROY:
      // Icons still on their way are destroyed; a fetch still running is left to end.
      iconFetcher_.reset();
      break;
    case WM_SETFOCUS:
      SetFocus(list_->Handle());
      return 0;
    default:
      break;
  }
  return TForm::HandleMessage(message, wParam, lParam);
}

}  // namespace nuvopick::win
