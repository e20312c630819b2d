#include "controls/win/popup_menu_view.h"

namespace nuvopick::win {

void TPopupMenuView::PopupAtPointer(HWND owner) {
  if (!menu_) {
    menu_.Reset(CreatePopupMenu());
    UINT id = firstId_;
    for (const TMenuItem& item : model_) {
      switch (item.Kind) {
        case TMenuItemKind::Command:
          AppendMenuA(menu_.Get(), MF_STRING, id, item.Caption.c_str());
          break;
        case TMenuItemKind::Separator:
          AppendMenuA(menu_.Get(), MF_SEPARATOR, 0, nullptr);
          break;
        case TMenuItemKind::Title:
          // Drawn by the owner, which measures and paints it.
          AppendMenuA(menu_.Get(), MF_OWNERDRAW, id, nullptr);
          break;
      }
      ++id;
    }
  }
  POINT at{};
  GetCursorPos(&at);
  TrackPopupMenu(menu_.Get(), TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
  // Lets the menu close when the user clicks elsewhere next time.
  PostMessageA(owner, WM_NULL, 0, 0);
}

const TMenuItem* TPopupMenuView::ItemOf(UINT id) const {
  if (id < firstId_ || id - firstId_ >= model_.size()) return nullptr;
  return &model_[id - firstId_];
}

bool TPopupMenuView::IsTitle(UINT id) const {
  const TMenuItem* item = ItemOf(id);
  return item != nullptr && item->Kind == TMenuItemKind::Title;
}

}  // namespace nuvopick::win
