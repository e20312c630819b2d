#include "shell/registry_association.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

#include "support/memory_file_system.h"
#include "support/memory_registry.h"

namespace nuvopick {
namespace {

using testing::MemoryClasses;
using testing::MemoryFileSystem;
using testing::TValueType;

constexpr char kExe[] = "C:\\Tools\\np.exe";
constexpr char kBackupPath[] = "C:\\Tools\\regbackup.ini";
constexpr char kOurCommand[] = "\"C:\\Tools\\np.exe\" \"%1\"";

class RegistryAssociationTest : public ::testing::Test {
 protected:
  // The text file type as a system has it: description, icon, verbs open and print.
  void ArrangeTxtFile() {
    store.Set(".txt", "txtfile");
    store.SetNamed(".txt", "Content Type", "text/plain");
    store.Set(".txt\\ShellNew", "");
    store.Set("txtfile", "テキスト文書");
    store.Set("txtfile\\DefaultIcon", "%SystemRoot%\\system32\\imageres.dll,-102",
              TValueType::ExpandString);
    store.Set("txtfile\\shell\\open\\command", "notepad.exe %1");
    store.Set("txtfile\\shell\\print\\command", "notepad.exe /p %1");
  }

  static TExtInfo Record(const std::string& name, TRegFlags flags) {
    TExtInfo record;
    record.Name = name;
    record.RegFlags = flags;
    return record;
  }

  // The keys at and below Path, one "path=value" a line.
  std::string Tree(const std::string& path) {
    std::string out;
    const std::string all = store.DumpClasses();
    for (std::size_t begin = 0; begin < all.size();) {
      const std::size_t end = all.find('\n', begin) + 1;
      const std::string line = all.substr(begin, end - begin);
      if (line.rfind(path + "=", 0) == 0 || line.rfind(path + "\\", 0) == 0) out += line;
      begin = end;
    }
    return out;
  }

  std::string Backup() const {
    auto it = files.files.find(kBackupPath);
    return it == files.files.end() ? "<no file>" : it->second;
  }

  MemoryClasses store;
  MemoryFileSystem files;
  TRegistryAssociation association{{store.Hives(), files, kExe}};
};

TEST_F(RegistryAssociationTest, TakesAnExtensionOverAndGivesItBackAsItWas) {
  ArrangeTxtFile();
  const std::string before = store.DumpAll();
  TExtInfo txt = Record("txt", {rlmdExe, rlmdContextMenu});
  txt.Apps.Add("メモ帳", "\"C:\\Windows\\notepad.exe\"", "", "\"%1\"", false, 1);
  txt.Apps.Add("印刷", "C:\\p.exe", "", "/p %1", false, 1);

  association.ApplyRegistration(txt, "■");

  EXPECT_EQ(Backup(), "[txt]\r\nRef=txtfile\r\n\r\n");
  EXPECT_EQ(store.Dump(".txt"), "NuvoPick_AutoOpen_txt");
  EXPECT_EQ(Tree("NuvoPick_AutoOpen_txt"),
            "NuvoPick_AutoOpen_txt=テキスト文書\n"
            "NuvoPick_AutoOpen_txt\\DefaultIcon=C:\\Tools\\np.exe,1\n"
            "NuvoPick_AutoOpen_txt\\NP_OldCommand=notepad.exe %1\n"
            "NuvoPick_AutoOpen_txt\\NP_OldType=txtfile\n"
            "NuvoPick_AutoOpen_txt\\shell=open\n"
            "NuvoPick_AutoOpen_txt\\shell\\NP_Menu0=■メモ帳\n"
            "NuvoPick_AutoOpen_txt\\shell\\NP_Menu0\\command=\"C:\\Windows\\notepad.exe\" \"%1\"\n"
            "NuvoPick_AutoOpen_txt\\shell\\NP_Menu1=■印刷\n"
            "NuvoPick_AutoOpen_txt\\shell\\NP_Menu1\\command=\"C:\\p.exe\" /p %1\n"
            "NuvoPick_AutoOpen_txt\\shell\\open=NuvoPickで開く\n"
            "NuvoPick_AutoOpen_txt\\shell\\open\\command=\"C:\\Tools\\np.exe\" \"%1\"\n");
  // A new type shows the program's icon, and the record learns it.
  EXPECT_EQ(txt.IconPath + "," + std::to_string(txt.IconIndex), "C:\\Tools\\np.exe,1");
  EXPECT_EQ(txt.GetRegState(store), (TRegFlags{rlmdExe, rlmdContextMenu}));

  // Context-menu verbs only: the previous command opens the file again.
  txt.RegFlags = {rlmdContextMenu};
  association.ApplyRegistration(txt, "■");
  EXPECT_EQ(store.Dump("NuvoPick_AutoOpen_txt\\shell\\open\\command"), "notepad.exe %1");
  EXPECT_EQ(txt.GetRegState(store), TRegFlags{rlmdContextMenu});
  EXPECT_EQ(Backup(), "[txt]\r\nRef=txtfile\r\n\r\n");

  txt.RegFlags = {};
  association.ApplyRegistration(txt, "■");
  EXPECT_EQ(store.DumpAll(), before);
  EXPECT_FALSE(store.KeyIsEmpty(".txt"));
  EXPECT_TRUE(txt.GetRegState(store).Empty());
  EXPECT_EQ(Backup(), "[txt]\r\nRef=txtfile\r\n\r\n");
}

TEST_F(RegistryAssociationTest, AnExtensionWithoutAnyType) {
  TExtInfo xyz = Record("xyz", {rlmdExe});
  association.ApplyRegistration(xyz, "");

  EXPECT_EQ(Backup(), "[xyz]\r\nRef=\r\n\r\n");
  EXPECT_EQ(Tree("NuvoPick_AutoOpen_xyz"),
            "NuvoPick_AutoOpen_xyz=XYZファイル\n"
            "NuvoPick_AutoOpen_xyz\\DefaultIcon=C:\\Tools\\np.exe,1\n"
            "NuvoPick_AutoOpen_xyz\\NP_OldCommand=\n"
            "NuvoPick_AutoOpen_xyz\\NP_OldType=\n"
            "NuvoPick_AutoOpen_xyz\\shell=open\n"
            "NuvoPick_AutoOpen_xyz\\shell\\open=NuvoPickで開く\n"
            "NuvoPick_AutoOpen_xyz\\shell\\open\\command=\"C:\\Tools\\np.exe\" \"%1\"\n");
  EXPECT_EQ(xyz.GetRegState(store), TRegFlags{rlmdExe});

  // With the open command off, the extension has an empty one.
  xyz.RegFlags = {rlmdContextMenu};
  association.ApplyRegistration(xyz, "");
  EXPECT_EQ(store.Dump("NuvoPick_AutoOpen_xyz\\shell\\open\\command"), "");

  association.Unregister(xyz);
  EXPECT_EQ(store.DumpAll(), MemoryClasses().DumpAll());
}

TEST_F(RegistryAssociationTest, ThePreviousCommandIsTheOneOfThePreviousTypesDefaultVerb) {
  const struct {
    const char* what;
    const char* shellDefault;  // nullptr: the type's shell key has no default value
    const char* savedCommand;
  } cases[] = {
      {"default verb named", "edit", "edit.exe %1"},
      {"empty default", "", "open.exe %1"},
      {"no default", nullptr, "open.exe %1"},
      {"named verb without command", "print", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryClasses types;
    types.Set(".abc", "abcfile");
    types.Set("abcfile\\shell\\open\\command", "open.exe %1");
    types.Set("abcfile\\shell\\edit\\command", "edit.exe %1");
    if (c.shellDefault != nullptr) types.Set("abcfile\\shell", c.shellDefault);
    TRegistryAssociation onTypes({types.Hives(), files, kExe});
    TExtInfo abc = Record("abc", {rlmdExe});
    onTypes.CreateFileType(abc);
    EXPECT_EQ(types.Dump("NuvoPick_AutoOpen_abc\\NP_OldCommand"), c.savedCommand);
    // No description: the extension's name stands in.
    EXPECT_EQ(types.Dump("NuvoPick_AutoOpen_abc"), "ABCファイル");
  }
}

TEST_F(RegistryAssociationTest, ATypeSharedByTwoExtensions) {
  store.Set(".htm", "htmlfile");
  store.Set(".html", "htmlfile");
  store.Set("htmlfile", "HTML 文書");
  store.Set("htmlfile\\shell\\open\\command", "browser.exe %1");
  const std::string sharedType = Tree("htmlfile");
  TExtInfo htm = Record("htm", {rlmdExe});
  TExtInfo html = Record("html", {rlmdExe});

  association.ApplyRegistration(htm, "");
  association.ApplyRegistration(html, "");
  EXPECT_EQ(Backup(), "[htm]\r\nRef=htmlfile\r\n\r\n[html]\r\nRef=htmlfile\r\n\r\n");
  EXPECT_EQ(store.Dump("NuvoPick_AutoOpen_htm\\NP_OldCommand"), "browser.exe %1");
  EXPECT_EQ(store.Dump("NuvoPick_AutoOpen_html\\NP_OldCommand"), "browser.exe %1");

  htm.RegFlags = {};
  association.ApplyRegistration(htm, "");
  EXPECT_EQ(store.Dump(".htm"), "htmlfile");
  EXPECT_FALSE(store.KeyExists("NuvoPick_AutoOpen_htm"));
  EXPECT_EQ(html.GetRegState(store), TRegFlags{rlmdExe});
  EXPECT_EQ(Tree("htmlfile"), sharedType);
}

TEST_F(RegistryAssociationTest, MenuVerbsAreRewrittenWhole) {
  TExtInfo txt = Record("txt", {rlmdContextMenu});
  for (const char* name : {"a", "b", "c"}) txt.Apps.Add(name, "a.exe", "", "%1", false, 1);
  store.Set("NuvoPick_AutoOpen_txt\\shell\\open\\command", "x");
  store.Set("NuvoPick_AutoOpen_txt\\shell\\np_menu9", "someone else's");

  association.WriteMenuVerbs(txt, "");
  txt.Apps.Delete(2);
  txt.Apps.Delete(1);
  association.WriteMenuVerbs(txt, "");
  EXPECT_EQ(store.SubkeyNames("NuvoPick_AutoOpen_txt\\shell"),
            (std::vector<std::string>{"NP_Menu0", "np_menu9", "open"}));
  EXPECT_EQ(store.Dump("NuvoPick_AutoOpen_txt\\shell\\NP_Menu0"), "a");

  txt.RegFlags = {rlmdExe};
  association.WriteMenuVerbs(txt, "");
  EXPECT_EQ(store.SubkeyNames("NuvoPick_AutoOpen_txt\\shell"),
            (std::vector<std::string>{"np_menu9", "open"}));
}

TEST_F(RegistryAssociationTest, AnEmptyCaptionIsNoContextMenu) {
  ArrangeTxtFile();
  TExtInfo txt = Record("txt", {rlmdContextMenu});
  txt.Apps.Add("", "a.exe", "", "%1", false, 1);
  association.ApplyRegistration(txt, "");
  EXPECT_EQ(store.Dump("NuvoPick_AutoOpen_txt\\shell\\NP_Menu0"), "");
  EXPECT_TRUE(txt.GetRegState(store).Empty());
}

// A record named TXT over a registration made for txt: the same keys, but not
// recognised as the record's own, so it is taken over again from itself.
TEST_F(RegistryAssociationTest, TakingOverFromTheProgramsOwnTypeKeepsThePreviousOne) {
  ArrangeTxtFile();
  TExtInfo txt = Record("txt", {rlmdExe});
  association.ApplyRegistration(txt, "");

  TExtInfo upper = Record("TXT", {rlmdExe});
  ASSERT_TRUE(upper.GetRegState(store).Empty());
  association.ApplyRegistration(upper, "");
  EXPECT_EQ(store.Dump(".txt"), "NuvoPick_AutoOpen_TXT");
  EXPECT_EQ(Backup(), "[txt]\r\nRef=txtfile\r\n\r\n");
  EXPECT_EQ(store.Dump("NuvoPick_AutoOpen_TXT"), "テキスト文書");
  EXPECT_EQ(store.Dump("NuvoPick_AutoOpen_TXT\\NP_OldCommand"), "notepad.exe %1");

  // Switching the open command off gives the real previous command back, not ours.
  upper.RegFlags = {rlmdContextMenu};
  upper.Apps.Add("メモ帳", "notepad.exe", "", "%1", false, 1);
  association.ApplyRegistration(upper, "");
  EXPECT_EQ(store.Dump("NuvoPick_AutoOpen_TXT\\shell\\open\\command"), "notepad.exe %1");

  upper.RegFlags = {};
  association.ApplyRegistration(upper, "");
  EXPECT_EQ(store.Dump(".txt"), "txtfile");
  EXPECT_FALSE(store.KeyExists("NuvoPick_AutoOpen_txt"));
}

// Without a recorded type (an extension that had none, a deleted backup, a moved
// program) only what the program wrote goes; the key stays while it holds more.
TEST_F(RegistryAssociationTest, UnregisterWithoutARecordedTypeKeepsWhatOthersPutThere) {
  const struct {
    const char* what;
    const char* otherDefault;  // nullptr: the key holds our value
    bool contentType;
    bool shellNew;
    const char* defaultAfter;  // nullptr: the key is gone
  } cases[] = {
      {"nothing else", nullptr, false, false, nullptr},
      {"Content Type", nullptr, true, false, "<none>"},
      {"ShellNew", nullptr, false, true, "<none>"},
      {"pointed elsewhere since", "otherfile", false, false, "otherfile"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryClasses classes;
    classes.Set(".txt", c.otherDefault != nullptr ? c.otherDefault : "NuvoPick_AutoOpen_txt");
    if (c.contentType) classes.SetNamed(".txt", "Content Type", "text/plain");
    if (c.shellNew) classes.Set(".txt\\ShellNew\\NullFile", "");
    classes.Set("NuvoPick_AutoOpen_txt\\shell\\open\\command", kOurCommand);
    MemoryFileSystem noBackup;
    TRegistryAssociation onClasses({classes.Hives(), noBackup, kExe, TRegScope::AllUsers});

    onClasses.Unregister(Record("txt", {}));
    if (c.defaultAfter == nullptr) {
      EXPECT_FALSE(classes.KeyExists(".txt"));
    } else {
      EXPECT_EQ(classes.Dump(".txt"), c.defaultAfter);
    }
    EXPECT_EQ(classes.KeyExists(".txt\\ShellNew\\NullFile"), c.shellNew);
    EXPECT_FALSE(classes.KeyExists("NuvoPick_AutoOpen_txt"));
  }
}

TEST_F(RegistryAssociationTest, ABackupThatCannotBeWrittenStopsBeforeTheClassKeyIsTouched) {
  ArrangeTxtFile();
  const std::string before = store.DumpAll();
  files.refuseWrites = true;
  for (const char* name : {"txt", "xyz"}) {
    SCOPED_TRACE(name);
    TExtInfo record = Record(name, {rlmdExe});
    try {
      association.ApplyRegistration(record, "");
      FAIL() << "no error";
    } catch (const TRegistryError& error) {
      EXPECT_STREQ(error.what(), "'C:\\Tools\\regbackup.ini' の書き込みに失敗しました");
    }
    EXPECT_EQ(store.DumpAll(), before);
  }
}

class UnreadableFiles : public MemoryFileSystem {
 public:
  std::optional<std::string> ReadAll(const std::string&) const override { return std::nullopt; }
};

TEST_F(RegistryAssociationTest, ABackupThatCannotBeReadIsNeitherOverwrittenNorTakenAsEmpty) {
  store.Set(".htm", "NuvoPick_AutoOpen_htm");
  store.Set("NuvoPick_AutoOpen_htm\\shell\\open\\command", kOurCommand);
  const std::string before = store.DumpAll();
  UnreadableFiles locked;
  locked.files[kBackupPath] = "[htm]\r\nRef=htmlfile\r\n\r\n";
  TRegistryAssociation onLocked({store.Hives(), locked, kExe});

  TExtInfo txt = Record("txt", {rlmdExe});
  EXPECT_THROW(onLocked.ApplyRegistration(txt, ""), TRegistryError);
  TExtInfo htm = Record("htm", {});
  EXPECT_THROW(onLocked.ApplyRegistration(htm, ""), TRegistryError);
  EXPECT_EQ(locked.files[kBackupPath], "[htm]\r\nRef=htmlfile\r\n\r\n");
  EXPECT_EQ(store.DumpAll(), before);
}

TEST_F(RegistryAssociationTest, TheBackupKeepsTheOtherExtensionsSections) {
  files.files[kBackupPath] = "[htm]\r\nRef=htmlfile\r\n\r\n[txt]\r\nRef=old\r\n\r\n";
  ArrangeTxtFile();
  association.BackupFileType(Record("txt", {rlmdExe}));
  EXPECT_EQ(Backup(), "[htm]\r\nRef=htmlfile\r\n\r\n[txt]\r\nRef=txtfile\r\n\r\n");
}

// Each key of a take-over refused in turn, as when the extension's key and the
// new type land in different hives: nothing of the take-over may stay, least of
// all an extension that names a type without an open command.
TEST_F(RegistryAssociationTest, ATakeOverRefusedAtAnyStepLeavesTheClassStoreAsItWas) {
  for (const char* name : {"txt", "xyz"}) {
    const std::string t = std::string("NuvoPick_AutoOpen_") + name;
    const std::string d = "." + std::string(name);
    // Keys below the user's hive and the value refused there ("" the default).
    const std::pair<std::string, std::string> steps[] = {
        {ClassesPath(t), ""},
        {ClassesPath(t + "\\DefaultIcon"), ""},
        {ClassesPath(t + "\\NP_OldCommand"), ""},
        {ClassesPath(t + "\\NP_OldType"), ""},
        {ClassesPath(t + "\\shell"), ""},
        {ClassesPath(t + "\\shell\\open"), ""},
        {ClassesPath(t + "\\shell\\open\\command"), ""},
        {ClassesPath(t + "\\shell\\NP_Menu0"), ""},
        {ClassesPath(t + "\\shell\\NP_Menu0\\command"), ""},
        {ClassesPath(d), ""},
        // The listing comes last, and a refusal there undoes the take-over too.
        {ClassesPath(d + "\\OpenWithProgids"), t},
        {"Software\\NuvoPick\\Capabilities", "ApplicationName"},
        {"Software\\NuvoPick\\Capabilities\\FileAssociations", d},
        {"Software\\RegisteredApplications", "NuvoPick"},
    };
    for (const auto& [refused, valueName] : steps) {
      SCOPED_TRACE(refused);
      MemoryClasses classes;
      if (std::string(name) == "txt") {
        classes.Set(".txt", "txtfile");
        classes.SetNamed(".txt", "Content Type", "text/plain");
        classes.Set("txtfile\\shell\\open\\command", "notepad.exe %1");
      }
      const std::string before = classes.DumpAll();
      classes.user.refusedKeys = {refused};
      TRegistryAssociation onClasses({classes.Hives(), files, kExe});
      TExtInfo record = Record(name, {rlmdExe, rlmdContextMenu});
      record.Apps.Add("a", "a.exe", "", "%1", false, 1);
      try {
        onClasses.ApplyRegistration(record, "");
        FAIL() << "no error";
      } catch (const TRegistryError& error) {
        EXPECT_EQ(std::string(error.what()), "'" + valueName + "' の設定に失敗しました");
      }
      EXPECT_EQ(classes.DumpAll(), before);
    }
  }
}

// The backup lost or replaced after the take-over (deleted by hand, an older copy
// put back): the type the extension had is still found and given back.
TEST_F(RegistryAssociationTest, GivingBackFindsThePreviousTypeWithoutItsBackup) {
  const char* const backupsAfter[] = {nullptr, "[htm]\r\nRef=htmlfile\r\n\r\n"};
  for (const char* backupAfter : backupsAfter) {
    SCOPED_TRACE(backupAfter == nullptr ? "no backup" : "another backup");
    MemoryClasses classes;
    classes.Set(".txt", "txtfile");
    classes.SetNamed(".txt", "Content Type", "text/plain");
    classes.Set("txtfile\\shell\\open\\command", "notepad.exe %1");
    const std::string before = classes.DumpAll();
    MemoryFileSystem backup;
    TRegistryAssociation onClasses({classes.Hives(), backup, kExe});
    TExtInfo txt = Record("txt", {rlmdExe});
    onClasses.ApplyRegistration(txt, "");

    backup.files.erase(kBackupPath);
    if (backupAfter != nullptr) backup.files[kBackupPath] = backupAfter;
    EXPECT_EQ(onClasses.RecordedPreviousType("txt"), "txtfile");
    txt.RegFlags = {};
    onClasses.ApplyRegistration(txt, "");
    EXPECT_EQ(classes.DumpAll(), before);
  }
}

TEST_F(RegistryAssociationTest, ARecordWithoutANameNeverTouchesTheRoot) {
  store.Set("", "root value");
  const std::string before = store.DumpAll();
  for (const char* name : {"", "."}) {
    TExtInfo record = Record(name, {rlmdExe, rlmdContextMenu});
    association.ApplyRegistration(record, "");
    record.RegFlags = {};
    association.Unregister(record);
  }
  EXPECT_EQ(store.DumpAll(), before);
  EXPECT_EQ(store.Dump(""), "root value");
  EXPECT_EQ(Backup(), "<no file>");
}

TEST_F(RegistryAssociationTest, ReadIconFromRegistry) {
  ArrangeTxtFile();
  store.Set(".bare", "barefile");
  store.Set(".noicon", "noiconfile");
  store.Set("noiconfile\\DefaultIcon", "");
  const struct {
    const char* name;
    const char* path;
    int index;
  } cases[] = {
      // Kept as stored: the variable reference is not expanded.
      {"txt", "%SystemRoot%\\system32\\imageres.dll", -102},
      {"bare", kExe, 1},
      {"noicon", kExe, 1},
      {"missing", kExe, 1},
  };
  store.RefuseWrites();  // keys that may only be read still give their icon
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TExtInfo record = Record(c.name, {});
    association.ReadIconFromRegistry(record);
    EXPECT_EQ(record.IconPath, c.path);
    EXPECT_EQ(record.IconIndex, c.index);
    EXPECT_FALSE(store.KeyExists(std::string("NuvoPick_AutoOpen_") + c.name));
  }
  store.RefuseWrites(false);

  // The location read beforehand reaches the program's type unchanged.
  TExtInfo txt = Record("txt", {rlmdExe});
  association.ReadIconFromRegistry(txt);
  association.ApplyRegistration(txt, "");
  EXPECT_EQ(store.Dump("NuvoPick_AutoOpen_txt\\DefaultIcon"),
            "%SystemRoot%\\system32\\imageres.dll,-102");
}

TEST(BackupFilePath, BesideTheExecutable) {
  EXPECT_EQ(BackupFilePathFor("C:\\Program Files\\表\\NuvoPick.exe"),
            "C:\\Program Files\\表\\regbackup.ini");
  EXPECT_EQ(BackupFilePathFor("D:\\np.exe"), "D:\\regbackup.ini");
}

}  // namespace
}  // namespace nuvopick
