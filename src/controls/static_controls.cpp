#include "controls/static_controls.h"

namespace nuvopick {

void TButton::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Mirror();
}

void TCaption::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Mirror();
}

void TPageControl::SetActivePageIndex(int index) {
  if (index < 0 || index >= pageCount_ || index == activePageIndex_) return;
  activePageIndex_ = index;
  Mirror();
}

void TTreeView::Select(int index) {
  if (index < 0 || index >= static_cast<int>(nodes_.size()) || index == selected_) return;
  selected_ = index;
  MirrorBeforeEvent();
  if (OnChange) OnChange(nodes_[static_cast<std::size_t>(index)].Caption);
}

void TSampleList::SetColor(std::int32_t color) {
  if (color == color_) return;
  color_ = color;
  Mirror();
}

void TSampleList::SetFont(const TFont& font) {
  if (font == font_) return;
  font_ = font;
  Mirror();
}

}  // namespace nuvopick
