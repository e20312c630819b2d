// The four bulk commands on a list of extension records.
#include "shell/bulk_association.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nuvopick {
namespace {

// None, R, M, RM, none again.
TExtList FourKinds() {
  TExtList list;
  const TRegFlags flags[] = {{}, {rlmdExe}, {rlmdContextMenu}, {rlmdExe, rlmdContextMenu}, {}};
  for (const TRegFlags& f : flags)
    list.Add("e" + std::to_string(list.Count()), f, TExeList(), "", 0);
  return list;
}

std::vector<TRegFlags> FlagsOf(const TExtList& list) {
  std::vector<TRegFlags> flags;
  for (int i = 0; i < list.Count(); ++i) flags.push_back(list.Items(i).RegFlags);
  return flags;
}

std::vector<bool> MarksOf(const TExtList& list) {
  std::vector<bool> marks;
  for (int i = 0; i < list.Count(); ++i) marks.push_back(list.Items(i).Modified);
  return marks;
}

TEST(BulkAssociation, EachCommandChangesOnlyItsFlagAndMarksOnlyTheRecordsItChanged) {
  const TRegFlags none, r{rlmdExe}, m{rlmdContextMenu}, rm{rlmdExe, rlmdContextMenu};
  const struct {
    const char* what;
    TBulkCommand command;
    std::vector<TRegFlags> flags;
    std::vector<bool> marks;
  } cases[] = {
      {"allR", kAssociateAll, {r, r, rm, rm, r}, {true, false, true, false, true}},
      {"allM", kContextMenuAll, {m, rm, m, rm, m}, {true, true, false, false, true}},
      {"deallR", kReleaseAll, {none, none, m, m, none}, {false, true, false, true, false}},
      {"deallM", kContextMenuNone, {none, r, none, r, none}, {false, false, true, true, false}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TExtList list = FourKinds();
    EXPECT_TRUE(ApplyBulkCommand(list, c.command));
    EXPECT_EQ(FlagsOf(list), c.flags);
    EXPECT_EQ(MarksOf(list), c.marks);
    // A second run finds everything done.
    for (int i = 0; i < list.Count(); ++i) list.Items(i).Modified = false;
    EXPECT_FALSE(ApplyBulkCommand(list, c.command));
    EXPECT_EQ(FlagsOf(list), c.flags);
    EXPECT_EQ(MarksOf(list), std::vector<bool>(5, false));
  }
  TExtList empty;
  EXPECT_FALSE(ApplyBulkCommand(empty, kAssociateAll));
}

TEST(BulkAssociation, TheCommandsAskTheirOwnQuestions) {
  EXPECT_STREQ(kAssociateAll.Question, "全ての拡張子に関連付けしてよろしいですか?");
  EXPECT_STREQ(kContextMenuAll.Question,
               "全ての拡張子のコンテキストメニューに表示してよろしいですか?");
  EXPECT_STREQ(kReleaseAll.Question, "全ての拡張子の関連付けを外してよろしいですか?");
  EXPECT_STREQ(kContextMenuNone.Question,
               "全ての拡張子のコンテキストメニューから外してよろしいですか?");
}

}  // namespace
}  // namespace nuvopick
