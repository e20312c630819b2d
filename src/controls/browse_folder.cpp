#include "controls/browse_folder.h"

#include <algorithm>

namespace nuvopick {

TplBFFolder BrowseFolderFor(TplBFSpecialDir special, const std::string& path) {
  if (special != TplBFSpecialDir::sfNone) return {"", SpecialDirCsidl(special)};
  return {path, kCsidlDesktop};
}

TRect OldStyleDialogBounds(int left, int top, int width, int height, TSize screen) {
  if (left == 0 && top == 0) {
    // Integer division truncates towards zero, also for a dialog larger than
    // the screen.
    left = (screen.Width - width) / 2;
    top = (screen.Height - height) / 2;
  }
  return {left, top, left + width, top + height};
}

TplBFControlLayout OldStyleControlLayout(int formWidth, int formHeight, const TRect& dialog,
                                         const TRect& tree, TSize okButton, const TDpiScale& dpi) {
  TplBFControlLayout layout;
  layout.TreeSize = {formWidth - dpi.Px(32),
                     dialog.Bottom - tree.Top - okButton.Height - dpi.Px(18)};
  layout.OkPos = {formWidth - 2 * okButton.Width - dpi.Px(25),
                  formHeight - okButton.Height - dpi.Px(35)};
  layout.CancelPos = {layout.OkPos.X + okButton.Width + dpi.Px(5), layout.OkPos.Y};
  return layout;
}

void TplBrowseFolder::SetFormWidth(int value) {
  if (IsOpen()) return;
  formWidth_ = std::max(value, minWidth_);
}

void TplBrowseFolder::SetFormHeight(int value) {
  if (IsOpen()) return;
  formHeight_ = std::max(value, minHeight_);
}

void TplBrowseFolder::BeginExecute() {
  selectedDir_.clear();
  lastBounds_.reset();
}

void TplBrowseFolder::DialogCreated(std::uintptr_t window) {
  window_ = window;
}

TplBFOpening TplBrowseFolder::DialogInitialized(TSize dialogSize, TSize screen) {
  minWidth_ = dialogSize.Width;
  minHeight_ = dialogSize.Height;
  if (OnShow) OnShow(*this);
  TplBFOpening opening;
  if (!Caption.empty()) opening.Caption = Caption;
  // The new-style dialog lays itself out and keeps its own size and place.
  if (!Options.Contains(TplBrowseOption::bifNewDialogStyle)) {
    formWidth_ = std::max(formWidth_, minWidth_);
    formHeight_ = std::max(formHeight_, minHeight_);
    opening.Bounds = OldStyleDialogBounds(FormLeft, FormTop, formWidth_, formHeight_, screen);
  }
  return opening;
}

void TplBrowseFolder::DialogBoundsSeen(const TRect& bounds) {
  if (IsOpen()) lastBounds_ = bounds;
}

std::optional<TplBFSelectionAnswer> TplBrowseFolder::SelectionChanged(std::uintptr_t wnd,
                                                                      const std::string& directory,
                                                                      bool okEnabled) {
  if (!OnSelectionChanged) return std::nullopt;
  TplBFSelectionAnswer answer{"", okEnabled};
  OnSelectionChanged(*this, wnd, directory, answer.StatusText, answer.OkEnabled);
  return answer;
}

bool TplBrowseFolder::EndExecute(const std::optional<std::string>& chosenPath) {
  // A dialog that never showed leaves the properties as they were.
  if (lastBounds_) {
    FormLeft = lastBounds_->Left;
    FormTop = lastBounds_->Top;
    formWidth_ = lastBounds_->Width();
    formHeight_ = lastBounds_->Height();
  }
  lastBounds_.reset();
  window_ = 0;
  if (!chosenPath) return false;
  selectedDir_ = *chosenPath;
  return true;
}

}  // namespace nuvopick
