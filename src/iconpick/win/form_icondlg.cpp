#include "iconpick/win/form_icondlg.h"

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <utility>

#include "controls/system_paths.h"
#include "platform/win/application.h"
#include "platform/win/lazy_library.h"
#include "platform/win/module_path.h"
#include "platform/win/win_setup_services.h"
#include "platform/win/window_dpi.h"
#include "platform/win/window_text.h"
#include "resource_ids.h"
#include "text/ansi_text.h"
#include "text/win/wide_chars.h"

namespace nuvopick::win {

namespace {

constexpr DWORD kPickerStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
// The window's outer size on a 96-DPI screen.
constexpr SIZE kWindowSize96{323, 373};

// The system's font for dialogs at Dpi: none of our own at the system's DPI,
// where the system's own is right.
TFont GuiFontAt(const TDpiScale& dpi) {
  const TDpiScale system = SystemDpi();
  if (dpi == system) return {};
  LOGFONTA face{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
  face.lfHeight = MulDiv(face.lfHeight, dpi.Dpi(), system.Dpi());
  return TFont(CreateFontIndirectA(&face));
}

}  // namespace

// The owner-drawn grid: six columns, the rows the picker asks for, scrolled by
// whole rows; a click selects a cell, a double click accepts.
class TForm_icondlg::TIconGrid : public TWindow {
 public:
  explicit TIconGrid(TForm_icondlg& form) : form_(form) {}

  bool Create(HWND parent, const TRect& bounds) {
    if (!CreateHandle({"TIconGrid", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP,
                       WS_EX_CLIENTEDGE, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(),
                       parent})) {
      return false;
    }
    SetWindowLongPtrA(Handle(), GWLP_ID, IDC_ICON_GRID);
    SetClassLongPtrA(Handle(), GCL_STYLE, CS_DBLCLKS);
    return true;
  }

  void Refresh() {
    const TIconPicker& picker = form_.picker_;
    const int visible = VisibleRows();
    // Keep the current cell in view.
    const int row = picker.CurrentCell().Row;
    if (row < top_) top_ = row;
    if (row >= top_ + visible) top_ = row - visible + 1;
    top_ = std::clamp(top_, 0, std::max(0, picker.RowCount() - visible));
    SCROLLINFO info{sizeof info,
                    SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL,
                    0,
                    picker.RowCount() - 1,
                    static_cast<UINT>(visible),
                    top_,
                    0};
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
    InvalidateRect(Handle(), nullptr, TRUE);
  }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    TIconPicker& picker = form_.picker_;
    switch (message) {
      case WM_PAINT:
        Paint();
        return 0;
      case WM_LBUTTONDOWN: {
        SetFocus(Handle());
        const TPoint at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const TIconCell cell = Metrics().CellAt(at, top_);
        if (cell.Row >= 0 && cell.Column >= 0 && cell.Column < kIconColumns &&
            cell.Row < picker.RowCount()) {
          picker.DrawGrid_iconSelectCell(cell);
        }
        return 0;
      }
      case WM_LBUTTONDBLCLK:
        picker.DrawGrid_iconDblClick();
        return 0;
      case WM_VSCROLL:
        Scroll(LOWORD(wParam));
        return 0;
      case WM_MOUSEWHEEL:
        Scroll(static_cast<short>(HIWORD(wParam)) > 0 ? SB_LINEUP : SB_LINEDOWN);
        return 0;
      case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
      case WM_KEYDOWN: {
        TIconCell cell = picker.CurrentCell();
        if (wParam == VK_LEFT) cell.Column = std::max(0, cell.Column - 1);
        if (wParam == VK_RIGHT) cell.Column = std::min(kIconColumns - 1, cell.Column + 1);
        if (wParam == VK_UP) cell.Row = std::max(0, cell.Row - 1);
        if (wParam == VK_DOWN) cell.Row = std::min(picker.RowCount() - 1, cell.Row + 1);
        if (!(cell == picker.CurrentCell())) picker.DrawGrid_iconSelectCell(cell);
        return 0;
      }
      case WM_SETFOCUS:
      case WM_KILLFOCUS:
        InvalidateRect(Handle(), nullptr, FALSE);
        break;
      default:
        break;
    }
    return DefaultHandler(message, wParam, lParam);
  }

 private:
  TIconGridMetrics Metrics() const { return IconGridMetrics(form_.dpi_); }

  int VisibleRows() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    return std::max(1, static_cast<int>(client.bottom) / Metrics().Pitch);
  }

  void Scroll(int code) {
    const int before = top_;
    if (code == SB_LINEUP) --top_;
    if (code == SB_LINEDOWN) ++top_;
    if (code == SB_PAGEUP) top_ -= VisibleRows();
    if (code == SB_PAGEDOWN) top_ += VisibleRows();
    if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) {
      SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(Handle(), SB_VERT, &info);
      top_ = info.nTrackPos;
    }
    top_ = std::clamp(top_, 0, std::max(0, form_.picker_.RowCount() - VisibleRows()));
    if (top_ == before) return;
    SetScrollPos(Handle(), SB_VERT, top_, TRUE);
    InvalidateRect(Handle(), nullptr, TRUE);
  }

  void Paint() {
    const TIconPicker& picker = form_.picker_;
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(Handle(), &ps);
    RECT client{};
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    HBRUSH line = GetSysColorBrush(COLOR_BTNFACE);
    const TIconGridMetrics metrics = Metrics();
    const int cellSize = metrics.Cell;
    const int pitch = metrics.Pitch;
    // The icons are as large as 32 x 32 is at 96 DPI, in the cell's corner.
    const int iconSize = form_.dpi_.Px(32);
    for (int row = top_; row < picker.RowCount(); ++row) {
      const int y = (row - top_) * pitch;
      if (y > client.bottom) break;
      for (int column = 0; column < kIconColumns; ++column) {
        const int x = column * pitch;
        const TIconCell cell{row, column};
        RECT box{x, y, x + cellSize, y + cellSize};
        if (cell == picker.CurrentCell()) {
          FillRect(dc, &box, GetSysColorBrush(COLOR_HIGHLIGHT));
          if (GetFocus() == Handle()) DrawFocusRect(dc, &box);
        }
        const int index = IconIndexOfCell(cell);
        if (index < static_cast<int>(form_.iconList_.size())) {
          DrawIconEx(dc, x, y, form_.iconList_[static_cast<std::size_t>(index)].Get(), iconSize,
                     iconSize, 0, nullptr, DI_NORMAL);
        }
        RECT right{x + cellSize, y, x + pitch, y + pitch};
        RECT below{x, y + cellSize, x + pitch, y + pitch};
        FillRect(dc, &right, line);
        FillRect(dc, &below, line);
      }
    }
    EndPaint(Handle(), &ps);
  }

  TForm_icondlg& form_;
  int top_ = 0;
};

TForm_icondlg::TForm_icondlg(std::string ownExePath)
    : picker_(*this, files_, ownExePath.empty() ? RunningExePath() : std::move(ownExePath)) {}

TForm_icondlg::~TForm_icondlg() = default;

// The window appears on the main screen, at the system's DPI; once there it
// takes the DPI of its screen.
bool TForm_icondlg::Create() {
  const SIZE size = WindowSizeAt(SystemDpi());
  if (!TForm::Create({"TForm_icondlg", kIconPickerCaption, kPickerStyle, 0, CW_USEDEFAULT,
                      CW_USEDEFAULT, size.cx, size.cy, nullptr})) {
    return false;
  }
  // Tab and Shift+Tab between the controls, Enter for OK, Escape for Cancel.
  Application().UseDialogKeys(Handle());
  return true;
}

HWND TForm_icondlg::Grid() const {
  return grid_ ? grid_->Handle() : nullptr;
}

// The client area of the 96-DPI window, scaled.
TSize TForm_icondlg::ScaledClientSize(const TDpiScale& dpi) const {
  const SIZE frame96 = WindowSizeForClient({0, 0}, kPickerStyle, 0, TDpiScale());
  return dpi.Px(TSize{kWindowSize96.cx - frame96.cx, kWindowSize96.cy - frame96.cy});
}

SIZE TForm_icondlg::WindowSizeAt(const TDpiScale& dpi) const {
  const TSize client = ScaledClientSize(dpi);
  return WindowSizeForClient({client.Width, client.Height}, kPickerStyle, 0, dpi);
}

TIconPickerLayout TForm_icondlg::Layout() const {
  RECT client{};
  GetClientRect(Handle(), &client);
  return IconPickerLayout({client.right, client.bottom}, SystemMetricAt(SM_CXVSCROLL, dpi_), dpi_);
}

HFONT TForm_icondlg::Font() const {
  return font_ ? font_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

TPlacement TForm_icondlg::At(int id, const TRect& bounds) const {
  return {Handle(), bounds.Left, bounds.Top, bounds.Width(), bounds.Height(), id, Font()};
}

void TForm_icondlg::Add(std::unique_ptr<TModelView> view) {
  ShowWindow(view->Handle(), SW_SHOWNA);
  views_.push_back(std::move(view));
}

void TForm_icondlg::FormCreate() {
  dpi_ = DpiOfWindow(Handle());
  font_ = GuiFontAt(dpi_);
  const TSize client = ScaledClientSize(dpi_);
  SetClientSize(client.Width, client.Height);
  const TIconPickerLayout layout = Layout();
  Add(std::make_unique<TEditView>(picker_.Edit_icon, At(IDC_ICON_PATH, layout.Path), nullptr));
  Add(std::make_unique<TButtonView>(picker_.Button_fdlg, At(IDC_ICON_BROWSE, layout.Browse),
                                    nullptr));
  grid_ = std::make_unique<TIconGrid>(*this);
  grid_->Create(Handle(), layout.Grid);
  Add(std::make_unique<TStaticView>("STATIC", "選択中のインデックス", 0,
                                    At(IDC_ICON_INDEX_CAPTION, layout.IndexCaption)));
  Add(std::make_unique<TCaptionView>(picker_.Label_iconidx, 0, At(IDC_ICON_INDEX, layout.Index)));
  Add(std::make_unique<TButtonView>(picker_.Button_OK, At(IDOK, layout.Ok), nullptr,
                                    BS_DEFPUSHBUTTON));
  Add(std::make_unique<TButtonView>(picker_.Button_cancel, At(IDCANCEL, layout.Cancel), nullptr));
  grid_->Refresh();
}

// The window takes its size at Dpi where the system puts it, then its
// controls their places and the font of that DPI.
void TForm_icondlg::ChangeDpi(const TDpiScale& dpi, const RECT& suggested) {
  dpi_ = dpi;
  TFont font = GuiFontAt(dpi_);
  const UINT keep = SWP_NOZORDER | SWP_NOACTIVATE;
  // The size the system asked for before (WM_GETDPISCALEDSIZE).
  const TSize client = ScaledClientSize(dpi_);
  TakeDpiPlace(suggested, client.Width, client.Height);
  const TIconPickerLayout layout = Layout();
  const struct {
    int id;
    const TRect& bounds;
  } places[] = {{IDC_ICON_PATH, layout.Path},   {IDC_ICON_BROWSE, layout.Browse},
                {IDC_ICON_GRID, layout.Grid},   {IDC_ICON_INDEX_CAPTION, layout.IndexCaption},
                {IDC_ICON_INDEX, layout.Index}, {IDOK, layout.Ok},
                {IDCANCEL, layout.Cancel}};
  for (const auto& place : places) {
    SetWindowPos(GetDlgItem(Handle(), place.id), nullptr, place.bounds.Left, place.bounds.Top,
                 place.bounds.Width(), place.bounds.Height(), keep);
  }
  // The old font goes once no control uses it.
  std::swap(font_, font);
  for (const auto& place : places) {
    if (place.id == IDC_ICON_GRID) continue;
    SendMessageA(GetDlgItem(Handle(), place.id), WM_SETFONT, reinterpret_cast<WPARAM>(Font()),
                 TRUE);
  }
  grid_->Refresh();
}

void TForm_icondlg::ShowIconPicker(int extIndex, const std::string& iconFile, HWND notify,
                                   int iconIndex) {
  picker_.ShowIconPicker(extIndex, iconFile, reinterpret_cast<std::uintptr_t>(notify), iconIndex);
}

LRESULT TForm_icondlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      picker_.FormClose();
      return 0;
    case WM_GETDPISCALEDSIZE:
      *reinterpret_cast<SIZE*>(lParam) = WindowSizeAt(TDpiScale(static_cast<int>(wParam)));
      return TRUE;
    case WM_DPICHANGED:
      ChangeDpi(TDpiScale(HIWORD(wParam)), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case DM_GETDEFID:
      // Enter presses the button that has the keyboard, OK anywhere else.
      return MAKELRESULT(EnterButton(), DC_HASDEFID);
    case WM_ACTIVATE:
      // The control that had the keyboard when the window was left gets it back.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (IsChild(Handle(), focus)) focus_ = focus;
      } else {
        SetFocus(focus_ != nullptr ? focus_ : Grid());
      }
      return 0;
    default:
      return TForm::HandleMessage(message, wParam, lParam);
  }
}

int TForm_icondlg::EnterButton() const {
  HWND focus = GetFocus();
  const bool onButton = IsChild(Handle(), focus) &&
                        (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON) != 0;
  return onButton ? GetDlgCtrlID(focus) : IDOK;
}

int TForm_icondlg::LoadIcons(const std::string& file) {
  iconList_.clear();
  auto* extract = LazyFunction<decltype(ExtractIconA)>("shell32.dll", "ExtractIconA");
  if (extract == nullptr) return 0;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  const auto count =
      static_cast<UINT>(reinterpret_cast<UINT_PTR>(extract(instance, file.c_str(), ~0u)));
  for (UINT i = 0; i < count; ++i) iconList_.emplace_back(extract(instance, file.c_str(), i));
  return static_cast<int>(iconList_.size());
}

void TForm_icondlg::ClearIcons() {
  iconList_.clear();
}

void TForm_icondlg::RepaintGrid() {
  if (grid_) grid_->Refresh();
}

std::optional<std::string> TForm_icondlg::ChooseIconFile(const std::string& folder) {
  // Wide, so that a name outside the code page is refused, not answered altered.
  auto* open = LazyFunction<decltype(GetOpenFileNameW)>("comdlg32.dll", "GetOpenFileNameW");
  if (open == nullptr) return std::nullopt;
  std::u16string file(MAX_PATH, u'\0');
  const std::u16string initialDir = WidenAnsi(folder);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Handle();
  dialog.lpstrFile = WideChars(file);
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrInitialDir = WideChars(initialDir);
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  if (!open(&dialog)) return std::nullopt;
  file.resize(file.find(u'\0'));
  TWinMessageBox messages;
  messages.SetOwner(Handle());
  return StorablePath(file, messages);
}

void TForm_icondlg::ShowCentred() {
  RECT bounds{};
  GetWindowRect(Handle(), &bounds);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  focus_ = Grid();  // each opening starts in the grid
  ShowWindow(Handle(), SW_SHOWNORMAL);
  SetForegroundWindow(Handle());
  SetFocus(focus_);
}

void TForm_icondlg::SendClosed(std::uintptr_t window, const TIconDialogCloseRecord& record) {
  TIconDialogCloseRecord answer = record;
  SendMessageA(reinterpret_cast<HWND>(window), kWmIconDialogClosed,
               reinterpret_cast<WPARAM>(&answer), 0);
}

void TForm_icondlg::Hide() {
  ShowWindow(Handle(), SW_HIDE);
}

}  // namespace nuvopick::win
