#include "model/ext_info.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/ext_list.h"
#include "support/memory_registry.h"

namespace nuvopick {
namespace {

using testing::MemoryClasses;

class CountingOwner : public IEntryOwner {
 public:
  void EntryModified() override { ++notices; }
  int notices = 0;
};

// The registry shows txt as having context-menu verbs only.
MemoryClasses StoreWithTxtAsContextMenuOnly() {
  MemoryClasses store;
  store.Set(".txt", "NuvoPick_AutoOpen_txt");
  store.Set("NuvoPick_AutoOpen_txt\\NP_OldCommand", "notepad.exe %1");
  store.Set("NuvoPick_AutoOpen_txt\\shell\\open\\command", "notepad.exe %1");
  store.Set("NuvoPick_AutoOpen_txt\\shell\\NP_Menu0", "■メモ帳");
  return store;
}

TEST(ExtInfo, SetModifiedTellsTheOwnerWhateverTheValue) {
  CountingOwner owner;
  TExtInfo record;
  record.Owner = &owner;
  record.SetModified(true);
  record.SetModified(false);
  EXPECT_FALSE(record.Modified);
  EXPECT_EQ(owner.notices, 2);

  TExtInfo orphan;
  orphan.SetModified(true);
  EXPECT_TRUE(orphan.Modified);
}

TEST(ExtInfo, AssignCopiesEverythingButTheOwners) {
  CountingOwner sourceOwner;
  CountingOwner targetOwner;
  TExtInfo source;
  source.Owner = &sourceOwner;
  source.Name = "txt";
  source.IconPath = "C:\\icons\\a.ico";
  source.IconIndex = -3;
  source.Modified = true;
  source.RegFlags = {rlmdExe, rlmdContextMenu};
  source.Apps.Add("メモ帳", "notepad.exe", "C:\\", "\"%1\"", true, 3);
  source.Apps.Items(0).ShortcutKey = TShortcutKey('M', true, false, false);
  source.Apps.Add("ワード", "word.exe", "", "", false, 1);

  TExtInfo target;
  target.Owner = &targetOwner;
  target.Apps = TExeList(&targetOwner);
  target.Apps.Add("old", "", "", "", false, 0);
  target.Assign(source);

  EXPECT_EQ(target.Owner, &targetOwner);
  EXPECT_EQ(target.Name, "txt");
  EXPECT_EQ(target.IconPath, source.IconPath);
  EXPECT_EQ(target.IconIndex, -3);
  EXPECT_TRUE(target.Modified);
  EXPECT_EQ(target.RegFlags, (TRegFlags{rlmdExe, rlmdContextMenu}));
  ASSERT_EQ(target.Apps.Count(), 2);
  EXPECT_EQ(target.Apps.Items(0).Name, "メモ帳");
  EXPECT_EQ(target.Apps.Items(0).Param, "\"%1\"");
  EXPECT_TRUE(target.Apps.Items(0).ShortcutKey.Equals(TShortcutKey('M', true, false, false)));
  EXPECT_EQ(target.Apps.Items(1).Name, "ワード");
  EXPECT_EQ(target.Apps.Items(1).Owner, &targetOwner);
  EXPECT_EQ(sourceOwner.notices + targetOwner.notices, 0);
}

TEST(ExtInfo, FillTestItemsReplacesTheEntriesBySixNames) {
  TExtInfo record;
  record.Apps.Add("old", "a.exe", "", "", false, 1);
  record.FillTestItems();

  std::vector<std::string> names;
  for (int n = 0; n < record.Apps.Count(); ++n) {
    const TExeInfo& entry = record.Apps.Items(n);
    names.push_back(entry.Name);
    EXPECT_EQ(entry.AppPath + entry.DirPath + entry.Param, "");
    EXPECT_FALSE(entry.IsUseCmdp);
    EXPECT_EQ(entry.ShowCmd, 0);
    EXPECT_EQ(entry.ShortcutKey.Key, 0);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"アイテム1", "アイテム2", "アイテム3",
                                             "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "テストモードです",
                                             kAuthorWebPage}));
}

TEST(ExtList, AddTakesTheEntriesAndGivesTheRecordTheListsOwner) {
  CountingOwner listOwner;
  CountingOwner appsOwner;
  TExtList list(&listOwner);
  TExeList apps(&appsOwner);
  apps.Add("メモ帳", "notepad.exe", "", "", false, 1);

  EXPECT_EQ(list.Add("txt", {rlmdExe}, std::move(apps), "a.ico", 2), 0);
  EXPECT_EQ(list.Add("jpg", {}, TExeList(), "", 0), 1);

  const TExtInfo& txt = list.Items(0);
  EXPECT_EQ(txt.Owner, &listOwner);
  EXPECT_EQ(txt.Apps.Owner(), &appsOwner);
  EXPECT_EQ(txt.Apps.Items(0).Name, "メモ帳");
  EXPECT_EQ(txt.RegFlags, TRegFlags{rlmdExe});
  EXPECT_EQ(txt.IconPath + "," + std::to_string(txt.IconIndex), "a.ico,2");
  EXPECT_FALSE(txt.Modified);

  EXPECT_THROW(list.Items(2), std::out_of_range);
  EXPECT_THROW(list.Items(-1), std::out_of_range);
  list.Delete(0);
  EXPECT_EQ(list.Items(0).Name, "jpg");
  EXPECT_THROW(list.Delete(1), std::out_of_range);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

// The file as the setup window writes it on apply: the extension sections, the
// general section with AllExt, then the common entries through a temporary record.
TEST(ExtListFile, SaveWritesEveryKeyInItsPlaceAndLoadReadsItBack) {
  TExtList list;
  TExeList txtApps;
  txtApps.Add("メモ帳", "\"C:\\Program Files\\edit.exe\"", "C:\\docs", "/n \"%1\"", true, 3);
  txtApps.Items(0).ShortcutKey = TShortcutKey('E', true, false, true);
  txtApps.Add("", "b.exe", "", "", false, 0);
  txtApps.Items(1).ShortcutKey = TShortcutKey('7', false, true, false);
  list.Add("txt", {rlmdExe}, std::move(txtApps), "C:\\icons\\表.ico", -2);
  list.Add("jpg", {rlmdExe, rlmdContextMenu}, TExeList(), "", 0);

  TIniFile ini;
  list.Save(ini);
  TExtInfo common;
  common.Name = "<COMMON>";
  common.Apps.Add("共通", "c.exe", "", "", false, 1);
  common.Save(ini);

  EXPECT_EQ(ini.Serialize(),
            "[txt]\r\n"
            "Count=2\r\nIconPath=C:\\icons\\表.ico\r\nIconIndex=-2\r\n"
            "rlmdExe=1\r\nrlmdContextMenu=0\r\n"
            "Name_0=メモ帳\r\nAppPath_0=\"C:\\Program Files\\edit.exe\"\r\n"
            "DirPath_0=C:\\docs\r\nParam_0=/n \"%1\"\r\nIsUseCmdp_0=1\r\nShowCmd_0=3\r\n"
            "SCK_Key_0=69\r\nSCK_Shift_0=1\r\nSCK_Alt_0=0\r\nSCK_Ctrl_0=1\r\n"
            "Name_1=\r\nAppPath_1=b.exe\r\nDirPath_1=\r\nParam_1=\r\nIsUseCmdp_1=0\r\n"
            "ShowCmd_1=0\r\nSCK_Key_1=55\r\nSCK_Shift_1=0\r\nSCK_Alt_1=1\r\nSCK_Ctrl_1=0\r\n"
            "\r\n"
            "[jpg]\r\n"
            "Count=0\r\nIconPath=\r\nIconIndex=0\r\nrlmdExe=1\r\nrlmdContextMenu=1\r\n"
            "\r\n"
            "[]\r\n"
            "AllExt=txt|jpg|\r\n"
            "\r\n"
            "[<COMMON>]\r\n"
            "Count=1\r\nIconPath=\r\nIconIndex=0\r\nrlmdExe=0\r\nrlmdContextMenu=0\r\n"
            "Name_0=共通\r\nAppPath_0=c.exe\r\nDirPath_0=\r\nParam_0=\r\nIsUseCmdp_0=0\r\n"
            "ShowCmd_0=1\r\nSCK_Key_0=0\r\nSCK_Shift_0=0\r\nSCK_Alt_0=0\r\nSCK_Ctrl_0=0\r\n"
            "\r\n");

  // Read back from the bytes, as the next start would.
  const TIniFile file = TIniFile::Parse(ini.Serialize());
  const MemoryClasses store = StoreWithTxtAsContextMenuOnly();
  CountingOwner owner;
  TExtList loaded(&owner);
  loaded.Add("stale", {}, TExeList(), "", 0);
  loaded.Load(file, store);

  ASSERT_EQ(loaded.Count(), 2);
  const TExtInfo& txt = loaded.Items(0);
  EXPECT_EQ(txt.Name, "txt");
  EXPECT_EQ(txt.IconPath, "C:\\icons\\表.ico");
  EXPECT_EQ(txt.IconIndex, -2);
  EXPECT_EQ(txt.Owner, &owner);
  EXPECT_EQ(txt.Apps.Owner(), &owner);
  // The flags come from the registry, not from the file.
  EXPECT_EQ(txt.RegFlags, TRegFlags{rlmdContextMenu});
  ASSERT_EQ(txt.Apps.Count(), 2);
  const TExeInfo& first = txt.Apps.Items(0);
  EXPECT_EQ(first.Name, "メモ帳");
  EXPECT_EQ(first.AppPath, "\"C:\\Program Files\\edit.exe\"");
  EXPECT_EQ(first.DirPath, "C:\\docs");
  EXPECT_EQ(first.Param, "/n \"%1\"");
  EXPECT_TRUE(first.IsUseCmdp);
  EXPECT_EQ(first.ShowCmd, 3);
  EXPECT_TRUE(first.ShortcutKey.Equals(TShortcutKey('E', true, false, true)));
  // An empty name stays empty rather than becoming the placeholder.
  EXPECT_EQ(txt.Apps.Items(1).Name, "");
  EXPECT_EQ(txt.Apps.Items(1).ShowCmd, 0);
  EXPECT_TRUE(txt.Apps.Items(1).ShortcutKey.Equals(TShortcutKey('7', false, true, false)));

  const TExtInfo& jpg = loaded.Items(1);
  EXPECT_EQ(jpg.Name, "jpg");
  EXPECT_EQ(jpg.Apps.Count(), 0);
  EXPECT_TRUE(jpg.RegFlags.Empty());

  TExtInfo loadedCommon;
  loadedCommon.Name = "<COMMON>";
  loadedCommon.Load(file, store);
  ASSERT_EQ(loadedCommon.Apps.Count(), 1);
  EXPECT_EQ(loadedCommon.Apps.Items(0).Name, "共通");
}

TEST(ExtListFile, AnEmptyListWritesAnEmptyAllExt) {
  TIniFile ini;
  TExtList().Save(ini);
  EXPECT_EQ(ini.Serialize(), "[]\r\nAllExt=\r\n\r\n");
}

// Hand-edited sections of the record txt: what its entries load as.
TEST(ExtInfoFile, HandEditedEntryKeys) {
  const struct {
    const char* section;
    std::vector<std::string> names;
    std::vector<int> showCmds;
    std::vector<int> keys;
  } cases[] = {
      {"Count=2\nName_1=b", {"名称不明0", "b"}, {1, 1}, {0, 0}},
      {"Count=1\nName_0=\nShowCmd_0=", {""}, {1}, {0}},
      {"Count=1\nShowCmd_0=abc", {"名称不明0"}, {1}, {0}},
      {"Count=1\nShowCmd_0=0x3", {"名称不明0"}, {3}, {0}},
      {"Count=1\nSCK_Key_0=97", {"名称不明0"}, {1}, {0}},
      {"Count=1\nSCK_Key_0=321", {"名称不明0"}, {1}, {'A'}},
      {"Count=1\nSCK_Key_0=zz", {"名称不明0"}, {1}, {0}},
      {"Name_0=a", {}, {}, {}},
      {"Count=0\nName_0=a", {}, {}, {}},
      {"Count=-5\nName_0=a", {}, {}, {}},
      {"Count=x\nName_0=a", {}, {}, {}},
      {"Count=1\nName_0=a\nName_1=b", {"a"}, {1}, {0}},
  };
  const MemoryClasses store;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.section);
    TExtInfo record;
    record.Name = "txt";
    record.Load(TIniFile::Parse(std::string("[TXT]\n") + c.section), store);
    std::vector<std::string> names;
    std::vector<int> showCmds;
    std::vector<int> keys;
    for (int n = 0; n < record.Apps.Count(); ++n) {
      names.push_back(record.Apps.Items(n).Name);
      showCmds.push_back(record.Apps.Items(n).ShowCmd);
      keys.push_back(record.Apps.Items(n).ShortcutKey.Key);
    }
    EXPECT_EQ(names, c.names);
    EXPECT_EQ(showCmds, c.showCmds);
    EXPECT_EQ(keys, c.keys);
  }
}

TEST(ExtInfoFile, AHandEditedHugeCountIsBounded) {
  TExtInfo record;
  record.Name = "txt";
  record.Load(TIniFile::Parse("[txt]\nCount=2147483647\nName_1=b\n"), MemoryClasses());
  ASSERT_EQ(record.Apps.Count(), kMaxEntryCount);
  EXPECT_EQ(record.Apps.Items(1).Name, "b");
  EXPECT_EQ(record.Apps.Items(kMaxEntryCount - 1).Name,
            "名称不明" + std::to_string(kMaxEntryCount - 1));
}

TEST(ExtInfoFile, LoadEntryAppendsOneEntryNamedAfterThePositionItTakes) {
  TExtInfo record;
  record.Name = "txt";
  record.Apps.Add("kept", "", "", "", false, 1);
  const TIniFile ini = TIniFile::Parse("[txt]\nCount=0\n");
  record.LoadEntry(ini, 0);
  ASSERT_EQ(record.Apps.Count(), 2);
  EXPECT_EQ(record.Apps.Items(1).Name, "名称不明1");
  EXPECT_EQ(record.Apps.Items(1).ShowCmd, 1);
}

TEST(ExtListFile, AllExtWithAnEmptyNameAndASectionMissing) {
  const TIniFile ini = TIniFile::Parse(
      "[]\nAllExt=txt||jpg\nMoveLen=5\n"
      "[txt]\nCount=1\nName_0=メモ帳\nIconPath=a.ico\n");
  TExtList list;
  list.Load(ini, MemoryClasses());
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Items(0).Name, "txt");
  EXPECT_EQ(list.Items(0).Apps.Count(), 1);
  // The record "" reads the general section, which has no Count.
  EXPECT_EQ(list.Items(1).Name, "");
  EXPECT_EQ(list.Items(1).Apps.Count(), 0);
  EXPECT_EQ(list.Items(2).Name, "jpg");
  EXPECT_EQ(list.Items(2).Apps.Count(), 0);
  EXPECT_EQ(list.Items(2).IconPath, "");

  list.Load(TIniFile(), MemoryClasses());
  EXPECT_EQ(list.Count(), 0);
}

TEST(ExtList, SplitList) {
  const struct {
    const char* text;
    std::vector<std::string> pieces;
  } cases[] = {
      {"", {}},
      {"txt|jpg|", {"txt", "jpg"}},
      {"|txt", {"txt"}},
      {"txt", {"txt"}},
      {"a||b", {"a", "", "b"}},
      {"a||", {"a"}},
      {"|", {}},
      {"||", {}},
      {"||a", {"", "a"}},
      // The second byte of "ポ" is the bar.
      {"ポ|txt|", {"ポ", "txt"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::vector<std::string> pieces{"before"};
    TExtList::SplitList(c.text, pieces, '|');
    pieces.erase(pieces.begin());
    EXPECT_EQ(pieces, c.pieces);
  }
}

}  // namespace
}  // namespace nuvopick
