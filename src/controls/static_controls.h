// Buttons, captions (labels, panels, the window's title), the page control, the
// tree of pages and the sample list of colour and font.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "controls/control_model.h"
#include "platform/font.h"

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

// A tree of fixed nodes, all expanded; one node is selected at a time.
class TTreeView : public TControlModel {
 public:
  struct TNode {
    std::string Caption;
    int Parent = -1;  // position of the parent node, -1 for a top node
  };

  // Raised with the node's caption when another node became selected.
  std::function<void(const std::string& caption)> OnChange;

  explicit TTreeView(std::vector<TNode> nodes) : nodes_(std::move(nodes)) {}

  const std::vector<TNode>& Nodes() const { return nodes_; }
  // The selected node, or -1.
  int Selected() const { return selected_; }
  // Selects the node at Index, by the user or by the program; an index outside
  // the nodes is ignored.
  void Select(int index);

 private:
  std::vector<TNode> nodes_;
  int selected_ = -1;
};

// A list that only shows its lines in a colour and font of the user's choice.
class TSampleList : public TControlModel {
 public:
  TSampleList(std::vector<std::string> lines, std::int32_t color, TFont font)
      : lines_(std::move(lines)), color_(color), font_(std::move(font)) {}

  const std::vector<std::string>& Lines() const { return lines_; }
  std::int32_t Color() const { return color_; }
  void SetColor(std::int32_t color);
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font);

 private:
  std::vector<std::string> lines_;
  std::int32_t color_;
  TFont font_;
};

}  // namespace nuvopick
