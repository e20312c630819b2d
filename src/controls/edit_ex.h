// An edit box: its text with the change event, and files dropped on it from the
// shell when it accepts them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls/control_model.h"

namespace nuvopick {

class TEditEx : public TControlModel {
 public:
  // Raised when the text changed, by typing or by the program.
  std::function<void()> OnChange;
  // Raised with the dropped files' full paths, in the shell's order.
  std::function<void(const std::vector<std::string>& paths)> OnDropFiles;

  // Whether the box takes files dropped from the shell.
  bool AcceptDragFile = false;

  const std::string& Text() const { return text_; }
  // A text equal to the present one changes nothing and raises nothing.
  void SetText(const std::string& text);

  // The window side calls this when files were dropped on the box. Ignored when
  // the box does not accept files or nobody handles them.
  void DropFiles(const std::vector<std::string>& paths);

 private:
  std::string text_;
};

// A plain edit box is the same model with the drop switch off.
using TEdit = TEditEx;

}  // namespace nuvopick
