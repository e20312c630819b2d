#include "setup/win/form_setup.h"

#include <commctrl.h>

#include <array>
#include <tuple>
#include <utility>

#include "controls/win/file_drop.h"
#include "iconpick/win/form_icondlg.h"
#include "platform/win/application.h"
#include "platform/win/load_icon_from.h"
#include "setup/setup_layout.h"

namespace nuvopick::win {
namespace {

constexpr int kClientWidth = 588;
constexpr int kClientHeight = 391;
constexpr int kStripHeight = 40;
constexpr int kTreeWidth = 129;
constexpr int kMargin = 8;
constexpr int kPageLeft = kMargin + kTreeWidth + kMargin;
constexpr int kPageTop = kMargin;
constexpr int kPageWidth = kClientWidth - kPageLeft - kMargin;
constexpr int kContentTop = kPageTop + 30;
constexpr int kRowHeight = 18;
constexpr int kAlwaysShown = -1;

// The window's private messages.
constexpr UINT kWmTrayNotify = TWinTrayIcon::kCallbackMessage;
constexpr UINT kWmIconDialogClosed = 0x806A;
constexpr UINT kWmEntryModified = 0x806B;

// The tray menu's items.
constexpr UINT kTrayTitleId = 101;
constexpr UINT kTraySetupId = 102;
constexpr UINT kTrayExitId = 103;
constexpr UINT kTrayCancelId = 104;

constexpr COLORREF kPanelColor = RGB(0x33, 0x33, 0x33);
// The extension list's rows and the icon in its panel.
constexpr int kExtRowHeight = 12;
constexpr int kIconSize = 32;
constexpr int kIconOffset = (kIconPanelSize - kIconSize) / 2;

constexpr char kNoClickPrefix[] = "一定時間クリックされない場合、";
constexpr char kNoClickGap[] = "　　　　　　　　";

// A colour of the settings: the high bit names a system colour by its index.
COLORREF ToColorRef(std::int32_t color) {
  const auto value = static_cast<std::uint32_t>(color);
  if (value & 0x80000000u) return GetSysColor(static_cast<int>(value & 0xFF));
  return static_cast<COLORREF>(value & 0xFFFFFF);
}

TFont CreateWindowFont(bool bold) {
  return TFont(CreateFontA(-12, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                           SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "ＭＳ Ｐゴシック"));
}

TFont CreateFixedFont() {
  return TFont(CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           FIXED_PITCH | FF_MODERN, "ＭＳ ゴシック"));
}

// A mouse position in a window's client area.
POINT PointOf(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

std::string WindowTextOf(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

TForm_setup::TForm_setup(std::string exePath)
    : form_({files_, classStore_, messages_, instance_, tray_, notice_}, *this,
            std::move(exePath)) {}

TForm_setup::~TForm_setup() {
  if (Handle() != nullptr) {
    // The end of setup mode, while the window and its tray icon still exist.
    Run([this] { form_.FormDestroy(); });
    if (panel_ != nullptr) {
      SetWindowLongPtrA(panel_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(panelProc_));
    }
    if (extList_ != nullptr) {
      SetWindowLongPtrA(extList_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(extListProc_));
    }
    if (iconPanel_ != nullptr) {
      SetWindowLongPtrA(iconPanel_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(iconPanelProc_));
    }
  }
  if (trayMenu_ != nullptr) DestroyMenu(trayMenu_);
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
  tray_.SetWindow(Handle(), LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1)));
  font_ = CreateWindowFont(false);
  boldFont_ = CreateWindowFont(true);
  extFont_ = CreateFixedFont();
  panelBrush_.Reset(CreateSolidBrush(kPanelColor));

  BuildFrame();
  BuildTree();
  BuildPages();
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

// ---- building -------------------------------------------------------------

HWND TForm_setup::AddChild(const char* className, const std::string& text, DWORD style, int page,
                           int x, int y, int width, int height, int id, HFONT font) {
  HWND child = CreateWindowExA(
      0, className, text.c_str(), WS_CHILD | style | (page == kAlwaysShown ? WS_VISIBLE : 0), x, y,
      width, height, Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      GetModuleHandleA(nullptr), nullptr);
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font ? font : font_.Get()), FALSE);
  children_.push_back({child, page});
  return child;
}

HWND TForm_setup::AddLabel(const std::string& text, int page, int x, int y, int width, int height) {
  return AddChild("STATIC", text, SS_LEFT | SS_NOPREFIX, page, x, y, width, height);
}

HWND TForm_setup::AddButton(nuvopick::TButton& model, int page, int x, int y, int width,
                            int height) {
  const int id = nextId_++;
  HWND button = AddChild("BUTTON", model.Caption(), BS_PUSHBUTTON | WS_TABSTOP, page, x, y, width,
                         height, id);
  model.OnMirror = [button, &model] {
    SetWindowTextA(button, model.Caption().c_str());
    EnableWindow(button, model.Enabled());
  };
  commands_.emplace_back(id, [this, &model](int code, HWND) {
    if (code == BN_CLICKED && model.Enabled()) Run([&model] { model.Click(); });
  });
  return button;
}

// The lines a check box needs for Caption in Width: the box and its gap take
// room before the text.
int TForm_setup::CheckBoxLines(const std::string& caption, int width) {
  return MeasureText(font_.Get(), caption).cx + 24 > width ? 2 : 1;
}

HWND TForm_setup::AddCheckBox(nuvopick::TCheckBox& model, const std::string& caption, int page,
                              int x, int y, int width) {
  const int id = nextId_++;
  // A caption too long for one line takes two.
  const bool twoLines = CheckBoxLines(caption, width) > 1;
  HWND box = AddChild("BUTTON", caption,
                      BS_CHECKBOX | WS_TABSTOP | WS_CLIPSIBLINGS | (twoLines ? BS_MULTILINE : 0),
                      page, x, y, width, twoLines ? 2 * kRowHeight + 2 : kRowHeight, id);
  model.OnMirror = [box, &model] {
    SendMessageA(box, BM_SETCHECK, model.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    EnableWindow(box, model.Enabled());
  };
  commands_.emplace_back(id, [this, &model](int code, HWND) {
    if (code == BN_CLICKED) Run([&model] { model.Click(); });
  });
  return box;
}

HWND TForm_setup::AddRadioButton(nuvopick::TRadioButton& model, const std::string& caption,
                                 int page, int x, int y, int width) {
  const int id = nextId_++;
  HWND button =
      AddChild("BUTTON", caption, BS_RADIOBUTTON | WS_TABSTOP, page, x, y, width, kRowHeight, id);
  model.OnMirror = [button, &model] {
    SendMessageA(button, BM_SETCHECK, model.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    EnableWindow(button, model.Enabled());
  };
  commands_.emplace_back(id, [this, &model](int code, HWND) {
    if (code == BN_CLICKED) Run([&model] { model.Click(); });
  });
  return button;
}

void TForm_setup::AddRadioGroup(nuvopick::TRadioGroup& model, const std::string& caption, int page,
                                int x, int y, int width) {
  const int count = static_cast<int>(model.Items().size());
  AddChild("BUTTON", caption, BS_GROUPBOX, page, x, y, width, 22 + count * kRowHeight + 6);
  std::vector<HWND> buttons;
  for (int i = 0; i < count; ++i) {
    const int id = nextId_++;
    buttons.push_back(AddChild("BUTTON", model.Items()[static_cast<std::size_t>(i)],
                               BS_RADIOBUTTON | WS_TABSTOP, page, x + 8, y + 20 + i * kRowHeight,
                               width - 12, kRowHeight, id));
    commands_.emplace_back(id, [this, &model, i](int code, HWND) {
      if (code == BN_CLICKED) Run([&model, i] { model.SetItemIndex(i); });
    });
  }
  model.OnMirror = [buttons, &model] {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      const bool checked = static_cast<int>(i) == model.ItemIndex();
      SendMessageA(buttons[i], BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
      EnableWindow(buttons[i], model.Enabled());
    }
  };
}

HWND TForm_setup::AddEdit(nuvopick::TEdit& model, int page, int x, int y, int width) {
  const int id = nextId_++;
  HWND edit =
      AddChild("EDIT", model.Text(), ES_AUTOHSCROLL | WS_TABSTOP, page, x, y, width, 21, id);
  SetWindowLongPtrA(edit, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
  SetWindowPos(edit, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE);
  model.OnMirror = [this, edit, &model] {
    // Only a different text goes in: putting back what was typed would move the caret.
    if (WindowTextOf(edit) != model.Text()) {
      const bool was = std::exchange(mirroring_, true);
      SetWindowTextA(edit, model.Text().c_str());
      mirroring_ = was;
    }
    EnableWindow(edit, model.Enabled());
  };
  commands_.emplace_back(id, [this, &model](int code, HWND control) {
    if (code == EN_CHANGE && !mirroring_) {
      Run([&model, control] { model.SetText(WindowTextOf(control)); });
    }
  });
  AttachFileDrop(edit, model, [this](const std::function<void()>& call) { Run(call); });
  return edit;
}

// A slider row: its name, the slider, the position and the unit.
void TForm_setup::AddTrackRow(nuvopick::TTrackBar& model, nuvopick::TCaption& value,
                              const std::string& name, const std::string& unit, int page, int y,
                              int frequency) {
  const int left = kPageLeft + 22;
  AddLabel(name, page, left, y + 5, 60);
  HWND bar = AddChild(TRACKBAR_CLASSA, "", TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS | WS_TABSTOP, page,
                      left + 62, y, 250, 26, nextId_++);
  SendMessageA(bar, TBM_SETRANGEMIN, FALSE, model.Min());
  SendMessageA(bar, TBM_SETRANGEMAX, FALSE, model.Max());
  SendMessageA(bar, TBM_SETTICFREQ, static_cast<WPARAM>(frequency), 0);
  SendMessageA(bar, TBM_SETLINESIZE, 0, 5);
  SendMessageA(bar, TBM_SETPAGESIZE, 0, static_cast<LPARAM>(frequency));
  SendMessageA(bar, TBM_SETPOS, TRUE, model.Position());
  HWND label =
      AddChild("STATIC", value.Text(), SS_RIGHT | SS_NOPREFIX, page, left + 316, y + 5, 44, 14);
  AddLabel(unit, page, left + 364, y + 5, 50);
  model.OnMirror = [bar, &model] {
    if (SendMessageA(bar, TBM_GETPOS, 0, 0) != model.Position()) {
      SendMessageA(bar, TBM_SETPOS, TRUE, model.Position());
    }
    EnableWindow(bar, model.Enabled());
  };
  value.OnMirror = [label, &value] { SetWindowTextA(label, value.Text().c_str()); };
  trackModels_.emplace_back(bar, &model);
}

// Rows, when given, are the texts the list holds in place of the model's items.
HWND TForm_setup::AddList(nuvopick::TListBoxEx& model, int page, int x, int y, int width,
                          int height, DWORD style, std::function<std::vector<std::string>()> rows) {
  const int id = nextId_++;
  HWND list =
      AddChild("LISTBOX", "",
               LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP | style,
               page, x, y, width, height, id);
  auto shown = std::make_shared<std::vector<std::string>>();
  model.OnMirror = [list, &model, shown, rows = std::move(rows)] {
    // The rows are put in again only when they changed, so that a click keeps
    // the list where the user scrolled it.
    std::vector<std::string> texts = rows ? rows() : model.Items();
    if (*shown != texts) {
      SendMessageA(list, WM_SETREDRAW, FALSE, 0);
      SendMessageA(list, LB_RESETCONTENT, 0, 0);
      for (const std::string& item : texts) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
      }
      SendMessageA(list, WM_SETREDRAW, TRUE, 0);
      InvalidateRect(list, nullptr, TRUE);
      *shown = std::move(texts);
    }
    if (SendMessageA(list, LB_GETCURSEL, 0, 0) != model.ItemIndex()) {
      SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(model.ItemIndex()), 0);
    }
    EnableWindow(list, model.Enabled());
  };
  commands_.emplace_back(id, [this, &model](int code, HWND control) {
    if (code == LBN_SELCHANGE) {
      const auto index = static_cast<int>(SendMessageA(control, LB_GETCURSEL, 0, 0));
      Run([&model, index] { model.UserSelect(index); });
    }
  });
  AttachFileDrop(list, model, [this](const std::function<void()>& call) { Run(call); });
  lists_.push_back(list);
  return list;
}

// The page's title over a line, as the pages' tabs are hidden.
void TForm_setup::AddHeading(int page, const std::string& text) {
  AddChild("STATIC", text, SS_LEFT | SS_NOPREFIX, page, kPageLeft, kPageTop + 2, kPageWidth, 16, 0,
           boldFont_.Get());
  AddChild("STATIC", "", SS_ETCHEDHORZ, page, kPageLeft, kPageTop + 21, kPageWidth, 2);
}

void TForm_setup::BuildFrame() {
  const int stripTop = kClientHeight - kStripHeight;
  AddChild("STATIC", "", SS_ETCHEDHORZ, kAlwaysShown, 0, stripTop, kClientWidth, 2);
  const int buttonTop = stripTop + (kStripHeight - 25) / 2 + 1;
  constexpr int kButtonWidth = 80;
  AddButton(form_.Button_reload, kAlwaysShown, kMargin, buttonTop, kButtonWidth, 25);
  int x = kClientWidth - kMargin - kButtonWidth;
  AddButton(form_.Button_cancel, kAlwaysShown, x, buttonTop, kButtonWidth, 25);
  x -= kButtonWidth + 6;
  AddButton(form_.Button_ok, kAlwaysShown, x, buttonTop, kButtonWidth, 25);
  x -= kButtonWidth + 6;
  AddButton(form_.Button_apply, kAlwaysShown, x, buttonTop, kButtonWidth, 25);
}

void TForm_setup::BuildTree() {
  tree_ = AddChild(WC_TREEVIEWA, "", TVS_SHOWSELALWAYS | TVS_NOHSCROLL | WS_BORDER | WS_TABSTOP,
                   kAlwaysShown, kMargin, kMargin, kTreeWidth,
                   kClientHeight - kStripHeight - 2 * kMargin);
  // A narrow indent leaves the long captions of the second level room.
  SendMessageA(tree_, TVM_SETINDENT, 10, 0);
  const auto& nodes = form_.TV_select.Nodes();
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    TVINSERTSTRUCTA insert{};
    insert.hParent =
        nodes[i].Parent < 0
            ? TVI_ROOT
            : static_cast<HTREEITEM>(treeItems_[static_cast<std::size_t>(nodes[i].Parent)]);
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(nodes[i].Caption.c_str());
    insert.item.lParam = static_cast<LPARAM>(i);
    treeItems_.push_back(reinterpret_cast<void*>(
        SendMessageA(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert))));
  }
  for (void* item : treeItems_) {
    SendMessageA(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
  }
  form_.TV_select.OnMirror = [this] {
    const int selected = form_.TV_select.Selected();
    if (selected < 0) return;
    const bool was = std::exchange(mirroring_, true);
    SendMessageA(tree_, TVM_SELECTITEM, TVGN_CARET,
                 reinterpret_cast<LPARAM>(treeItems_[static_cast<std::size_t>(selected)]));
    mirroring_ = was;
  };
}

void TForm_setup::BuildPages() {
  const int contentWidth = kPageWidth;
  // Root: the about panel joins it later.
  AddHeading(0, "NuvoPick");
  AddLabel("左のツリーから設定項目を選択してください", 0, kPageLeft, kContentTop, contentWidth);

  AddHeading(1, "アプリ設定");
  AddLabel("「拡張子別」または「全拡張子共通」を選択してください", 1, kPageLeft, kContentTop,
           contentWidth);

  BuildExtensionPage();

  AddHeading(3, "共通アプリ設定");
  AddLabel("全拡張子共通のアプリケーション", 3, kPageLeft, kContentTop, 220);
  AddList(form_.All_ListBoxEx_app, 3, kPageLeft, kContentTop + 18, 200,
          kClientHeight - kStripHeight - kMargin - kContentTop - 18);

  AddHeading(4, "関連付け実行モード");
  AddLabel("「一般」または「外観・サウンド」を選択してください", 4, kPageLeft, kContentTop,
           contentWidth);

  BuildGeneralPage();
  BuildAppearancePage();
  BuildMenuPage();
  BuildSetupModePage();
}

// Left: the extension to add or copy to, the list of extensions and the buttons
// that edit it. Right: the selected extension's icon and its entries.
void TForm_setup::BuildExtensionPage() {
  constexpr int page = 2;
  TExtPage& ext = form_.ExtPage;
  AddHeading(page, "拡張子別設定");
  const int bottom = kClientHeight - kStripHeight - kMargin;
  constexpr int kButtonWidth = 56;
  constexpr int kButtonHeight = 23;
  constexpr int kListWidth = 2 * kButtonWidth + 4;
  int y = kContentTop + 2;

  HWND label = AddLabel(ext.Label_ext.Text(), page, kPageLeft, y + 4, 38);
  ext.Label_ext.OnMirror = [label, &ext] { SetWindowTextA(label, ext.Label_ext.Text().c_str()); };
  HWND edit = AddEdit(ext.Edit_ext, page, kPageLeft + 40, y, kListWidth - 40 - 16);
  SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(extFont_.Get()), FALSE);
  HWND after = AddLabel(ext.Label_extafter.Text(), page, kPageLeft + kListWidth - 13, y + 4, 14);
  ext.Label_extafter.OnMirror = [after, &ext] {
    SetWindowTextA(after, ext.Label_extafter.Text().c_str());
  };
  y += 27;
  AddButton(ext.Button_extnew, page, kPageLeft, y, kButtonWidth, kButtonHeight);
  AddButton(ext.Button_extcpy, page, kPageLeft + kButtonWidth + 4, y, kButtonWidth, kButtonHeight);
  y += kButtonHeight + 6;

  const int listHeight = bottom - y - kButtonHeight - 6;
  extList_ =
      AddList(ext.ListBoxEx_ext, page, kPageLeft, y, kListWidth, listHeight,
              LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, [this] {
                // The list holds each row as it is drawn, marks included; while a new
                // record is still on its way, its row is its bare name.
                const TExtPage& extPage = form_.ExtPage;
                std::vector<std::string> rows;
                for (int i = 0; i < extPage.ListBoxEx_ext.Count(); ++i) {
                  rows.push_back(i < form_.ExtList().Count() ? extPage.ListBoxEx_extDrawItem(i).Text
                                                             : extPage.ListBoxEx_ext.Item(i));
                }
                return rows;
              });
  SendMessageA(extList_, WM_SETFONT, reinterpret_cast<WPARAM>(extFont_.Get()), FALSE);
  SendMessageA(extList_, LB_SETITEMHEIGHT, 0, kExtRowHeight);
  syncExtRows_ = ext.ListBoxEx_ext.OnMirror;
  SetWindowLongPtrA(extList_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  extListProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      extList_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TForm_setup::ControlProc)));
  AddButton(ext.ExtUpButton, page, kPageLeft + kListWidth + 4, y, 22, 22);
  AddButton(ext.ExtDownButton, page, kPageLeft + kListWidth + 4, y + 24, 22, 22);
  y += listHeight + 6;
  AddButton(ext.Button_extdel, page, kPageLeft, y, kButtonWidth, kButtonHeight);
  // The extra menu's commands come with the bulk registration.
  EnableWindow(AddChild("BUTTON", ext.Button_extExtra.Caption(), BS_PUSHBUTTON, page,
                        kPageLeft + kButtonWidth + 4, y, kButtonWidth, kButtonHeight),
               FALSE);

  const int right = kPageLeft + kListWidth + 4 + 22 + 14;
  const int rightWidth = kPageLeft + kPageWidth - right;
  y = kContentTop + 2;
  iconPanel_ = AddChild("STATIC", "", SS_OWNERDRAW | SS_NOTIFY, page, right, y, kIconPanelSize,
                        kIconPanelSize);
  SetWindowLongPtrA(iconPanel_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  iconPanelProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      iconPanel_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TForm_setup::ControlProc)));
  AddLabel("アイコン", page, right + kIconPanelSize + 10, y + 8, rightWidth - kIconPanelSize - 10);
  AddLabel("クリックすると変更できます", page, right + kIconPanelSize + 10, y + 26,
           rightWidth - kIconPanelSize - 10);
  y += kIconPanelSize + 10;
  AddLabel("登録されているアプリケーション", page, right, y, rightWidth);
  y += 18;
  AddList(ext.ListBoxEx_app, page, right, y, rightWidth, bottom - y);

  ext.OnOpenIconPicker = [this](const TIconPickerRequest& request) {
    if (iconPicker_ != nullptr) {
      iconPicker_->ShowIconPicker(request.ExtIndex, request.IconFile, Handle(), request.IconIndex);
    }
  };
}

void TForm_setup::BuildGeneralPage() {
  constexpr int page = 5;
  AddHeading(page, "関連付け実行モード設定");
  int y = kContentTop;
  AddCheckBox(form_.CheckBox_iswait,
              "起動後、表示される前に一定距離動いたら一番上の拡張子別項目を実行する", page,
              kPageLeft, y, kPageWidth);
  y += kRowHeight + 2;
  AddTrackRow(form_.TrackBar_movlen, form_.Label_movlen, "距離", "ドット", page, y, 10);
  y += 26;
  AddTrackRow(form_.TrackBar_waittime, form_.Label_waittime, "待ち時間", "ミリ秒", page, y, 100);
  y += 28;

  // One line whatever the font: the switch has to lie over the gap.
  HWND noClick = AddCheckBox(form_.CheckBox_isnoclickexe, "", page, kPageLeft, y,
                             kClientWidth - kPageLeft - 2);
  SetWindowTextA(noClick,
                 (std::string(kNoClickPrefix) + kNoClickGap + "の拡張子別項目を実行する").c_str());
  // The switch lies over the blanks of the caption, so that it reads as one sentence.
  const int glyph = GetSystemMetrics(SM_CXMENUCHECK) + 4;
  const int gapLeft = kPageLeft + glyph + MeasureText(font_.Get(), kNoClickPrefix).cx;
  const int gapWidth = MeasureText(font_.Get(), kNoClickGap).cx;
  panel_ = AddChild("STATIC", form_.Panel_aet_noclick.Text(),
                    SS_CENTER | SS_CENTERIMAGE | SS_NOTIFY | SS_NOPREFIX, page, gapLeft + 2, y + 1,
                    gapWidth - 4, kRowHeight - 2);
  SetWindowPos(panel_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowLongPtrA(panel_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  panelProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      panel_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TForm_setup::ControlProc)));
  y += kRowHeight + 2;
  AddTrackRow(form_.TrackBar_noclickwait, form_.Label_noclickwait, "待ち時間", "ミリ秒", page, y,
              500);
  y += 28;

  AddCheckBox(form_.CheckBox_IsExeBySingleClick, "シングルクリックで実行する", page, kPageLeft, y,
              kPageWidth);
  y += kRowHeight + 2;
  const std::string only1 =
      "登録されている実行ファイルが１つだけの時、選択ウィンドウを開かずに実行する";
  AddCheckBox(form_.CheckBox_isonly1exe, only1, page, kPageLeft, y, kPageWidth);
  y += CheckBoxLines(only1, kPageWidth) * (kRowHeight + 2);
  AddCheckBox(form_.CheckBox_isshowhintrel, "開くファイルのパスをヒントとして表示する", page,
              kPageLeft, y, kPageWidth);
  y += kRowHeight + 6;

  constexpr int kDeactWidth = 258;
  AddRadioGroup(form_.RadioGroup_deact, "フォーカスが外れた時の動作", page, kPageLeft, y,
                kDeactWidth);
  AddRadioGroup(form_.RadioGroup_caip, "全拡張子共通項目の挿入位置", page,
                kPageLeft + kDeactWidth + 6, y, kPageWidth - kDeactWidth - 6);
}

void TForm_setup::BuildAppearancePage() {
  constexpr int page = 6;
  AddHeading(page, "関連付け実行モード設定2");
  int y = kContentTop;
  AddCheckBox(form_.CheckBox_isuseskin, "スキンを使用する", page, kPageLeft, y, 200);
  y += kRowHeight + 4;

  // Left: the skin file; right: what is drawn without a skin.
  const int boxHeight = 128;
  const int leftWidth = 212;
  AddChild("BUTTON", "スキン使用", BS_GROUPBOX, page, kPageLeft, y, leftWidth, boxHeight);
  AddLabel("スキンのパス", page, kPageLeft + 10, y + 22, 150);
  AddEdit(form_.Edit_skinpath, page, kPageLeft + 10, y + 40, leftWidth - 50);
  // The browse, test and edit buttons get their handlers with the dialogs.
  for (auto [text, x, yy, w] : {std::tuple{"...", kPageLeft + leftWidth - 36, y + 40, 26},
                                std::tuple{"Test", kPageLeft + 10, y + 72, 60},
                                std::tuple{"Edit", kPageLeft + 76, y + 72, 60}}) {
    EnableWindow(AddChild("BUTTON", text, BS_PUSHBUTTON, page, x, yy, w, 23), FALSE);
  }

  const int rightLeft = kPageLeft + leftWidth + 8;
  const int rightWidth = kPageWidth - leftWidth - 8;
  AddChild("BUTTON", "スキン未使用", BS_GROUPBOX, page, rightLeft, y, rightWidth, boxHeight);
  int bx = rightLeft + 10;
  for (const char* text : {"フォント", "色", "背景色"}) {
    EnableWindow(AddChild("BUTTON", text, BS_PUSHBUTTON, page, bx, y + 20, 64, 23), FALSE);
    bx += 68;
  }
  sampleList_ = AddChild("LISTBOX", "", LBS_NOINTEGRALHEIGHT | LBS_NOSEL | WS_BORDER, page,
                         rightLeft + 10, y + 50, rightWidth - 20, boxHeight - 60);
  for (const std::string& line : form_.ListBox_fontandcolor.Lines()) {
    SendMessageA(sampleList_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  }
  y += boxHeight + 8;

  AddCheckBox(form_.CheckBox_isusesound, "サウンドを使用する", page, kPageLeft, y, 200);
  y += kRowHeight + 4;
  const int soundHeight = kClientHeight - kStripHeight - kMargin - y;
  AddChild("BUTTON", "サウンド", BS_GROUPBOX, page, kPageLeft, y, kPageWidth, soundHeight);
  AddRadioButton(form_.RadioButton_sound_user, "ユーザーサウンド", page, kPageLeft + 10, y + 20,
                 120);
  AddEdit(form_.Edit_soundpath, page, kPageLeft + 132, y + 18, kPageWidth - 132 - 90);
  EnableWindow(
      AddChild("BUTTON", "...", BS_PUSHBUTTON, page, kPageLeft + kPageWidth - 84, y + 18, 26, 22),
      FALSE);
  EnableWindow(
      AddChild("BUTTON", "試聴", BS_PUSHBUTTON, page, kPageLeft + kPageWidth - 54, y + 18, 46, 22),
      FALSE);
  AddRadioButton(form_.RadioButton_sound_mb, "システムの警告音", page, kPageLeft + 10, y + 44, 140);
  const std::pair<nuvopick::TRadioButton*, const char*> sounds[] = {
      {&form_.RadioButton_sound_mb_ok, "一般の警告"},
      {&form_.RadioButton_sound_mb_ih, "システムエラー"},
      {&form_.RadioButton_sound_mb_iq, "メッセージ（問合わせ）"},
      {&form_.RadioButton_sound_mb_ie, "メッセージ（警告）"},
      {&form_.RadioButton_sound_mb_ia, "メッセージ（情報）"},
      {&form_.RadioButton_sound_mb_beep, "ビープ"}};
  for (int i = 0; i < 6; ++i) {
    AddRadioButton(*sounds[i].first, sounds[i].second, page, kPageLeft + 30 + (i % 2) * 190,
                   y + 64 + (i / 2) * kRowHeight, 180);
  }
}

void TForm_setup::BuildMenuPage() {
  constexpr int page = 7;
  AddHeading(page, "ｺﾝﾃｷｽﾄﾒﾆｭｰ設定");
  AddCheckBox(form_.CheckBox_context_isdecorate, "メニューの文字の前に装飾を入れる", page,
              kPageLeft, kContentTop, kPageWidth);
  AddLabel("装飾文字", page, kPageLeft + 20, kContentTop + 31, 60);
  AddEdit(form_.Edit_context_decorate, page, kPageLeft + 80, kContentTop + 27, 60);
}

void TForm_setup::BuildSetupModePage() {
  constexpr int page = 8;
  AddHeading(page, "設定モード設定");
  int y = kContentTop;
  AddCheckBox(form_.CheckBox_isstate, "常駐する", page, kPageLeft, y, kPageWidth);
  y += kRowHeight + 6;
  AddCheckBox(form_.CheckBox_isrelonexe, "設定モード実行中にのみ、NuvoPickに関連付けする", page,
              kPageLeft, y, kPageWidth);
  y += kRowHeight + 2;
  AddLabel("( 終了すると関連付けはRegBackup.iniに記述されているものに戻ります )", page,
           kPageLeft + 18, y, kPageWidth - 18);
  y += kRowHeight + 8;
  AddCheckBox(form_.CheckBox_isshowhint, "ヒントを表示する", page, kPageLeft, y, kPageWidth);
}

void TForm_setup::BindWindowModels() {
  form_.Caption.OnMirror = [this] { SetWindowTextA(Handle(), form_.Caption.Text().c_str()); };
  form_.Window.OnMirror = [this] { EnableWindow(Handle(), form_.Window.Enabled()); };
  form_.PageControl_base.OnMirror = [this] { ShowPage(form_.PageControl_base.ActivePageIndex()); };
  form_.Panel_aet_noclick.OnMirror = [this] {
    SetWindowTextA(panel_, form_.Panel_aet_noclick.Text().c_str());
  };
  form_.ListBox_fontandcolor.OnMirror = [this] { MirrorSampleList(); };
  MirrorSampleList();
  ShowPage(form_.PageControl_base.ActivePageIndex());
}

void TForm_setup::MirrorSampleList() {
  const nuvopick::TFont& font = form_.ListBox_fontandcolor.Font();
  sampleFont_ = CreatePointFont(font.Name, font.Size, font.Bold, font.Italic, font.UnderLine,
                                font.StrikeOut, font.CharSet);
  sampleBrush_.Reset(CreateSolidBrush(ToColorRef(form_.ListBox_fontandcolor.Color())));
  sampleText_ = ToColorRef(font.Color);
  SendMessageA(sampleList_, WM_SETFONT, reinterpret_cast<WPARAM>(sampleFont_.Get()), TRUE);
  InvalidateRect(sampleList_, nullptr, TRUE);
}

void TForm_setup::ShowPage(int page) {
  for (const TChild& child : children_) {
    if (child.Page == kAlwaysShown) continue;
    ShowWindow(child.Handle, child.Page == page ? SW_SHOWNA : SW_HIDE);
  }
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
  if (trayMenu_ == nullptr) {
    trayMenu_ = CreatePopupMenu();
    AppendMenuA(trayMenu_, MF_OWNERDRAW, kTrayTitleId, nullptr);
    AppendMenuA(trayMenu_, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(trayMenu_, MF_STRING, kTraySetupId, "設定");
    AppendMenuA(trayMenu_, MF_STRING, kTrayExitId, "終了");
    AppendMenuA(trayMenu_, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(trayMenu_, MF_STRING, kTrayCancelId, "キャンセル");
  }
  POINT at{};
  GetCursorPos(&at);
  TrackPopupMenu(trayMenu_, TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
  // Lets the menu close when the user clicks elsewhere next time.
  PostMessageA(Handle(), WM_NULL, 0, 0);
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
  const TExtRowLook look = form_.ExtPage.ListBoxEx_extDrawItem(index);
  TBrush back(CreateSolidBrush(static_cast<COLORREF>(look.BackColor)));
  FillRect(item.hDC, &item.rcItem, back.Get());
  TSelected font(item.hDC, extFont_.Get());
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, static_cast<COLORREF>(look.TextColor));
  TextOutA(item.hDC, item.rcItem.left + 2, item.rcItem.top, look.Text.c_str(),
           static_cast<int>(look.Text.size()));
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
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
  switch (id) {
    case kTraySetupId:
      Run([this] { form_.PMenu_ttray_setupClick(); });
      return;
    case kTrayExitId:
      Run([this] { form_.PMenu_ttray_exitClick(); });
      return;
    case kTrayTitleId:
    case kTrayCancelId:
      return;
    default:
      break;
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
  const LRESULT result = CallWindowProcA(extListProc_, control, message, wParam, lParam);
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
      return CallWindowProcA(iconPanelProc_, control, message, wParam, lParam);
  }
}

LRESULT TForm_setup::ControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (control == extList_) return ExtListMessage(control, message, wParam, lParam);
  if (control == iconPanel_) return IconPanelMessage(control, message, wParam, lParam);
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
  return CallWindowProcA(panelProc_, control, message, wParam, lParam);
}

LRESULT CALLBACK TForm_setup::ControlProc(HWND control, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  auto* self = reinterpret_cast<TForm_setup*>(GetWindowLongPtrA(control, GWLP_USERDATA));
  return self->ControlMessage(control, message, wParam, lParam);
}

LRESULT TForm_setup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
      if (item->CtlType == ODT_MENU && item->itemID == kTrayTitleId) {
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
      if (item->CtlType == ODT_MENU && item->itemID == kTrayTitleId) {
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
