// What the setup form asks of its window and of the application around it. The
// window only carries these out; every decision about them is the form's.
#pragma once

#include <cstdint>
#include <string>

#include "platform/geometry.h"

namespace nuvopick {

class ISetupView {
 public:
  virtual ~ISetupView() = default;

  // Sizes in pixels of the screen and of the whole setup window.
  virtual TSize ScreenSize() = 0;
  virtual TSize WindowSize() = 0;

  // Asks the application to end; takes effect when the event loop next runs.
  virtual void EndApplication() = 0;
  virtual void MinimizeApplication() = 0;
  virtual void RestoreApplication() = 0;
  // Shows or hides the application's button on the taskbar.
  virtual void ShowTaskbarButton(bool visible) = 0;
  virtual void BringToForeground() = 0;

  // Pops the tray menu up at the pointer and runs it; the chosen item comes back
  // as a call of the form's handler of that item.
  virtual void PopupTrayMenu() = 0;
  // Pops the extension page's extra menu up at the pointer, the same way.
  virtual void PopupExtExtraMenu() = 0;

  // Shows the icon of an extension's file type: the icon at IconIndex in
  // IconFile, or the program's own icon when the file does not exist.
  virtual void ShowExtIcon(const std::string& iconFile, std::int32_t iconIndex) = 0;

  // Redraws the extension and entry lists, whose rows show the modified marks of
  // the records and entries behind them.
  virtual void RepaintLists() = 0;
};

}  // namespace nuvopick
