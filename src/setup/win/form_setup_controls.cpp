// Building the setup window's controls: each is a view over its model, placed
// on its page.
#include <windows.h>

#include <memory>
#include <utility>

#include "setup/control_ids.h"
#include "setup/setup_layout.h"
#include "setup/win/form_setup.h"
#include "setup/win/setup_window_metrics.h"

namespace nuvopick::win {

using namespace setup_window;

// The control's edges are scaled, so that controls side by side stay so.
TPlacement TForm_setup::At(int x, int y, int width, int height, TFontRole font) {
  placing_ = {x, y, x + width, y + height};
  placingFont_ = font;
  const TRect scaled = dpi_.Px(placing_);
  return {Handle(),        scaled.Left, scaled.Top,     scaled.Width(),
          scaled.Height(), nextId_++,   fonts_.Of(font)};
}

TModelRunner TForm_setup::Runner() {
  return [this](const std::function<void()>& call) { Run(call); };
}

TModelView& TForm_setup::Place(int page, std::unique_ptr<TModelView> view) {
  Renumber(*view);
  if (page == kAlwaysShown) ShowWindow(view->Handle(), SW_SHOWNA);
  // The sample of the list's font draws in the font chosen for the list.
  const bool ownFont = dynamic_cast<const TSampleListView*>(view.get()) != nullptr;
  views_.push_back({std::move(view), page, placing_,
                    ownFont ? std::nullopt : std::optional<TFontRole>(placingFont_)});
  return *views_.back().View;
}

void TForm_setup::SetRowHeight(const TListView& list, int height) {
  for (TPlacedView& placed : views_) {
    if (placed.View.get() == &list) placed.RowHeight = height;
  }
  SendMessageA(list.Handle(), LB_SETITEMHEIGHT, 0, dpi_.Px(height));
}

void TForm_setup::MoveControl(HWND control, const TRect& bounds) {
  for (TPlacedView& placed : views_) {
    if (placed.View->Handle() == control) placed.Bounds = bounds;
  }
  const TRect scaled = dpi_.Px(bounds);
  MoveWindow(control, scaled.Left, scaled.Top, scaled.Width(), scaled.Height(), FALSE);
}

int TForm_setup::TextWidth(const std::string& text) const {
  return UnscaledTextWidth(MeasureText(fonts_.Normal.Get(), text).cx, dpi_);
}

// The controls are made with numbers in the order of making; one whose model
// has a name takes the number of that name instead, which stays put whatever
// the pages' order, and a radio group's items follow their group.
void TForm_setup::Renumber(const TModelView& view) const {
  int id = nuvopick::SetupControlId(ViewName(view));
  if (id == 0) return;
  if (const auto* item = dynamic_cast<const TRadioGroupItemView*>(&view)) {
    id = IDC_RADIO_ITEM(id, item->Index());
  }
  SetWindowLongPtrA(view.Handle(), GWLP_ID, id);
}

HWND TForm_setup::AddStatic(const std::string& text, DWORD style, int page, int x, int y, int width,
                            int height, TFontRole font) {
  return Place(page,
               std::make_unique<TStaticView>("STATIC", text, style, At(x, y, width, height, font)))
      .Handle();
}

void TForm_setup::AddGroupBox(const std::string& caption, int page, int x, int y, int width,
                              int height) {
  Place(page,
        std::make_unique<TStaticView>("BUTTON", caption, BS_GROUPBOX, At(x, y, width, height)));
}

HWND TForm_setup::AddLabel(const std::string& text, int page, int x, int y, int width, int height) {
  return AddStatic(text, SS_LEFT | SS_NOPREFIX, page, x, y, width, height);
}

HWND TForm_setup::AddButton(nuvopick::TButton& model, int page, int x, int y, int width,
                            int height) {
  return Place(page, std::make_unique<TButtonView>(model, At(x, y, width, height), Runner()))
      .Handle();
}

// The lines a check box needs for Caption in Width: the box and its gap take
// room before the text.
int TForm_setup::CheckBoxLines(const std::string& caption, int width) {
  return TextWidth(caption) + 24 > width ? 2 : 1;
}

HWND TForm_setup::AddCheckBox(nuvopick::TCheckBox& model, const std::string& caption, int page,
                              int x, int y, int width) {
  // A caption too long for one line takes two.
  const bool twoLines = CheckBoxLines(caption, width) > 1;
  return Place(page, std::make_unique<TCheckBoxView>(
                         model, caption, twoLines ? BS_MULTILINE : 0,
                         At(x, y, width, twoLines ? 2 * kRowHeight + 2 : kRowHeight), Runner()))
      .Handle();
}

HWND TForm_setup::AddRadioButton(nuvopick::TRadioButton& model, const std::string& caption,
                                 int page, int x, int y, int width) {
  return Place(page, std::make_unique<TRadioButtonView>(model, caption, At(x, y, width, kRowHeight),
                                                        Runner()))
      .Handle();
}

int TForm_setup::AddRadioGroup(nuvopick::TRadioGroup& model, const std::string& caption, int page,
                               int x, int y, int width) {
  const int count = static_cast<int>(model.Items().size());
  const int height = 22 + count * kRowHeight + 6;
  Place(page, std::make_unique<TRadioGroupFrameView>(model, caption, At(x, y, width, height)));
  for (int i = 0; i < count; ++i) {
    Place(page,
          std::make_unique<TRadioGroupItemView>(
              model, i, At(x + 8, y + 20 + i * kRowHeight, width - 12, kRowHeight), Runner()));
  }
  return height;
}

HWND TForm_setup::AddEdit(nuvopick::TEdit& model, int page, int x, int y, int width,
                          std::function<void()> onExit, TFontRole font) {
  return Place(page, std::make_unique<TEditView>(model, At(x, y, width, 21, font), Runner(),
                                                 std::move(onExit)))
      .Handle();
}

HWND TForm_setup::AddComboBox(nuvopick::TComboBox& model, int page, int x, int y, int width) {
  return Place(page, std::make_unique<TComboBoxView>(model, At(x, y, width, 120), Runner()))
      .Handle();
}

HWND TForm_setup::AddCaption(nuvopick::TCaption& model, int page, int x, int y, int width,
                             TFontRole font) {
  return Place(page, std::make_unique<TCaptionView>(model, SS_LEFT | SS_NOPREFIX,
                                                    At(x, y, width, 14, font)))
      .Handle();
}

// A slider row: its name, the slider, the position and the unit.
void TForm_setup::AddTrackRow(nuvopick::TTrackBar& model, nuvopick::TCaption& value,
                              const std::string& name, const std::string& unit, int page, int y,
                              int frequency) {
  const int left = kPageLeft + 22;
  AddLabel(name, page, left, y + 5, 60);
  Place(page,
        std::make_unique<TTrackBarView>(model, frequency, At(left + 62, y, 250, 26), Runner()));
  Place(page, std::make_unique<TCaptionView>(value, SS_RIGHT | SS_NOPREFIX,
                                             At(left + 316, y + 5, 44, 14)));
  AddLabel(unit, page, left + 364, y + 5, 50);
}

TListView& TForm_setup::AddList(nuvopick::TListBoxEx& model, int page, int x, int y, int width,
                                int height, DWORD style, TListView::THandlers handlers,
                                TFontRole font) {
  return static_cast<TListView&>(
      Place(page, std::make_unique<TListView>(model, style, At(x, y, width, height, font),
                                              std::move(handlers), Runner())));
}

// The page's title over a line, as the pages' tabs are hidden.
void TForm_setup::AddHeading(int page, const std::string& text) {
  AddStatic(text, SS_LEFT | SS_NOPREFIX, page, kPageLeft, kPageTop + 2, kPageWidth, 16,
            TFontRole::Bold);
  AddStatic("", SS_ETCHEDHORZ, page, kPageLeft, kPageTop + 21, kPageWidth, 2);
}

}  // namespace nuvopick::win
