#include "iconpick/win/form_icondlg.h"

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>

#include "platform/system_paths.h"
#include "platform/win/application.h"
#include "platform/win/lazy_library.h"
#include "platform/win/module_path.h"
#include "platform/win/win_setup_services.h"
#include "platform/win/window_text.h"
#include "resource_ids.h"
#include "text/ansi_text.h"
#include "text/win/wide_chars.h"

namespace nuvopick::win {

namespace {

// A cell and the grid line right and below it.
constexpr int kPitch = kIconCellSize + 1;

}  // namespace

// The owner-drawn grid: six columns, the rows the picker asks for, scrolled by
// whole rows; a click selects a cell, a double click accepts.
class TForm_icondlg::TIconGrid : public TWindow {
 public:
  explicit TIconGrid(TForm_icondlg& form) : form_(form) {}

  bool Create(HWND parent, RECT bounds) {
    if (!CreateHandle({"TIconGrid", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP,
                       WS_EX_CLIENTEDGE, bounds.left, bounds.top, bounds.right - bounds.left,
                       bounds.bottom - bounds.top, parent})) {
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
        const int x = static_cast<short>(LOWORD(lParam));
        const int y = static_cast<short>(HIWORD(lParam));
        const TIconCell cell{top_ + y / kPitch, x / kPitch};
        if (cell.Column < kIconColumns && cell.Row < picker.RowCount()) {
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
  int VisibleRows() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    return std::max(1, static_cast<int>(client.bottom) / kPitch);
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
    for (int row = top_; row < picker.RowCount(); ++row) {
      const int y = (row - top_) * kPitch;
      if (y > client.bottom) break;
      for (int column = 0; column < kIconColumns; ++column) {
        const int x = column * kPitch;
        const TIconCell cell{row, column};
        RECT box{x, y, x + kIconCellSize, y + kIconCellSize};
        if (cell == picker.CurrentCell()) {
          FillRect(dc, &box, GetSysColorBrush(COLOR_HIGHLIGHT));
          if (GetFocus() == Handle()) DrawFocusRect(dc, &box);
        }
        const int index = IconIndexOfCell(cell);
        if (index < static_cast<int>(form_.iconList_.size())) {
          DrawIconEx(dc, x, y, form_.iconList_[static_cast<std::size_t>(index)].Get(), 0, 0, 0,
                     nullptr, DI_NORMAL);
        }
        RECT right{x + kIconCellSize, y, x + kPitch, y + kPitch};
        RECT below{x, y + kIconCellSize, x + kPitch, y + kPitch};
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

bool TForm_icondlg::Create() {
  if (!TForm::Create({"TForm_icondlg", kIconPickerCaption, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                      0, CW_USEDEFAULT, CW_USEDEFAULT, 323, 373, nullptr})) {
    return false;
  }
  // Tab and Shift+Tab between the controls, Enter for OK, Escape for Cancel.
  Application().UseDialogKeys(Handle());
  return true;
}

HWND TForm_icondlg::Grid() const {
  return grid_ ? grid_->Handle() : nullptr;
}

TPlacement TForm_icondlg::At(int id, RECT bounds) const {
  return {Handle(),
          bounds.left,
          bounds.top,
          bounds.right - bounds.left,
          bounds.bottom - bounds.top,
          id,
          static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))};
}

void TForm_icondlg::Add(std::unique_ptr<TModelView> view) {
  ShowWindow(view->Handle(), SW_SHOWNA);
  views_.push_back(std::move(view));
}

void TForm_icondlg::FormCreate() {
  RECT client{};
  GetClientRect(Handle(), &client);
  const int right = client.right - 6;
  Add(std::make_unique<TEditView>(picker_.Edit_icon, At(IDC_ICON_PATH, {6, 6, right - 30, 28}),
                                  nullptr));
  Add(std::make_unique<TButtonView>(picker_.Button_fdlg,
                                    At(IDC_ICON_BROWSE, {right - 26, 6, right, 28}), nullptr));
  // Six cells with their lines, the scroll bar and the edge.
  const int gridWidth = kIconColumns * kPitch + GetSystemMetrics(SM_CXVSCROLL) + 4;
  grid_ = std::make_unique<TIconGrid>(*this);
  grid_->Create(Handle(), {6, 34, 6 + gridWidth, 34 + 5 * kPitch + 4});
  const int below = 34 + 5 * kPitch + 12;
  Add(std::make_unique<TStaticView>("STATIC", "選択中のインデックス", 0,
                                    At(IDC_ICON_INDEX_CAPTION, {6, below, 150, below + 16})));
  Add(std::make_unique<TCaptionView>(picker_.Label_iconidx, 0,
                                     At(IDC_ICON_INDEX, {154, below, 220, below + 16})));
  const int buttons = client.bottom - 31;
  Add(std::make_unique<TButtonView>(picker_.Button_OK,
                                    At(IDOK, {right - 158, buttons, right - 82, buttons + 25}),
                                    nullptr, BS_DEFPUSHBUTTON));
  Add(std::make_unique<TButtonView>(
      picker_.Button_cancel, At(IDCANCEL, {right - 76, buttons, right, buttons + 25}), nullptr));
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
