// Taking extensions over and giving them back in Wine's real registry: the
// previous types in the machine's classes, the program's in the user's.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win/win_file_system.h"
#include "settings/ini_file.h"
#include "shell/registry_association.h"
#include "support/win/real_registry.h"
#include "support/win/temp_folder.h"

namespace nuvopick {
namespace {

// Extension and type names unique to this process, removed before and after.
class RegistryAssociationWinTest : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }

  void Clean() {
    testing::DeleteTestClasses(
        {"." + ext, "." + bare, type, "NuvoPick_AutoOpen_" + ext, "NuvoPick_AutoOpen_" + bare});
  }

  std::string Read(const std::string& path) const {
    return store.ReadDefault(path).value_or("<no key>");
  }

  TExtInfo Record(const std::string& name, TRegFlags flags) {
    TExtInfo record;
    record.Name = name;
    record.RegFlags = flags;
    record.Apps.Add("エディタ", "\"C:\\Program Files\\ed.exe\"", "", "\"%1\"", false, 1);
    record.Apps.Add("ビューア", "C:\\v.exe", "", "/view %1", false, 1);
    return record;
  }

  const std::string suffix = std::to_string(GetCurrentProcessId());
  const std::string ext = "nptest" + suffix;
  const std::string bare = "npbare" + suffix;
  const std::string type = "NpTestType" + suffix;
  testing::TTempFolder folder{"association"};
  const std::string exe = folder / "NuvoPick.exe";
  IRegistryHive& user = testing::RealHives().User;
  IRegistryHive& machine = testing::RealHives().Machine;
  TClassStoreView store = testing::ShellClasses();
  TClassStoreView machineClasses = ClassesOf(machine);
  win::TWinFileSystem files;
  TRegistryAssociation association{{testing::RealHives(), files, exe}};
};

TEST_F(RegistryAssociationWinTest, TakesATypedExtensionOverAndGivesItBackIntact) {
  const std::string t = "NuvoPick_AutoOpen_" + ext;
  machineClasses.WriteDefault("." + ext, type);
  machineClasses.WriteDefault(type, "テスト文書");
  machineClasses.WriteDefault(type + "\\DefaultIcon", "C:\\icons\\doc.ico,2");
  machineClasses.WriteDefault(type + "\\shell\\open\\command", "notepad.exe %1");
  machineClasses.WriteDefault(type + "\\shell\\print\\command", "notepad.exe /p %1");

  TExtInfo record = Record(ext, {rlmdExe});
  association.ApplyRegistration(record, "■");
  EXPECT_EQ(record.GetRegState(store), TRegFlags({rlmdExe}));
  EXPECT_EQ(Read("." + ext), t);
  // Made in the user's classes; the machine's still name the previous type.
  EXPECT_TRUE(user.KeyExists(ClassesPath(t)));
  EXPECT_FALSE(machine.KeyExists(ClassesPath(t)));
  EXPECT_EQ(machineClasses.ReadDefault("." + ext).value_or("?"), type);
  EXPECT_EQ(Read(t), "テスト文書");
  EXPECT_EQ(Read(t + "\\NP_OldCommand"), "notepad.exe %1");
  EXPECT_EQ(Read(t + "\\shell"), "open");
  EXPECT_EQ(Read(t + "\\shell\\open"), "NuvoPickで開く");
  EXPECT_EQ(Read(t + "\\shell\\open\\command"), "\"" + exe + "\" \"%1\"");
  // A record without an icon of its own shows the program's document icon.
  EXPECT_EQ(Read(t + "\\DefaultIcon"), exe + ",1");
  EXPECT_EQ(testing::ReadFileText(folder / "regbackup.ini"),
            "[" + ext + "]\r\nRef=" + type + "\r\n\r\n");

  // Context menu only: the open command goes back to the previous one.
  record.RegFlags = {rlmdContextMenu};
  association.ApplyRegistration(record, "■");
  EXPECT_EQ(record.GetRegState(store), TRegFlags({rlmdContextMenu}));
  EXPECT_EQ(Read(t + "\\shell\\open\\command"), "notepad.exe %1");
  EXPECT_EQ(Read(t + "\\shell\\NP_Menu0"), "■エディタ");
  EXPECT_EQ(Read(t + "\\shell\\NP_Menu0\\command"), "\"C:\\Program Files\\ed.exe\" \"%1\"");
  EXPECT_EQ(Read(t + "\\shell\\NP_Menu1\\command"), "\"C:\\v.exe\" /view %1");

  // Both, then one entry fewer: the menu verbs are rewritten whole.
  record.RegFlags = {rlmdExe, rlmdContextMenu};
  record.Apps.Delete(0);
  association.ApplyRegistration(record, "");
  EXPECT_EQ(record.GetRegState(store), TRegFlags({rlmdExe, rlmdContextMenu}));
  EXPECT_EQ(Read(t + "\\shell\\NP_Menu0"), "ビューア");
  EXPECT_FALSE(store.KeyExists(t + "\\shell\\NP_Menu1"));
  EXPECT_EQ(Read(t + "\\shell\\open\\command"), "\"" + exe + "\" \"%1\"");

  // Given back: the previous type and everything under it as it was.
  record.RegFlags = {};
  association.ApplyRegistration(record, "");
  EXPECT_TRUE(record.GetRegState(store).Empty());
  EXPECT_EQ(Read("." + ext), type);
  EXPECT_FALSE(store.KeyExists(t));
  EXPECT_FALSE(user.KeyExists(ClassesPath("." + ext)));
  EXPECT_EQ(Read(type), "テスト文書");
  EXPECT_EQ(Read(type + "\\DefaultIcon"), "C:\\icons\\doc.ico,2");
  EXPECT_EQ(Read(type + "\\shell\\open\\command"), "notepad.exe %1");
  EXPECT_EQ(Read(type + "\\shell\\print\\command"), "notepad.exe /p %1");
}

TEST_F(RegistryAssociationWinTest, AnExtensionWithoutATypeGetsOneAndLosesItAgain) {
  const std::string t = "NuvoPick_AutoOpen_" + bare;
  TExtInfo record = Record(bare, {rlmdExe});
  association.ApplyRegistration(record, "");
  EXPECT_EQ(record.GetRegState(store), TRegFlags({rlmdExe}));
  EXPECT_EQ(Read(t), "NPBARE" + suffix + "ファイル");
  EXPECT_EQ(Read(t + "\\NP_OldCommand"), "");
  EXPECT_EQ(Read(t + "\\DefaultIcon"), exe + ",1");

  record.RegFlags = {rlmdContextMenu};
  association.ApplyRegistration(record, "");
  EXPECT_EQ(Read(t + "\\shell\\open\\command"), "");

  record.RegFlags = {};
  association.ApplyRegistration(record, "");
  EXPECT_FALSE(store.KeyExists("." + bare));
  EXPECT_FALSE(store.KeyExists(t));
}

}  // namespace
}  // namespace nuvopick
