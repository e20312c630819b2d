// The gate window, the application's main window. For now it only tells the
// modes apart: the file list, the launch and the skin are still to come.
#pragma once

#include <string>

#include "platform/win/form.h"

namespace nuvopick::win {

class TForm_main : public TForm {
 public:
  explicit TForm_main(std::string firstArgument) : firstArgument_(std::move(firstArgument)) {}

  bool Create();

 protected:
  void FormCreate() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ShowTestForm();

  std::string firstArgument_;
  HWND listBox_ = nullptr;
};

}  // namespace nuvopick::win
