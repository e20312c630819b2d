// A popup menu, free of window code: its items in order, each with its caption
// and what choosing it runs. The window side numbers the items by position.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace nuvopick {

enum class TMenuItemKind {
  Command,
  Separator,
  // A heading that the window draws itself; choosing it does nothing.
  Title,
};

struct TMenuItem {
  TMenuItemKind Kind = TMenuItemKind::Command;
  std::string Caption;
  // Empty: choosing the item only closes the menu.
  std::function<void()> OnClick;
};

using TPopupMenu = std::vector<TMenuItem>;

inline TMenuItem MenuSeparator() {
  return {TMenuItemKind::Separator, "", {}};
}

}  // namespace nuvopick
