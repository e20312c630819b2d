// A list model's changes as the real list takes them: batches reach it once,
// one row's change touches that row only, and a handler raised inside a batch
// finds the list already showing the model.
#include "controls/list_mirror.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "controls/control_model.h"
#include "controls/list_box_ex.h"

namespace nuvopick {
namespace {

// A real list as far as the mirror can tell: its rows, selection and state,
// and a log of every operation on its rows.
struct TRecordingList : TListTarget {
  std::vector<std::string> rows;
  int selection = -1;
  bool enabled = true;
  std::vector<std::string> log;

  void ResetRows(const std::vector<std::string>& all) override {
    rows = all;
    log.push_back("reset " + std::to_string(all.size()));
  }
  void InsertRow(int index, const std::string& row) override {
    rows.insert(rows.begin() + index, row);
    log.push_back("insert " + std::to_string(index) + " " + row);
  }
  void DeleteRow(int index) override {
    rows.erase(rows.begin() + index);
    log.push_back("delete " + std::to_string(index));
  }
  void ShowSelection(int index) override { selection = index; }
  void ShowEnabled(bool value) override { enabled = value; }
};

// A list model, the real list and the mirror between them, subscribed as a
// view subscribes; Notices counts the model's notifications, and every row text
// the mirror asks for goes into the real list's log.
struct TMirroredList {
  TListBoxEx model;
  TRecordingList real;
  TListMirror mirror{model,
                     [this](int index) {
                       real.log.push_back("text " + std::to_string(index));
                       return model.Item(index);
                     },
                     real};
  int notices = 0;
  TMirrorSubscription watch = model.SubscribeChanges([this](const TModelChange& change) {
    ++notices;
    mirror.Show(change);
  });

  void Fill(int count) {
    const TModelUpdate update(model);
    for (int i = 0; i < count; ++i) model.Add("item" + std::to_string(i));
  }
  void ClearRecord() {
    real.log.clear();
    notices = 0;
  }
};

TEST(ListMirrorTest, ABatchReachesTheListOnceWithEveryRow) {
  TMirroredList list;
  list.Fill(3);
  list.ClearRecord();
  {
    const TModelUpdate update(list.model);
    list.model.Clear();
    for (const char* name : {"txt", "doc", "png", "bmp"}) list.model.Add(name);
    list.model.Delete(1);
    EXPECT_EQ(list.notices, 0);
    EXPECT_EQ(list.real.rows.size(), 3u);  // still what the list held before
  }
  EXPECT_EQ(list.notices, 1);
  EXPECT_EQ(list.real.rows, list.model.Items());
  EXPECT_EQ(list.real.rows, (std::vector<std::string>{"txt", "png", "bmp"}));

  // A batch that changes nothing tells nobody.
  list.ClearRecord();
  {
    const TModelUpdate update(list.model);
    list.model.SetItemIndex(-1);
  }
  { const TModelUpdate empty(list.model); }
  EXPECT_EQ(list.notices, 0);
}

TEST(ListMirrorTest, NestedBatchesMirrorWhenTheOutermostEnds) {
  TMirroredList list;
  {
    const TModelUpdate outer(list.model);
    list.model.Add("a");
    {
      const TModelUpdate inner(list.model);
      list.model.Add("b");
      list.model.SetEnabled(false);
    }
    EXPECT_EQ(list.notices, 0);
    EXPECT_TRUE(list.real.rows.empty());
    list.model.Insert(0, "c");
  }
  EXPECT_EQ(list.notices, 1);
  EXPECT_EQ(list.real.rows, (std::vector<std::string>{"c", "a", "b"}));
  EXPECT_FALSE(list.real.enabled);
}

TEST(ListMirrorTest, AHandlerRaisedInsideABatchFindsTheListUpToDate) {
  TMirroredList list;
  std::vector<std::string> seen;
  int seenSelection = -2;
  list.model.OnSelChange = [&] {
    seen = list.real.rows;
    seenSelection = list.real.selection;
  };
  {
    const TModelUpdate update(list.model);
    list.model.Add("txt");
    list.model.Add("doc");
    list.model.SetItemIndex(1);
    // Changes after the event wait for the end of the batch again.
    list.model.Add("png");
    EXPECT_EQ(list.real.rows.size(), 2u);
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"txt", "doc"}));
  EXPECT_EQ(seenSelection, 1);
  EXPECT_EQ(list.real.rows, list.model.Items());
}

TEST(ListMirrorTest, AChangeOfOneRowTouchesThatRowOnly) {
  TMirroredList list;
  list.Fill(5);
  list.model.SetItemIndex(3);
  list.ClearRecord();

  const struct {
    const char* name;
    void (*change)(TListBoxEx& model);
    std::vector<std::string> log;
  } cases[] = {
      {"replace an item",
       [](TListBoxEx& m) { m.SetItem(1, "renamed"); },
       {"text 1", "delete 1", "insert 1 renamed"}},
      {"replace the selected item",
       [](TListBoxEx& m) { m.SetItem(3, "again"); },
       {"text 3", "delete 3", "insert 3 again"}},
      {"add", [](TListBoxEx& m) { m.Add("last"); }, {"text 5", "insert 5 last"}},
      {"insert", [](TListBoxEx& m) { m.Insert(0, "first"); }, {"text 0", "insert 0 first"}},
      {"delete", [](TListBoxEx& m) { m.Delete(2); }, {"delete 2"}},
      {"select", [](TListBoxEx& m) { m.SetItemIndex(0); }, {}},
      {"user selects", [](TListBoxEx& m) { m.UserSelect(4); }, {}},
      {"disable", [](TListBoxEx& m) { m.SetEnabled(false); }, {}},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    test.change(list.model);
    EXPECT_EQ(list.real.log, test.log);
    EXPECT_EQ(list.real.rows, list.model.Items());
    EXPECT_EQ(list.real.selection, list.model.ItemIndex());
    EXPECT_EQ(list.real.enabled, list.model.Enabled());
    list.ClearRecord();
  }
}

TEST(ListMirrorTest, RowsThatReadDifferentlyArePutInAgainOneByOne) {
  // The rows carry a mark the model does not hold.
  TListBoxEx model;
  std::vector<char> marks = {' ', ' ', ' '};
  TRecordingList real;
  TListMirror mirror(
      model, [&](int i) { return marks[i] + std::string("|") + model.Item(i); }, real);
  const TMirrorSubscription watch =
      model.SubscribeChanges([&](const TModelChange& change) { mirror.Show(change); });
  {
    const TModelUpdate update(model);
    for (const char* name : {"a", "b", "c"}) model.Add(name);
  }
  EXPECT_EQ(real.log, (std::vector<std::string>{"reset 3"}));
  real.log.clear();

  marks[2] = 'R';
  mirror.Refresh();
  EXPECT_EQ(real.log, (std::vector<std::string>{"delete 2", "insert 2 R|c"}));
  EXPECT_EQ(real.rows, (std::vector<std::string>{" |a", " |b", "R|c"}));
}

}  // namespace
}  // namespace nuvopick
