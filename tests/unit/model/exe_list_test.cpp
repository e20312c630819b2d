#include "model/exe_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace nuvopick {
namespace {

// Records every notice, with the mark it found on the entry at that moment.
class RecordingOwner : public IEntryOwner {
 public:
  explicit RecordingOwner(const TExeInfo* watched = nullptr) : watched_(watched) {}
  void EntryModified() override { marks.push_back(watched_ != nullptr && watched_->Modified); }
  std::vector<bool> marks;

 private:
  const TExeInfo* watched_;
};

TEST(ExeInfo, ANewEntryIsBlank) {
  const TExeInfo entry;
  EXPECT_EQ(entry.Owner, nullptr);
  EXPECT_EQ(entry.Name + entry.AppPath + entry.DirPath + entry.Param, "");
  EXPECT_FALSE(entry.IsUseCmdp);
  EXPECT_EQ(entry.ShowCmd, 0);
  EXPECT_FALSE(entry.Modified);
  EXPECT_TRUE(entry.ShortcutKey.Equals(TShortcutKey()));
}

TEST(ExeInfo, SetModifiedNotifiesTheOwnerAfterSettingAndAfterClearing) {
  TExeInfo entry;
  RecordingOwner owner(&entry);
  entry.Owner = &owner;
  entry.SetModified(true);
  entry.SetModified(false);
  entry.SetModified(false);
  EXPECT_EQ(owner.marks, (std::vector<bool>{true, false, false}));

  TExeInfo orphan;
  orphan.SetModified(true);  // no owner: nobody to tell, and no fault
  EXPECT_TRUE(orphan.Modified);
}

TEST(ExeInfo, AssignCopiesTheMarkButNotTheOwner) {
  RecordingOwner sourceOwner;
  RecordingOwner targetOwner;
  TExeInfo source;
  source.Owner = &sourceOwner;
  source.Name = "メモ帳";
  source.AppPath = "\"C:\\Program Files\\edit.exe\"";
  source.DirPath = "C:\\docs";
  source.Param = "\"%1\"";
  source.IsUseCmdp = true;
  source.ShowCmd = 3;
  source.Modified = true;
  source.ShortcutKey = TShortcutKey('E', true, false, true);

  TExeInfo target;
  target.Owner = &targetOwner;
  target.Assign(source);

  EXPECT_EQ(target.Owner, &targetOwner);
  EXPECT_EQ(target.Name, source.Name);
  EXPECT_EQ(target.AppPath, source.AppPath);
  EXPECT_EQ(target.DirPath, source.DirPath);
  EXPECT_EQ(target.Param, source.Param);
  EXPECT_TRUE(target.IsUseCmdp);
  EXPECT_EQ(target.ShowCmd, 3);
  EXPECT_TRUE(target.Modified);
  EXPECT_TRUE(target.ShortcutKey.Equals(source.ShortcutKey));
  EXPECT_TRUE(sourceOwner.marks.empty() && targetOwner.marks.empty());
}

TEST(ExeList, AddAndAddEntryReturnPositionsAndHandOverTheListsOwner) {
  RecordingOwner owner;
  TExeList list(&owner);
  EXPECT_EQ(list.Add("a", "a.exe", "C:\\", "\"%1\"", true, 5), 0);
  EXPECT_EQ(list.Add("", "", "", "", false, 0), 1);
  auto entry = std::make_unique<TExeInfo>();
  entry->Name = "c";
  EXPECT_EQ(list.AddEntry(std::move(entry)), 2);
  ASSERT_EQ(list.Count(), 3);

  const TExeInfo& first = list.Items(0);
  EXPECT_EQ(first.Name, "a");
  EXPECT_EQ(first.AppPath, "a.exe");
  EXPECT_EQ(first.DirPath, "C:\\");
  EXPECT_EQ(first.Param, "\"%1\"");
  EXPECT_TRUE(first.IsUseCmdp);
  EXPECT_EQ(first.ShowCmd, 5);
  EXPECT_FALSE(first.Modified);
  for (int i = 0; i < list.Count(); ++i) EXPECT_EQ(list.Items(i).Owner, &owner);
  EXPECT_EQ(list.Items(2).Name, "c");
}

TEST(ExeList, InsertKeepsTheEntrysOwnerAndDeleteAndClearRemove) {
  RecordingOwner listOwner;
  RecordingOwner otherOwner;
  TExeList list(&listOwner);
  list.Add("a", "", "", "", false, 0);
  list.Add("c", "", "", "", false, 0);

  auto inserted = std::make_unique<TExeInfo>();
  inserted->Name = "b";
  inserted->Owner = &otherOwner;
  list.Insert(1, std::move(inserted));
  auto appended = std::make_unique<TExeInfo>();
  appended->Name = "d";
  list.Insert(3, std::move(appended));

  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Items(0).Name + list.Items(1).Name + list.Items(2).Name + list.Items(3).Name,
            "abcd");
  EXPECT_EQ(list.Items(1).Owner, &otherOwner);
  EXPECT_EQ(list.Items(3).Owner, nullptr);

  list.Delete(0);
  EXPECT_EQ(list.Items(0).Name, "b");
  EXPECT_EQ(list.Count(), 3);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(ExeList, PositionsOutOfRangeAreReported) {
  TExeList list;
  list.Add("a", "", "", "", false, 0);
  const TExeList& constList = list;
  EXPECT_THROW(list.Items(-1), std::out_of_range);
  EXPECT_THROW(list.Items(1), std::out_of_range);
  EXPECT_THROW(constList.Items(1), std::out_of_range);
  EXPECT_THROW(list.Delete(1), std::out_of_range);
  EXPECT_THROW(list.Insert(2, std::make_unique<TExeInfo>()), std::out_of_range);
  EXPECT_THROW(list.Insert(-1, std::make_unique<TExeInfo>()), std::out_of_range);
  EXPECT_EQ(list.Count(), 1);
}

}  // namespace
}  // namespace nuvopick
