// "regbackup.ini" across the setup window's registry work: read once and written
// at most once per apply, per start and per end, before the class store is
// touched, and not at all when no Ref changes.
#include <algorithm>
#include <gtest/gtest.h>
#include <string>

#include "setup_fixture.h"

namespace nuvopick {
namespace {

constexpr char kBackup[] = "C:\\Tools\\regbackup.ini";
constexpr char kOurCommand[] = "\"C:\\Tools\\np.exe\" \"%1\"";

long Count(const std::vector<std::string>& paths, const std::string& path) {
  return std::count(paths.begin(), paths.end(), path);
}

class BackupTest : public SetupTest {
 protected:
  // Three extensions with types of their own, and txt already the program's
  // for this user, its open command since changed by someone else, so an apply
  // rewrites it.
  void ArrangeTypes() {
    for (const char* ext : {"aaa", "bbb", "ccc"}) {
      store.Set(std::string(".") + ext, std::string(ext) + "file");
      store.Set(std::string(ext) + "file\\shell\\open\\command", std::string(ext) + ".exe %1");
    }
    store.Set(".txt", "txtfile");
    store.user.Set(ClassesPath(".txt"), "", "NuvoPick_AutoOpen_txt");
    store.user.Set(ClassesPath("NuvoPick_AutoOpen_txt\\shell\\open\\command"), "", "other.exe %1");
    files.files[kBackup] = "[txt]\r\nRef=txtfile\r\n\r\n";
  }

  // The class store as it was when the backup was last written.
  void WatchBackupWrites() {
    files.beforeWrite = [this](const std::string& path) {
      if (path == kBackup) storeAtBackupWrite = store.DumpAll();
    };
  }

  void ForgetFileAccess() {
    files.reads.clear();
    files.writes.clear();
  }

  std::string storeAtBackupWrite = "<not written>";
};

TEST_F(BackupTest, AnApplyReadsTheBackupOnceAndWritesItOnceBeforeTheClassStore) {
  for (const bool refused : {false, true}) {
    SCOPED_TRACE(refused ? "write refused" : "written");
    store = testing::MemoryClasses();
    files = testing::MemoryFileSystem();
    messages.shown.clear();
    ArrangeTypes();
    TForm_setup& f = Start("[]\r\nAllExt=txt|aaa|bbb|ccc|\r\n");
    for (int i = 1; i < 4; ++i) f.ExtList().Items(i).RegFlags = {rlmdExe};
    if (refused) files.refusedWrites.insert(kBackup);
    WatchBackupWrites();
    ForgetFileAccess();
    const std::string before = store.DumpAll();

    EXPECT_EQ(Run([&] { f.Button_applyClick(); }), !refused);

    EXPECT_EQ(Count(files.reads, kBackup), 1);
    EXPECT_EQ(Count(files.writes, kBackup), 1);
    EXPECT_EQ(storeAtBackupWrite, before);
    // The extension that needed no backup is done either way.
    EXPECT_EQ(store.Dump("NuvoPick_AutoOpen_txt\\shell\\open\\command"), kOurCommand);
    EXPECT_FALSE(f.ExtList().Items(0).Modified);
    if (refused) {
      const std::string error = ": 'C:\\Tools\\regbackup.ini' の書き込みに失敗しました";
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0].Text, "次の拡張子の関連付けを処理できませんでした。\r\naaa" +
                                            error + "\r\nbbb" + error + "\r\nccc" + error);
      EXPECT_EQ(files.files[kBackup], "[txt]\r\nRef=txtfile\r\n\r\n");
      EXPECT_EQ(store.Dump(".bbb"), "bbbfile");
      EXPECT_EQ(store.Dump("NuvoPick_AutoOpen_bbb"), "<no key>");
      EXPECT_TRUE(f.ExtList().Items(2).Modified);
    } else {
      EXPECT_EQ(files.files[kBackup],
                "[txt]\r\nRef=txtfile\r\n\r\n[aaa]\r\nRef=aaafile\r\n\r\n"
                "[bbb]\r\nRef=bbbfile\r\n\r\n[ccc]\r\nRef=cccfile\r\n\r\n");
      EXPECT_EQ(store.Dump(".ccc"), "NuvoPick_AutoOpen_ccc");
      EXPECT_FALSE(f.ExtList().Items(2).Modified);
    }
  }
}

TEST_F(BackupTest, ATakeOverThatRecordsTheSameRefAgainWritesNothing) {
  ArrangeTypes();
  TForm_setup& f = Start("[]\r\nAllExt=aaa|bbb|\r\n");
  for (int i = 0; i < 2; ++i) f.ExtList().Items(i).RegFlags = {rlmdExe};
  ASSERT_TRUE(Run([&] { f.Button_applyClick(); }));
  const std::string backup = files.files[kBackup];
  // Given back: the Refs stay in the file for the next take-over.
  for (int i = 0; i < 2; ++i) f.ExtList().Items(i).RegFlags = {};
  ASSERT_TRUE(Run([&] { f.Button_applyClick(); }));
  ASSERT_EQ(store.Dump(".aaa"), "aaafile");
  for (int i = 0; i < 2; ++i) f.ExtList().Items(i).RegFlags = {rlmdExe};
  ForgetFileAccess();

  ASSERT_TRUE(Run([&] { f.Button_applyClick(); }));

  EXPECT_EQ(Count(files.writes, kBackup), 0);
  EXPECT_EQ(files.files[kBackup], backup);
  EXPECT_EQ(store.Dump(".bbb"), "NuvoPick_AutoOpen_bbb");
}

TEST_F(BackupTest, AssociatingOnlyWhileRunningReadsTheBackupOnceAtTheStartAndOnceAtTheEnd) {
  // The first start records the Refs in one write; a later one finds them there.
  for (const bool recorded : {false, true}) {
    SCOPED_TRACE(recorded ? "Refs recorded" : "no backup yet");
    store = testing::MemoryClasses();
    files = testing::MemoryFileSystem();
    ArrangeTypes();
    files.files.erase(kBackup);
    store.user.DeleteTree(ClassesPath(".txt"));
    store.user.DeleteTree(ClassesPath("NuvoPick_AutoOpen_txt"));
    if (recorded) {
      files.files[kBackup] =
          "[aaa]\r\nRef=aaafile\r\n\r\n[bbb]\r\nRef=bbbfile\r\n\r\n[ccc]\r\nRef=cccfile\r\n\r\n";
    }
    const std::string before = store.DumpAll();
    WatchBackupWrites();

    TForm_setup& f = Start(
        "[]\r\nIsRelOnExe=1\r\nAllExt=aaa|bbb|ccc|\r\n[aaa]\r\nrlmdExe=1\r\n"
        "[bbb]\r\nrlmdExe=1\r\n[ccc]\r\nCount=1\r\nName_0=Ed\r\nrlmdContextMenu=1\r\n");
    EXPECT_EQ(store.Dump(".ccc"), "NuvoPick_AutoOpen_ccc");
    EXPECT_EQ(Count(files.reads, kBackup), 1);
    EXPECT_EQ(Count(files.writes, kBackup), recorded ? 0 : 1);
    if (!recorded) {
      EXPECT_EQ(storeAtBackupWrite, before);
    }
    ForgetFileAccess();

    f.FormDestroy();
    EXPECT_EQ(store.DumpAll(), before);
    EXPECT_EQ(Count(files.reads, kBackup), 1);
    EXPECT_EQ(Count(files.writes, kBackup), 0);
  }
}

}  // namespace
}  // namespace nuvopick
