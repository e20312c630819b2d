#include "controls/win/button_views.h"

namespace nuvopick::win {
namespace {

bool Clicked(UINT message, WPARAM wParam) {
  return message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED;
}

void ShowCheck(HWND button, bool checked, bool enabled) {
  SendMessageA(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  EnableWindow(button, enabled);
}

}  // namespace

TButtonView::TButtonView(TButton& model, const TPlacement& place, TModelRunner run, DWORD style)
    : TModelView(&model, std::move(run)), button_(model) {
  CreateControl("BUTTON", model.Caption(), style | WS_TABSTOP, 0, place);
  Watch([this] {
    SetWindowTextA(Handle(), button_.Caption().c_str());
    EnableWindow(Handle(), button_.Enabled());
  });
}

bool TButtonView::Reflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (!Clicked(message, wParam)) return false;
  if (button_.Enabled()) Run([this] { button_.Click(); });
  result = 0;
  return true;
}

TCheckBoxView::TCheckBoxView(TCheckBox& model, const std::string& caption, DWORD style,
                             const TPlacement& place, TModelRunner run)
    : TModelView(&model, std::move(run)), box_(model) {
  CreateControl("BUTTON", caption, BS_CHECKBOX | WS_TABSTOP | WS_CLIPSIBLINGS | style, 0, place);
  Watch([this] { ShowCheck(Handle(), box_.Checked(), box_.Enabled()); });
}

bool TCheckBoxView::Reflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (!Clicked(message, wParam)) return false;
  Run([this] { box_.Click(); });
  result = 0;
  return true;
}

TRadioButtonView::TRadioButtonView(TRadioButton& model, const std::string& caption,
                                   const TPlacement& place, TModelRunner run)
    : TModelView(&model, std::move(run)), button_(model) {
  CreateControl("BUTTON", caption, BS_RADIOBUTTON | WS_TABSTOP, 0, place);
  Watch([this] { ShowCheck(Handle(), button_.Checked(), button_.Enabled()); });
}

bool TRadioButtonView::Reflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (!Clicked(message, wParam)) return false;
  Run([this] { button_.Click(); });
  result = 0;
  return true;
}

TRadioGroupFrameView::TRadioGroupFrameView(TRadioGroup& model, const std::string& caption,
                                           const TPlacement& place)
    : TModelView(&model, {}) {
  CreateControl("BUTTON", caption, BS_GROUPBOX, 0, place);
}

TRadioGroupItemView::TRadioGroupItemView(TRadioGroup& model, int index, const TPlacement& place,
                                         TModelRunner run)
    : TModelView(&model, std::move(run)), group_(model), index_(index) {
  CreateControl("BUTTON", model.Items()[static_cast<std::size_t>(index)],
                BS_RADIOBUTTON | WS_TABSTOP, 0, place);
  Watch([this] { ShowCheck(Handle(), group_.ItemIndex() == index_, group_.Enabled()); });
}

bool TRadioGroupItemView::Reflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (!Clicked(message, wParam)) return false;
  Run([this] { group_.SetItemIndex(index_); });
  result = 0;
  return true;
}

}  // namespace nuvopick::win
