// The gate's list under its parent: what the list tells the parent reaches the
// list's own handlers, a key the owner takes stays away from the list, and the
// list goes with its view.
#include "controls/win/gate_list_view.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "platform/win/window.h"

namespace nuvopick::win {
namespace {

constexpr int kListId = 7;

class TParent : public TWindow {
 public:
  TParent() { CreateHandle({"NuvoPickGateListParent", "", WS_POPUP, 0, 0, 0, 200, 200, nullptr}); }
};

struct TRecord {
  std::vector<int> selected;
  std::vector<int> doubleClicked;
  std::vector<std::string> drawn;
  int rightButtonUps = 0;
};

std::unique_ptr<TGateListView> MakeList(HWND parent, bool ownerDrawn, TRecord& record,
                                        bool takeKeys = false) {
  TGateListView::THandlers handlers;
  handlers.Select = [&record](int row) { record.selected.push_back(row); };
  handlers.DoubleClick = [&record](int row) { record.doubleClicked.push_back(row); };
  handlers.KeyDown = [takeKeys](unsigned, const TGateListView::TKeyState&) { return takeKeys; };
  handlers.RightButtonUp = [&record] { ++record.rightButtonUps; };
  if (ownerDrawn) {
    handlers.DrawRow = [&record](const DRAWITEMSTRUCT&, const std::string& text, HICON,
                                 int rowCount) {
      record.drawn.push_back(text + "/" + std::to_string(rowCount));
    };
  }
  TPlacement place;
  place.Parent = parent;
  place.Width = 150;
  place.Height = 150;
  place.Id = kListId;
  auto list = std::make_unique<TGateListView>(place, ownerDrawn, std::move(handlers));
  list->SetRows({"first", "second", "third"});
  list->SelectRow(0);
  return list;
}

int CurrentRow(const TGateListView& list) {
  return static_cast<int>(SendMessageA(list.Handle(), LB_GETCURSEL, 0, 0));
}

TEST(GateListView, AKeyTheOwnerTakesDoesNotMoveTheSelection) {
  struct TCase {
    bool taken;
    int row;
    std::vector<int> selected;
  };
  for (const TCase& c : {TCase{true, 0, {}}, TCase{false, 1, {1}}}) {
    TParent parent;
    TRecord record;
    const auto list = MakeList(parent.Handle(), false, record, c.taken);
    SendMessageA(list->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(CurrentRow(*list), c.row) << "taken " << c.taken;
    EXPECT_EQ(record.selected, c.selected) << "taken " << c.taken;
  }
}

TEST(GateListView, TheParentsNotificationsReachTheListsHandlers) {
  TParent parent;
  TRecord record;
  const auto list = MakeList(parent.Handle(), true, record);
  list->SelectRow(2);
  SendMessageA(parent.Handle(), WM_COMMAND, MAKEWPARAM(kListId, LBN_DBLCLK),
               reinterpret_cast<LPARAM>(list->Handle()));
  EXPECT_EQ(record.doubleClicked, std::vector<int>{2});

  // Rows beyond the list's are left to the system.
  for (const UINT row : {1u, 3u}) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTBOX;
    item.CtlID = kListId;
    item.itemID = row;
    item.hwndItem = list->Handle();
    SendMessageA(parent.Handle(), WM_DRAWITEM, kListId, reinterpret_cast<LPARAM>(&item));
  }
  EXPECT_EQ(record.drawn, std::vector<std::string>{"second/3"});

  SendMessageA(list->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(record.rightButtonUps, 1);
}

// A plain list shows the chosen colours; the skin's rows draw their own.
TEST(GateListView, OnlyThePlainListAnswersWithItsColours) {
  TParent parent;
  HDC dc = CreateCompatibleDC(nullptr);
  for (const bool ownerDrawn : {false, true}) {
    TRecord record;
    const auto list = MakeList(parent.Handle(), ownerDrawn, record);
    list->SetColors(RGB(1, 2, 3), RGB(4, 5, 6));
    SetTextColor(dc, RGB(0, 0, 0));
    const LRESULT brush =
        SendMessageA(parent.Handle(), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(list->Handle()));
    LOGBRUSH answered{};
    if (brush != 0) GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof answered, &answered);
    EXPECT_EQ(answered.lbColor == RGB(4, 5, 6), !ownerDrawn) << "owner-drawn " << ownerDrawn;
    EXPECT_EQ(GetTextColor(dc) == RGB(1, 2, 3), !ownerDrawn) << "owner-drawn " << ownerDrawn;
  }
  DeleteDC(dc);
}

// A skin replaces the plain list: the old one must not linger under the new.
TEST(GateListView, TheListGoesWithItsViewAndAViewOutlivesItsParent) {
  TParent parent;
  TRecord record;
  HWND control = MakeList(parent.Handle(), false, record)->Handle();
  EXPECT_FALSE(IsWindow(control));

  const auto outliving = MakeList(parent.Handle(), false, record);
  control = outliving->Handle();
  DestroyWindow(parent.Handle());
  EXPECT_FALSE(IsWindow(control));
  EXPECT_EQ(outliving->Handle(), nullptr);
}

}  // namespace
}  // namespace nuvopick::win
