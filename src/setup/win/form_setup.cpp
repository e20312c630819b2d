#include "setup/win/form_setup.h"

#include <commctrl.h>

#include <array>
#include <utility>

#include "platform/win/application.h"
#include "platform/win/load_icon_from.h"
#include "platform/win/window_dpi.h"
#include "resource_ids.h"
#include "setup/setup_layout.h"
#include "setup/win/setup_window_metrics.h"

namespace nuvopick::win {

using namespace setup_window;

TForm_setup::TForm_setup(std::string exePath)
    : form_(
          {files_, dialogs_, hives_, messages_, instance_, tray_, notice_, shell_, sound_, choose_},
          *this, std::move(exePath)),
      trayMenu_(form_.PMenu_ttray, IDM_TRAY_FIRST),
      extExtraMenu_(form_.ExtPage.PMenu_extextra, IDM_EXT_EXTRA_FIRST) {}

TForm_setup::~TForm_setup() {
  if (Handle() != nullptr) {
    // The end of setup mode, while the window and its tray icon still exist.
    Run([this] { form_.FormDestroy(); });
  }
}

namespace {

constexpr DWORD kSetupStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

}  // namespace

// The window appears on the main screen, at the system's DPI; once there it
// takes the DPI of its screen.
bool TForm_setup::Create() {
  const SIZE size = WindowSizeAt(SystemDpi());
  return TForm::Create({"TForm_setup", kSetupCaption, kSetupStyle, 0, CW_USEDEFAULT, CW_USEDEFAULT,
                        size.cx, size.cy, nullptr});
}

void TForm_setup::FormCreate() {
  dpi_ = DpiOfWindow(Handle());
  const TSize client = ScaledClientSize(dpi_);
  SetClientSize(client.Width, client.Height);
  taskBarCreated_ = RegisterWindowMessageA("TaskBarCreated");
  messages_.SetOwner(Handle());
  dialogs_.SetOwner(Handle());
  shell_.SetOwner(Handle());
  choose_.SetOwner(Handle());
  tray_.SetWindow(Handle(), LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_NUVOPICK)));
  fonts_ = CreateSetupFonts(dpi_);
  panelBrush_.Reset(CreateSolidBrush(kPanelColor));

  BuildFrame();
  BuildTree();
  BuildPages();
  BuildHints();
  Application().UseDialogKeys(Handle());
  BindWindowModels();

  Run([this] { form_.FormCreate(); });
  if (Application().Terminated()) return;
  SetWindowPos(Handle(), nullptr, form_.Position.X, form_.Position.Y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TSize TForm_setup::ScaledClientSize(const TDpiScale& dpi) const {
  return dpi.Px(TSize{kClientWidth, kClientHeight});
}

SIZE TForm_setup::WindowSizeAt(const TDpiScale& dpi) const {
  const TSize client = ScaledClientSize(dpi);
  return WindowSizeForClient({client.Width, client.Height}, kSetupStyle, 0, dpi);
}

// Every control goes where its 96-DPI place lies at the new DPI, in fonts made
// for it; the old fonts go once no control uses them.
void TForm_setup::ChangeDpi(const TDpiScale& dpi, const RECT& suggested) {
  dpi_ = dpi;
  TSetupFonts fonts = CreateSetupFonts(dpi_);
  for (const TPlacedView& placed : views_) {
    HWND control = placed.View->Handle();
    const TRect bounds = dpi_.Px(placed.Bounds);
    SetWindowPos(control, nullptr, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (placed.Font) {
      SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.Of(*placed.Font)), FALSE);
    }
    if (placed.RowHeight > 0) {
      SendMessageA(control, LB_SETITEMHEIGHT, 0, dpi_.Px(placed.RowHeight));
    }
  }
  fonts_ = std::move(fonts);
  ShowAboutIcon();
  // The place is the system's; the size, which the system asked for before
  // (WM_GETDPISCALEDSIZE), is the window's own.
  const TSize client = ScaledClientSize(dpi_);
  TakeDpiPlace(suggested, client.Width, client.Height);
  RedrawWindow(Handle(), nullptr, nullptr,
               RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TForm_setup::Run(const std::function<void()>& command) {
  form_.Dispatch(command);
}

// ---- what the form asks -----------------------------------------------------

TSize TForm_setup::ScreenSize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

TSize TForm_setup::WindowSize() {
  RECT rect{};
  GetWindowRect(Handle(), &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

void TForm_setup::EndApplication() {
  ShowWindow(Handle(), SW_HIDE);
  Application().Terminate();
}

void TForm_setup::MinimizeApplication() {
  ShowWindow(Handle(), SW_MINIMIZE);
}

void TForm_setup::RestoreApplication() {
  if (IsIconic(Handle()) || !IsWindowVisible(Handle())) ShowWindow(Handle(), SW_RESTORE);
}

void TForm_setup::ShowTaskbarButton(bool visible) {
  // The window is the program's only one on the taskbar.
  ShowWindow(Handle(), visible ? SW_SHOW : SW_HIDE);
}

void TForm_setup::BringToForeground() {
  SetForegroundWindow(Handle());
}

void TForm_setup::PopupTrayMenu() {
  trayMenu_.PopupAtPointer(Handle());
}

void TForm_setup::PopupExtExtraMenu() {
  extExtraMenu_.PopupAtPointer(Handle());
}

void TForm_setup::ShowExtIcon(const std::string& iconFile, std::int32_t iconIndex) {
  extIcon_ = LoadIconFrom(iconFile, iconIndex);
  if (iconPanel_ != nullptr) InvalidateRect(iconPanel_->Handle(), nullptr, FALSE);
}

void TForm_setup::RepaintLists() {
  for (const TPlacedView& placed : views_) {
    if (auto* list = dynamic_cast<TListView*>(placed.View.get())) list->Repaint();
  }
}

// ---- input -------------------------------------------------------------------

void TForm_setup::DrawExtRow(const DRAWITEMSTRUCT& item) {
  const auto index = static_cast<int>(item.itemID);
  if (index < 0 || index >= form_.ExtList().Count()) return;
  DrawListRow(item, form_.ExtPage.ListBoxEx_extDrawItem(index), fonts_.Fixed.Get(), dpi_);
}

// The icon panel is a button: raised, or lowered while it is pressed.
void TForm_setup::DrawIconPanel(const DRAWITEMSTRUCT& item) {
  RECT rect = item.rcItem;
  FillRect(item.hDC, &rect, GetSysColorBrush(COLOR_BTNFACE));
  const TExtPage& page = form_.ExtPage;
  DrawEdge(item.hDC, &rect, page.IconPanelLowered() ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  if (extIcon_) {
    const int at = dpi_.Px(kIconOffset) - (page.IconImageShifted() ? dpi_.Px(1) : 0);
    const int size = dpi_.Px(kIconSize);
    DrawIconEx(item.hDC, at, at, extIcon_.Get(), size, size, 0, nullptr, DI_NORMAL);
  }
}

void TForm_setup::MeasureTrayTitle(MEASUREITEMSTRUCT& item) {
  const SIZE text = MeasureText(fonts_.Bold.Get(), kTrayTitleText);
  item.itemWidth = static_cast<UINT>(text.cx + dpi_.Px(40));
  item.itemHeight = static_cast<UINT>(text.cy + dpi_.Px(8));
}

void TForm_setup::DrawTrayTitle(const DRAWITEMSTRUCT& item) {
  const std::array<std::uint8_t, 32> greys = TrayTitleGreys();
  // One row of 32 pixels, 24 bits each: 96 bytes, already a multiple of four.
  std::array<std::uint8_t, 96> pixels{};
  for (std::size_t x = 0; x < greys.size(); ++x) {
    pixels[3 * x] = pixels[3 * x + 1] = pixels[3 * x + 2] = greys[x];
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = 32;
  info.bmiHeader.biHeight = 1;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  const RECT& r = item.rcItem;
  SetStretchBltMode(item.hDC, COLORONCOLOR);
  StretchDIBits(item.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, 0, 0, 32, 1,
                pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
  TSelected font(item.hDC, fonts_.Bold.Get());
  SIZE size{};
  GetTextExtentPoint32A(item.hDC, kTrayTitleText, static_cast<int>(sizeof kTrayTitleText - 1),
                        &size);
  const TPoint at = CenterIn({r.left, r.top, r.right, r.bottom}, {size.cx, size.cy});
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, RGB(255, 255, 255));
  TextOutA(item.hDC, at.X, at.Y, kTrayTitleText, static_cast<int>(sizeof kTrayTitleText - 1));
}

bool TForm_setup::MenuCommand(int id) {
  for (const TPopupMenuView* menu : {&trayMenu_, &extExtraMenu_}) {
    if (const TMenuItem* item = menu->ItemOf(static_cast<UINT>(id))) {
      if (item->OnClick) Run(item->OnClick);
      return true;
    }
  }
  return false;
}

// The icon panel is pressed on its image or beside it, and released.
bool TForm_setup::IconPanelMouse(UINT message, POINT at) {
  TExtPage& page = form_.ExtPage;
  HWND control = iconPanel_->Handle();
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const TRect image = dpi_.Px(
          TRect{kIconOffset, kIconOffset, kIconOffset + kIconSize, kIconOffset + kIconSize});
      const RECT imageRect{image.Left, image.Top, image.Right, image.Bottom};
      iconPressedOnImage_ = extIcon_ && PtInRect(&imageRect, at);
      SetCapture(control);
      Run([&page, onImage = iconPressedOnImage_] { page.Panel_iconMouseDown(onImage); });
      RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      return true;
    }
    case WM_LBUTTONUP: {
      if (!page.IconPanelLowered()) return true;
      if (GetCapture() == control) ReleaseCapture();
      // Measured from what was pressed, the image or the panel, at 96 DPI.
      const int offset = iconPressedOnImage_ ? dpi_.Px(kIconOffset) : 0;
      const TPoint from = UnscaledPoint({at.x - offset, at.y - offset}, dpi_);
      Run([&page, from] { page.Panel_iconMouseUp(from); });
      RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      return true;
    }
    default:
      return false;
  }
}

LRESULT TForm_setup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (LRESULT result = 0; HintMessage(message, wParam, lParam, result)) return result;
  if (message != 0 && message == taskBarCreated_) {
    Run([this] { form_.TaskBarCreated(); });
    return TForm::HandleMessage(message, wParam, lParam);
  }
  switch (message) {
    case WM_COMMAND:
      // The menus' commands; the controls' go to their views.
      if (lParam == 0 && MenuCommand(LOWORD(wParam))) return 0;
      break;
    case WM_ACTIVATE:
      // The control that had the keyboard gets it back when the window is active again.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(Handle(), focus)) focus_ = focus;
      }
      break;
    case WM_SETFOCUS:
      SetFocus(focus_ != nullptr && IsWindowVisible(focus_) ? focus_ : tree_->Handle());
      return 0;
    case WM_CLOSE:
      Run([this] { form_.FormClose(); });
      return 0;
    case WM_SIZE:
      if (wParam == SIZE_MINIMIZED) {
        minimized_ = true;
        Run([this] { form_.ApplicationEventsMinimize(); });
      } else if (wParam == SIZE_RESTORED && minimized_) {
        minimized_ = false;
        Run([this] { form_.ApplicationEventsRestore(); });
      }
      break;
    case WM_GETDPISCALEDSIZE: {
      const SIZE size = WindowSizeAt(TDpiScale(static_cast<int>(wParam)));
      *reinterpret_cast<SIZE*>(lParam) = size;
      return TRUE;
    }
    case WM_DPICHANGED:
      ChangeDpi(TDpiScale(HIWORD(wParam)), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_ENDSESSION:
      Run([this, wParam] { form_.EndSession(wParam != 0); });
      return 0;
    case kWmTrayNotify:
      Run([this, lParam] { form_.TrayNotify(static_cast<std::uint32_t>(lParam)); });
      return 0;
    case kWmIconDialogClosed: {
      // The record lives only during this call.
      const TIconDialogCloseRecord result =
          *reinterpret_cast<const TIconDialogCloseRecord*>(wParam);
      Run([this, &result] { form_.IconDialogClosed(result); });
      return 0;
    }
    case kWmEntryModified:
      Run([this] { form_.EntryModified(); });
      return 0;
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (item->CtlType == ODT_MENU && trayMenu_.IsTitle(item->itemID)) {
        MeasureTrayTitle(*item);
        return TRUE;
      }
      break;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlType == ODT_MENU && trayMenu_.IsTitle(item->itemID)) {
        DrawTrayTitle(*item);
        return TRUE;
      }
      break;
    }
    default:
      break;
  }
  return TForm::HandleMessage(message, wParam, lParam);
}

}  // namespace nuvopick::win
