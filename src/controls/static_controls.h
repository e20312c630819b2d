// Buttons, captions (labels, panels, the window's title) and the page control.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "controls/control_model.h"

namespace nuvopick {

class TButton : public TControlModel {
 public:
  std::function<void()> OnClick;

  explicit TButton(std::string caption = {}) : caption_(std::move(caption)) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

  // Raises OnClick, enabled or not: the program clicks disabled buttons too
  // (the window side clicks only enabled ones, as the user can).
  void Click() {
    if (OnClick) OnClick();
  }

 private:
  std::string caption_;
};

// A text shown by the program: a label, a panel's caption, a window title.
class TCaption : public TControlModel {
 public:
  explicit TCaption(std::string text = {}) : text_(std::move(text)) {}

  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);

 private:
  std::string text_;
};

// Pages without tabs, one shown at a time.
class TPageControl : public TControlModel {
 public:
  explicit TPageControl(int pageCount) : pageCount_(pageCount) {}

  int PageCount() const { return pageCount_; }
  int ActivePageIndex() const { return activePageIndex_; }
  // An index outside the pages is ignored.
  void SetActivePageIndex(int index);

 private:
  int pageCount_;
  int activePageIndex_ = 0;
};

}  // namespace nuvopick
