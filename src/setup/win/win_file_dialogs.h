// The setup window's open-file dialog and folder browser.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "controls/browse_folder.h"
#include "platform/file_dialogs.h"

namespace nuvopick::win {

class TWinFileDialogs : public IFileDialogs {
 public:
  // The dialogs are modal to this window.
  void SetOwner(HWND owner) { owner_ = owner; }
  std::optional<std::string> OpenFile(const std::string& filter,
                                      const std::string& initialDir) override;
  std::optional<std::string> BrowseFolder() override;

 private:
  HWND owner_ = nullptr;
  // The desktop's tree, file-system folders only; it keeps where the user left it.
  TplBrowseFolder browseFolder_;
};

}  // namespace nuvopick::win
