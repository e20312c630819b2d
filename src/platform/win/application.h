// The program's event loop: the first window created is the main window, whose
// destruction ends the process, and an end request takes effect only when the
// loop next looks for messages.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <utility>

namespace nuvopick::win {

class TApplication {
 public:
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }

  // Every window of the program reports its creation here; the first is the main one.
  void WindowCreated(HWND window);
  void WindowDestroyed(HWND window);
  HWND MainWindow() const { return mainWindow_; }

  // The keyboard moves between the controls of Window as in a dialog (Tab,
  // Shift+Tab, arrow keys within a group).
  void UseDialogKeys(HWND window) { dialogWindows_.insert(window); }

  // Off at start; the gate window turns it on when it is to be seen.
  void SetShowMainFormOnRun(bool value) { showMainFormOnRun_ = value; }

  // Asks the loop to end; code after the request in the same handler still runs.
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Dispatches messages until an end was requested.
  void Run();

 private:
  std::string title_;
  HWND mainWindow_ = nullptr;
  bool showMainFormOnRun_ = false;
  bool terminated_ = false;
  std::set<HWND> dialogWindows_;
};

// The one application object of the process.
TApplication& Application();

}  // namespace nuvopick::win
