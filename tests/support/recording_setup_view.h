// The setup window's side for the tests: fixed sizes, and every request of the
// form written into the shared log ("end", "minimize", "popup", "icon a.dll 3").
#pragma once

#include <string>
#include <vector>

#include "setup/setup_view.h"

namespace nuvopick::testing {

class RecordingSetupView : public ISetupView {
 public:
  explicit RecordingSetupView(std::vector<std::string>& log) : log_(log) {}

  TSize screen{1024, 768};
  TSize window{600, 425};

  TSize ScreenSize() override { return screen; }
  TSize WindowSize() override { return window; }
  void EndApplication() override { log_.push_back("end"); }
  void MinimizeApplication() override { log_.push_back("minimize"); }
  void RestoreApplication() override { log_.push_back("restore"); }
  void ShowTaskbarButton(bool visible) override {
    log_.push_back(visible ? "taskbar show" : "taskbar hide");
  }
  void BringToForeground() override { log_.push_back("foreground"); }
  void PopupTrayMenu() override { log_.push_back("popup"); }
  void PopupExtExtraMenu() override { log_.push_back("extra menu"); }
  void ShowExtIcon(const std::string& iconFile, std::int32_t iconIndex) override {
    log_.push_back("icon " + iconFile + " " + std::to_string(iconIndex));
  }
  void RepaintLists() override { log_.push_back("repaint"); }

 private:
  std::vector<std::string>& log_;
};

}  // namespace nuvopick::testing
