// The tree of fixed nodes over its model, every node expanded: a node the user
// selects reaches the model, and the model's selection is shown.
#pragma once

#include <functional>
#include <vector>

#include "controls/static_controls.h"
#include "controls/win/model_view.h"

namespace nuvopick::win {

class TTreeViewView : public TModelView {
 public:
  // MayCollapse tells whether a node may close; a refused close is undone
  // where the tree closes the node anyway.
  TTreeViewView(TTreeView& model, const TPlacement& place, std::function<bool()> mayCollapse,
                TModelRunner run);
  bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  TTreeView& tree_;
  std::function<bool()> mayCollapse_;
  std::vector<void*> items_;
  // Set while the view selects the model's node, which is no choice of the user.
  bool mirroring_ = false;
};

}  // namespace nuvopick::win
