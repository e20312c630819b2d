// A popup menu on the screen: the menu's items become menu entries numbered
// FirstId + their position, so that a WM_COMMAND number leads back to its item.
#pragma once

#include <windows.h>

#include "controls/popup_menu.h"
#include "platform/win/gdi_owners.h"

namespace nuvopick::win {

class TPopupMenuView {
 public:
  TPopupMenuView(const TPopupMenu& model, UINT firstId) : model_(model), firstId_(firstId) {}

  // Shows the menu at the pointer; what is chosen comes to Owner as WM_COMMAND.
  void PopupAtPointer(HWND owner);
  // The item that command number Id stands for, or nullptr when it is not one
  // of this menu's.
  const TMenuItem* ItemOf(UINT id) const;
  bool IsTitle(UINT id) const;

 private:
  const TPopupMenu& model_;
  UINT firstId_;
  // Made when the menu is first shown.
  TMenu menu_;
};

}  // namespace nuvopick::win
