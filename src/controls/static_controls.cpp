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

}  // namespace nuvopick
