#include "iconpick/icon_picker.h"

#include <algorithm>
#include <utility>

namespace nuvopick {

TIconCell CellOfIconIndex(int index) {
  return {index / kIconColumns, index % kIconColumns};
}

int IconIndexOfCell(TIconCell cell) {
  return cell.Row * kIconColumns + cell.Column;
}

int IconRowsFor(int count) {
  return std::max(1, (count + kIconColumns - 1) / kIconColumns);
}

std::string IconIndexLabel(TIconCell cell, int count) {
  const int index = IconIndexOfCell(cell);
  if (index < 0 || index >= count) return kNoIconLabel;
  return std::to_string(index);
}

TIconPicker::TIconPicker(IIconPickerView& view, const IFileSystem& files, std::string ownExePath)
    : view_(view), files_(files), ownExePath_(std::move(ownExePath)) {
  Edit_icon.SetText(kInitialIconFile);
  Edit_icon.OnChange = [this] { Edit_iconChange(); };
  Button_fdlg.OnClick = [this] { Button_fdlgClick(); };
  Button_OK.OnClick = [this] { Button_OKClick(); };
  Button_cancel.OnClick = [this] { Button_cancelClick(); };
}

void TIconPicker::ShowIconPicker(int extIndex, const std::string& iconFile,
                                 std::uintptr_t notifyWindow, int iconIndex) {
  extIndex_ = extIndex;
  notifyWindow_ = notifyWindow;
  accepted_ = false;
  std::string file = iconFile;
  int index = iconIndex;
  if (!files_.FileExists(file)) {
    // Icon 1 of the program is its default icon for registered extensions.
    file = ownExePath_;
    index = 1;
  }
  // The icons are loaded afresh even when the box already shows this file.
  if (Edit_icon.Text() == file) {
    LoadIconFile();
  } else {
    Edit_icon.SetText(file);
  }
  // An index past the file's icons (the file may have changed since it was
  // chosen) selects the last icon: the grid has no cell to make current for it.
  if (iconCount_ > 0) index = std::clamp(index, 0, iconCount_ - 1);
  DrawGrid_iconSelectCell(CellOfIconIndex(std::max(index, 0)));
  view_.ShowCentred();
}

void TIconPicker::LoadIconFile() {
  if (!files_.FileExists(Edit_icon.Text())) return;
  iconCount_ = view_.LoadIcons(Edit_icon.Text());
  rowCount_ = IconRowsFor(iconCount_);
  ShowLabel();
  view_.RepaintGrid();
}

void TIconPicker::Edit_iconChange() {
  if (files_.FileExists(Edit_icon.Text())) {
    LoadIconFile();
  } else {
    // The rows stay as they were; only the icons go.
    view_.ClearIcons();
    iconCount_ = 0;
    view_.RepaintGrid();
  }
  DrawGrid_iconSelectCell({0, 0});
}

void TIconPicker::Button_fdlgClick() {
  if (auto file = view_.ChooseIconFile(Edit_icon.Text())) Edit_icon.SetText(*file);
}

void TIconPicker::DrawGrid_iconSelectCell(TIconCell cell) {
  current_ = cell;
  ShowLabel();
  view_.RepaintGrid();
}

void TIconPicker::DrawGrid_iconDblClick() {
  Button_OKClick();
}

void TIconPicker::Button_OKClick() {
  accepted_ = true;
  FormClose();
}

void TIconPicker::Button_cancelClick() {
  accepted_ = false;
  FormClose();
}

void TIconPicker::FormClose() {
  TIconDialogCloseRecord record;
  record.ExtIndex = extIndex_;
  if (Label_iconidx.Text() != kNoIconLabel && files_.FileExists(Edit_icon.Text())) {
    record.IconFile = Edit_icon.Text();
    record.IconIndex = std::stoi(Label_iconidx.Text());
  }
  record.Accepted = accepted_;
  view_.SendClosed(notifyWindow_, record);
  view_.Hide();
}

void TIconPicker::ShowLabel() {
  Label_iconidx.SetText(IconIndexLabel(current_, iconCount_));
}

}  // namespace nuvopick
