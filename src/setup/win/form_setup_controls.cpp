// Building the setup window's controls, each bound to its model.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <utility>

#include "controls/win/file_drop.h"
#include "setup/win/form_setup.h"
#include "setup/win/setup_window_metrics.h"

namespace nuvopick::win {

using namespace setup_window;

namespace {

// Mirror copies a model onto its control: now, so that the control starts as
// the model is, and again whenever the model changes.
template <typename Model>
void Bind(Model& model, std::function<void()> mirror) {
  model.OnMirror = std::move(mirror);
  model.OnMirror();
}

}  // namespace

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
  RecordModel(button, model);
  Bind(model, [button, &model] {
    SetWindowTextA(button, model.Caption().c_str());
    EnableWindow(button, model.Enabled());
  });
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
  RecordModel(box, model);
  Bind(model, [box, &model] {
    SendMessageA(box, BM_SETCHECK, model.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    EnableWindow(box, model.Enabled());
  });
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
  RecordModel(button, model);
  Bind(model, [button, &model] {
    SendMessageA(button, BM_SETCHECK, model.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    EnableWindow(button, model.Enabled());
  });
  commands_.emplace_back(id, [this, &model](int code, HWND) {
    if (code == BN_CLICKED) Run([&model] { model.Click(); });
  });
  return button;
}

int TForm_setup::AddRadioGroup(nuvopick::TRadioGroup& model, const std::string& caption, int page,
                               int x, int y, int width) {
  const int count = static_cast<int>(model.Items().size());
  const int height = 22 + count * kRowHeight + 6;
  // The group and each of its buttons explain the group.
  RecordModel(AddChild("BUTTON", caption, BS_GROUPBOX, page, x, y, width, height), model);
  std::vector<HWND> buttons;
  for (int i = 0; i < count; ++i) {
    const int id = nextId_++;
    buttons.push_back(AddChild("BUTTON", model.Items()[static_cast<std::size_t>(i)],
                               BS_RADIOBUTTON | WS_TABSTOP, page, x + 8, y + 20 + i * kRowHeight,
                               width - 12, kRowHeight, id));
    RecordModel(buttons.back(), model);
    commands_.emplace_back(id, [this, &model, i](int code, HWND) {
      if (code == BN_CLICKED) Run([&model, i] { model.SetItemIndex(i); });
    });
  }
  Bind(model, [buttons, &model] {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      const bool checked = static_cast<int>(i) == model.ItemIndex();
      SendMessageA(buttons[i], BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
      EnableWindow(buttons[i], model.Enabled());
    }
  });
  return height;
}

HWND TForm_setup::AddEdit(nuvopick::TEdit& model, int page, int x, int y, int width,
                          std::function<void()> onExit) {
  const int id = nextId_++;
  HWND edit =
      AddChild("EDIT", model.Text(), ES_AUTOHSCROLL | WS_TABSTOP, page, x, y, width, 21, id);
  RecordModel(edit, model);
  SetWindowLongPtrA(edit, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
  SetWindowPos(edit, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE);
  Bind(model, [this, edit, &model] {
    // Only a different text goes in: putting back what was typed would move the caret.
    if (WindowTextOf(edit) != model.Text()) {
      const bool was = std::exchange(mirroring_, true);
      SetWindowTextA(edit, model.Text().c_str());
      mirroring_ = was;
    }
    EnableWindow(edit, model.Enabled());
  });
  commands_.emplace_back(id, [this, &model, onExit = std::move(onExit)](int code, HWND control) {
    if (code == EN_CHANGE && !mirroring_) {
      Run([&model, control] { model.SetText(WindowTextOf(control)); });
    } else if (code == EN_KILLFOCUS && onExit) {
      Run(onExit);
    }
  });
  AttachFileDrop(edit, model, [this](const std::function<void()>& call) { Run(call); });
  return edit;
}

HWND TForm_setup::AddComboBox(nuvopick::TComboBox& model, int page, int x, int y, int width) {
  const int id = nextId_++;
  // The height takes the dropped-down list.
  HWND box = AddChild("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, page, x, y, width,
                      120, id);
  RecordModel(box, model);
  for (const std::string& item : model.Items()) {
    SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  Bind(model, [box, &model] {
    if (SendMessageA(box, CB_GETCURSEL, 0, 0) != model.ItemIndex()) {
      SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(model.ItemIndex()), 0);
    }
    EnableWindow(box, model.Enabled());
  });
  commands_.emplace_back(id, [this, &model](int code, HWND control) {
    if (code == CBN_SELCHANGE) {
      const auto index = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
      Run([&model, index] { model.SetItemIndex(index); });
    }
  });
  return box;
}

HWND TForm_setup::AddCaption(nuvopick::TCaption& model, int page, int x, int y, int width) {
  HWND label = AddLabel(model.Text(), page, x, y, width);
  RecordModel(label, model);
  Bind(model, [label, &model] {
    SetWindowTextA(label, model.Text().c_str());
    EnableWindow(label, model.Enabled());
  });
  return label;
}

// A slider row: its name, the slider, the position and the unit.
void TForm_setup::AddTrackRow(nuvopick::TTrackBar& model, nuvopick::TCaption& value,
                              const std::string& name, const std::string& unit, int page, int y,
                              int frequency) {
  const int left = kPageLeft + 22;
  AddLabel(name, page, left, y + 5, 60);
  HWND bar = AddChild(TRACKBAR_CLASSA, "", TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS | WS_TABSTOP, page,
                      left + 62, y, 250, 26, nextId_++);
  RecordModel(bar, model);
  SendMessageA(bar, TBM_SETRANGEMIN, FALSE, model.Min());
  SendMessageA(bar, TBM_SETRANGEMAX, FALSE, model.Max());
  SendMessageA(bar, TBM_SETTICFREQ, static_cast<WPARAM>(frequency), 0);
  SendMessageA(bar, TBM_SETLINESIZE, 0, 5);
  SendMessageA(bar, TBM_SETPAGESIZE, 0, static_cast<LPARAM>(frequency));
  SendMessageA(bar, TBM_SETPOS, TRUE, model.Position());
  HWND label =
      AddChild("STATIC", value.Text(), SS_RIGHT | SS_NOPREFIX, page, left + 316, y + 5, 44, 14);
  AddLabel(unit, page, left + 364, y + 5, 50);
  Bind(model, [bar, &model] {
    if (SendMessageA(bar, TBM_GETPOS, 0, 0) != model.Position()) {
      SendMessageA(bar, TBM_SETPOS, TRUE, model.Position());
    }
    EnableWindow(bar, model.Enabled());
  });
  Bind(value, [label, &value] { SetWindowTextA(label, value.Text().c_str()); });
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
  RecordModel(list, model);
  auto shown = std::make_shared<std::vector<std::string>>();
  Bind(model, [list, &model, shown, rows = std::move(rows)] {
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
  });
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
}  // namespace nuvopick::win
