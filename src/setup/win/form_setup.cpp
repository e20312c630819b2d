#include "setup/win/form_setup.h"

#include <commctrl.h>

#include <array>
#include <utility>

#include "platform/win/application.h"
#include "platform/win/load_icon_from.h"
#include "setup/setup_layout.h"
#include "setup/win/setup_window_metrics.h"

namespace nuvopick::win {

using namespace setup_window;

TForm_setup::TForm_setup(std::string exePath)
    : form_(
          {files_, dialogs_, hives_, messages_, instance_, tray_, notice_, shell_, sound_, choose_},
          *this, std::move(exePath)),
      trayMenu_(form_.PMenu_ttray, kTrayMenuFirstId),
      extExtraMenu_(form_.ExtPage.PMenu_extextra, kExtExtraMenuFirstId) {}

TForm_setup::~TForm_setup() {
  if (Handle() != nullptr) {
    // The end of setup mode, while the window and its tray icon still exist.
    Run([this] { form_.FormDestroy(); });
    for (const auto& [control, previous] : subclassed_) {
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    }
  }
}

bool TForm_setup::Create() {
  RECT frame{0, 0, kClientWidth, kClientHeight};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  return TForm::Create({"TForm_setup", kSetupCaption, style, 0, CW_USEDEFAULT, CW_USEDEFAULT,
                        frame.right - frame.left, frame.bottom - frame.top, nullptr});
}

void TForm_setup::FormCreate() {
  SetClientSize(kClientWidth, kClientHeight);
  taskBarCreated_ = RegisterWindowMessageA("TaskBarCreated");
  messages_.SetOwner(Handle());
  dialogs_.SetOwner(Handle());
  shell_.SetOwner(Handle());
  choose_.SetOwner(Handle());
  tray_.SetWindow(Handle(), LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1)));
  font_ = CreateWindowFont(false);
  boldFont_ = CreateWindowFont(true);
  extFont_ = CreateFixedFont();
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
  if (iconPanel_ != nullptr) InvalidateRect(iconPanel_, nullptr, FALSE);
}

void TForm_setup::RepaintLists() {
  if (syncExtRows_) syncExtRows_();
  for (HWND list : lists_) InvalidateRect(list, nullptr, TRUE);
}

// ---- input -------------------------------------------------------------------

void TForm_setup::DrawExtRow(const DRAWITEMSTRUCT& item) {
  const auto index = static_cast<int>(item.itemID);
  if (index < 0 || index >= form_.ExtList().Count()) return;
  DrawListRow(item, form_.ExtPage.ListBoxEx_extDrawItem(index), extFont_.Get());
}

// The icon panel is a button: raised, or lowered while it is pressed.
void TForm_setup::DrawIconPanel(const DRAWITEMSTRUCT& item) {
  RECT rect = item.rcItem;
  FillRect(item.hDC, &rect, GetSysColorBrush(COLOR_BTNFACE));
  const TExtPage& page = form_.ExtPage;
  DrawEdge(item.hDC, &rect, page.IconPanelLowered() ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  if (extIcon_) {
    const int at = kIconOffset - (page.IconImageShifted() ? 1 : 0);
    DrawIconEx(item.hDC, at, at, extIcon_.Get(), kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
  }
}

void TForm_setup::MeasureTrayTitle(MEASUREITEMSTRUCT& item) {
  const SIZE text = MeasureText(boldFont_.Get(), kTrayTitleText);
  item.itemWidth = static_cast<UINT>(text.cx + 40);
  item.itemHeight = static_cast<UINT>(text.cy + 8);
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
  TSelected font(item.hDC, boldFont_.Get());
  SIZE size{};
  GetTextExtentPoint32A(item.hDC, kTrayTitleText, static_cast<int>(sizeof kTrayTitleText - 1),
                        &size);
  const TPoint at = CenterIn({r.left, r.top, r.right, r.bottom}, {size.cx, size.cy});
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, RGB(255, 255, 255));
  TextOutA(item.hDC, at.X, at.Y, kTrayTitleText, static_cast<int>(sizeof kTrayTitleText - 1));
}

void TForm_setup::Command(int id, int code, HWND control) {
  for (const TPopupMenuView* menu : {&trayMenu_, &extExtraMenu_}) {
    if (const TMenuItem* item = menu->ItemOf(static_cast<UINT>(id))) {
      if (item->OnClick) Run(item->OnClick);
      return;
    }
  }
  if (mirroring_) return;
  for (auto& [commandId, handler] : commands_) {
    if (commandId == id) {
      handler(code, control);
      return;
    }
  }
}

LRESULT TForm_setup::Notify(const NMHDR& header) {
  if (header.hwndFrom != tree_) return 0;
  const auto& change = reinterpret_cast<const NMTREEVIEWA&>(header);
  switch (header.code) {
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW: {
      if (mirroring_) return 0;
      const auto index = static_cast<int>(change.itemNew.lParam);
      Run([this, index] { form_.TV_select.Select(index); });
      return 0;
    }
    case TVN_ITEMEXPANDINGA:
    case TVN_ITEMEXPANDINGW:
      // Nonzero refuses the change.
      return (change.action & TVE_COLLAPSE) && !form_.TV_selectCollapsing() ? TRUE : FALSE;
    case TVN_ITEMEXPANDEDA:
    case TVN_ITEMEXPANDEDW:
      // Some trees collapse whatever the answer above was: open the node again.
      if ((change.action & TVE_COLLAPSE) && !form_.TV_selectCollapsing()) {
        SendMessageA(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(change.itemNew.hItem));
      }
      return 0;
    default:
      return 0;
  }
}

LRESULT TForm_setup::ColorStatic(HDC dc, HWND control) {
  if (control == panel_) {
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkColor(dc, kPanelColor);
    return reinterpret_cast<LRESULT>(panelBrush_.Get());
  }
  return DefaultHandler(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(control));
}

// Every press over the extension list selects the item under it; the double
// clicks toggle the marks. The list's own handling comes first.
LRESULT TForm_setup::ExtListMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallPrevious(control, message, wParam, lParam);
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
      const auto hit = static_cast<DWORD>(SendMessageA(control, LB_ITEMFROMPOINT, 0, lParam));
      const int item = HIWORD(hit) != 0 ? -1 : static_cast<int>(LOWORD(hit));
      TExtPage& page = form_.ExtPage;
      Run([&page, item] { page.ListBoxEx_extMouseDown(item); });
      if (message == WM_LBUTTONDBLCLK) Run([&page] { page.ListBoxEx_extDblClick(); });
      if (message == WM_RBUTTONDBLCLK)
        Run([&page, item] { page.ListBoxEx_extRightDblClick(item); });
      break;
    }
    default:
      break;
  }
  return result;
}

LRESULT TForm_setup::IconPanelMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  TExtPage& page = form_.ExtPage;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const POINT at = PointOf(lParam);
      const RECT image{kIconOffset, kIconOffset, kIconOffset + kIconSize, kIconOffset + kIconSize};
      iconPressedOnImage_ = extIcon_ && PtInRect(&image, at);
      SetCapture(control);
      Run([&page, onImage = iconPressedOnImage_] { page.Panel_iconMouseDown(onImage); });
      RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      return 0;
    }
    case WM_LBUTTONUP: {
      if (!page.IconPanelLowered()) return 0;
      if (GetCapture() == control) ReleaseCapture();
      // Measured from what was pressed: the image or the panel.
      const POINT at = PointOf(lParam);
      const int offset = iconPressedOnImage_ ? kIconOffset : 0;
      const TPoint from{at.x - offset, at.y - offset};
      Run([&page, from] { page.Panel_iconMouseUp(from); });
      RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      return 0;
    }
    default:
      return CallPrevious(control, message, wParam, lParam);
  }
}

LRESULT TForm_setup::ControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (control == extList_) return ExtListMessage(control, message, wParam, lParam);
  if (control == iconPanel_) return IconPanelMessage(control, message, wParam, lParam);
  if (TLinkLabel* link = LinkOf(control))
    return LinkMessage(*link, control, message, wParam, lParam);
  for (const auto& [box, editor] : shortcutBoxes_) {
    if (box == control) return ShortcutBoxMessage(*editor, control, message, wParam, lParam);
  }
  // The auto-run switch: every button press turns it, the second of a quick
  // pair of clicks too.
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Run([this] { form_.Panel_aet_noclickMouseDown(TSwitchButton::Left); });
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      Run([this] { form_.Panel_aet_noclickMouseDown(TSwitchButton::Right); });
      return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      Run([this] { form_.Panel_aet_noclickMouseDown(TSwitchButton::Other); });
      return 0;
    default:
      break;
  }
  return CallPrevious(control, message, wParam, lParam);
}

void TForm_setup::Subclass(HWND control) {
  SetWindowLongPtrA(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  subclassed_.emplace_back(
      control, reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
                   control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TForm_setup::ControlProc))));
}

LRESULT TForm_setup::CallPrevious(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  for (const auto& [subclassed, previous] : subclassed_) {
    if (subclassed == control) return CallWindowProcA(previous, control, message, wParam, lParam);
  }
  return DefWindowProcA(control, message, wParam, lParam);
}

LRESULT CALLBACK TForm_setup::ControlProc(HWND control, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  auto* self = reinterpret_cast<TForm_setup*>(GetWindowLongPtrA(control, GWLP_USERDATA));
  return self->ControlMessage(control, message, wParam, lParam);
}

LRESULT TForm_setup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (LRESULT result = 0; HintAndLinkMessage(message, wParam, lParam, result)) return result;
  if (message != 0 && message == taskBarCreated_) {
    Run([this] { form_.TaskBarCreated(); });
    return TForm::HandleMessage(message, wParam, lParam);
  }
  switch (message) {
    case WM_COMMAND:
      Command(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_NOTIFY:
      return Notify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_HSCROLL:
      for (auto& [bar, model] : trackModels_) {
        if (bar == reinterpret_cast<HWND>(lParam)) {
          const auto position = static_cast<int>(SendMessageA(bar, TBM_GETPOS, 0, 0));
          Run([model = model, position] { model->SetPosition(position); });
        }
      }
      return 0;
    case WM_ACTIVATE:
      // The control that had the keyboard gets it back when the window is active again.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(Handle(), focus)) focus_ = focus;
      }
      break;
    case WM_SETFOCUS:
      SetFocus(focus_ != nullptr && IsWindowVisible(focus_) ? focus_ : tree_);
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
      if (item->hwndItem != nullptr && item->hwndItem == extList_) {
        DrawExtRow(*item);
        return TRUE;
      }
      if (item->hwndItem != nullptr && item->hwndItem == iconPanel_) {
        DrawIconPanel(*item);
        return TRUE;
      }
      if (item->CtlType == ODT_LISTBOX && DrawEntryRow(*item)) return TRUE;
      if (item->CtlType == ODT_MENU && trayMenu_.IsTitle(item->itemID)) {
        DrawTrayTitle(*item);
        return TRUE;
      }
      break;
    }
    case WM_CTLCOLORSTATIC:
      return ColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLORLISTBOX:
      if (reinterpret_cast<HWND>(lParam) == sampleList_) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, sampleText_);
        SetBkColor(dc, ToColorRef(form_.ListBox_fontandcolor.Color()));
        return reinterpret_cast<LRESULT>(sampleBrush_.Get());
      }
      break;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == panel_ ||
          reinterpret_cast<HWND>(wParam) == iconPanel_) {
        SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)));  // IDC_HAND
        return TRUE;
      }
      break;
    default:
      break;
  }
  return TForm::HandleMessage(message, wParam, lParam);
}

}  // namespace nuvopick::win
