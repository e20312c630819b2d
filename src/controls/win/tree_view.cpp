#include "controls/win/tree_view.h"

#include <commctrl.h>

#include <utility>

namespace nuvopick::win {

TTreeViewView::TTreeViewView(TTreeView& model, const TPlacement& place,
                             std::function<bool()> mayCollapse, TModelRunner run)
    : TModelView(&model, std::move(run)), tree_(model), mayCollapse_(std::move(mayCollapse)) {
  CreateControl(WC_TREEVIEWA, "", TVS_SHOWSELALWAYS | TVS_NOHSCROLL | WS_BORDER | WS_TABSTOP, 0,
                place);
  // A narrow indent leaves the long captions of the second level room.
  SendMessageA(Handle(), TVM_SETINDENT, 10, 0);
  const auto& nodes = model.Nodes();
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    TVINSERTSTRUCTA insert{};
    insert.hParent =
        nodes[i].Parent < 0
            ? TVI_ROOT
            : static_cast<HTREEITEM>(items_[static_cast<std::size_t>(nodes[i].Parent)]);
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(nodes[i].Caption.c_str());
    insert.item.lParam = static_cast<LPARAM>(i);
    items_.push_back(reinterpret_cast<void*>(
        SendMessageA(Handle(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert))));
  }
  for (void* item : items_) {
    SendMessageA(Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
  }
  Watch([this] {
    const int selected = tree_.Selected();
    if (selected < 0) return;
    const bool was = std::exchange(mirroring_, true);
    SendMessageA(Handle(), TVM_SELECTITEM, TVGN_CARET,
                 reinterpret_cast<LPARAM>(items_[static_cast<std::size_t>(selected)]));
    mirroring_ = was;
  });
}

bool TTreeViewView::Reflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message != WM_NOTIFY) return false;
  const auto& change = *reinterpret_cast<const NMTREEVIEWA*>(lParam);
  result = 0;
  switch (change.hdr.code) {
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW: {
      if (mirroring_) return true;
      const auto index = static_cast<int>(change.itemNew.lParam);
      Run([this, index] { tree_.Select(index); });
      return true;
    }
    case TVN_ITEMEXPANDINGA:
    case TVN_ITEMEXPANDINGW:
      // Nonzero refuses the change.
      result = (change.action & TVE_COLLAPSE) && !mayCollapse_() ? TRUE : FALSE;
      return true;
    case TVN_ITEMEXPANDEDA:
    case TVN_ITEMEXPANDEDW:
      // Some trees collapse whatever the answer above was: open the node again.
      if ((change.action & TVE_COLLAPSE) && !mayCollapse_()) {
        SendMessageA(Handle(), TVM_EXPAND, TVE_EXPAND,
                     reinterpret_cast<LPARAM>(change.itemNew.hItem));
      }
      return true;
    default:
      return true;
  }
}

}  // namespace nuvopick::win
