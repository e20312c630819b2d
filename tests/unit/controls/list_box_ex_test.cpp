// The selection events of the list box, which the setup pages depend on.
#include "controls/list_box_ex.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nuvopick {
namespace {

// Every event the list raised, in order: "sel" or "change <prevIndex>".
struct ListEvents {
  std::vector<std::string> log;

  explicit ListEvents(TListBoxEx& list) {
    list.OnSelChange = [this] { log.push_back("sel"); };
    list.OnChangeItemIndex = [this](int prev) { log.push_back("change " + std::to_string(prev)); };
  }
};

TListBoxEx ListOf(int count) {
  TListBoxEx list;
  for (int i = 0; i < count; ++i) list.Add("item" + std::to_string(i));
  return list;
}

TEST(ListBoxExTest, ProgramSelectionRaisesBothEventsOnlyWhenTheIndexChanges) {
  TListBoxEx list = ListOf(6);
  list.SetItemIndex(2);
  ListEvents events(list);

  list.SetItemIndex(5);
  EXPECT_EQ(events.log, (std::vector<std::string>{"sel", "change 2"}));
  EXPECT_EQ(list.ItemIndex(), 5);

  events.log.clear();
  list.SetItemIndex(5);
  EXPECT_TRUE(events.log.empty());
}

TEST(ListBoxExTest, IndexOutsideTheItemsSelectsNothing) {
  TListBoxEx list = ListOf(3);
  list.SetItemIndex(1);
  ListEvents events(list);

  list.SetItemIndex(7);
  EXPECT_EQ(list.ItemIndex(), -1);
  EXPECT_EQ(events.log, (std::vector<std::string>{"sel", "change 1"}));

  // Already nothing selected: -1 and any other invalid index are the same.
  events.log.clear();
  list.SetItemIndex(-5);
  EXPECT_TRUE(events.log.empty());
}

TEST(ListBoxExTest, UserSelectionRaisesOnlyTheSelectionChange) {
  TListBoxEx list = ListOf(3);
  list.SetItemIndex(0);
  ListEvents events(list);

  list.UserSelect(2);
  EXPECT_EQ(list.ItemIndex(), 2);
  EXPECT_EQ(events.log, (std::vector<std::string>{"sel"}));
}

TEST(ListBoxExTest, ReplacingTheSelectedItemSelectsItAgain) {
  TListBoxEx list = ListOf(3);
  list.SetItemIndex(1);
  ListEvents events(list);

  list.SetItem(1, "renamed");
  EXPECT_EQ(list.Item(1), "renamed");
  EXPECT_EQ(list.ItemIndex(), 1);
  EXPECT_EQ(events.log, (std::vector<std::string>{"sel", "change -1"}));

  events.log.clear();
  list.SetItem(0, "other");
  EXPECT_TRUE(events.log.empty());
  EXPECT_EQ(list.ItemIndex(), 1);
}

TEST(ListBoxExTest, FillingAndDeletingMoveTheSelectionSilently) {
  TListBoxEx list = ListOf(4);
  list.SetItemIndex(2);
  ListEvents events(list);

  list.Delete(0);
  EXPECT_EQ(list.ItemIndex(), 1);  // follows its item
  list.Insert(0, "new");
  EXPECT_EQ(list.ItemIndex(), 2);
  list.Delete(2);
  EXPECT_EQ(list.ItemIndex(), -1);  // lost with its item
  list.SetItemIndex(0);
  events.log.clear();
  list.Clear();
  EXPECT_EQ(list.ItemIndex(), -1);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_TRUE(events.log.empty());
}

}  // namespace
}  // namespace nuvopick
