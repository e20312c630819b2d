#include "controls/edit_ex.h"

namespace nuvopick {

void TEditEx::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  MirrorBeforeEvent();
  if (OnChange) OnChange();
}

void TEditEx::DropFiles(const std::vector<std::string>& paths) {
  if (!AcceptDragFile || !OnDropFiles) return;
  OnDropFiles(paths);
}

}  // namespace nuvopick
