// Associations in the user's or the machine's hive: what the shell sees of the
// two, where each write goes, the listing where Windows looks for programs, and
// an association moved when the scope changes.
#include <gtest/gtest.h>
#include <string>

#include "shell/app_listing.h"
#include "shell/class_store_view.h"
#include "shell/registry_association.h"
#include "shell/user_choice.h"
#include "support/memory_file_system.h"
#include "support/memory_registry.h"

namespace nuvopick {
namespace {

using testing::MemoryClasses;
using testing::MemoryFileSystem;
using testing::MemoryRegistryHive;
using testing::TValueType;

constexpr char kExe[] = "C:\\Tools\\np.exe";

std::string Classes(const std::string& path) {
  return ClassesPath(path);
}

TEST(ClassStoreView, SeesTheUsersClassesOverTheMachinesAndWritesOneHive) {
  MemoryClasses classes;
  classes.machine.Set(Classes(".a"), "", "machine a");
  classes.user.Set(Classes(".b"), "", "user b");
  classes.machine.Set(Classes(".c"), "", "machine c");
  classes.user.Set(Classes(".c"), "", "user c");
  // The user's key holds another value only: the machine's default still shows.
  classes.machine.Set(Classes(".d"), "", "machine d");
  classes.user.Set(Classes(".d\\OpenWithProgids"), "other_type", "");
  classes.machine.Set(Classes(".c\\shell\\open"), "", "");
  classes.user.Set(Classes(".c\\SHELL\\edit"), "", "");

  const TClassStoreView view = MergedClasses(classes.Hives(), TRegScope::CurrentUser);
  const struct {
    const char* key;
    const char* shown;  // nullptr: no key
  } cases[] = {
      {".a", "machine a"}, {".b", "user b"}, {".c", "user c"},
      {".d", "machine d"}, {".e", nullptr},  {".c\\shell", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(view.KeyExists(c.key), c.shown != nullptr);
    EXPECT_EQ(view.ReadDefault(c.key),
              c.shown ? std::optional<std::string>(c.shown) : std::nullopt);
  }
  // Subkeys of a key in both hives: the user's, then the machine's not named alike.
  EXPECT_EQ(view.SubkeyNames(".c\\shell"), (std::vector<std::string>{"edit", "open"}));

  // Writes and deletes go to the chosen hive only, even through a key the other has.
  const std::string machineBefore = classes.machine.DumpAll();
  TClassStoreView userView = MergedClasses(classes.Hives(), TRegScope::CurrentUser);
  userView.WriteDefault(".a", "user a");
  userView.WriteDefault(".new\\shell", "open");
  userView.DeleteTree(".c");
  EXPECT_EQ(classes.machine.DumpAll(), machineBefore);
  EXPECT_EQ(userView.ReadDefault(".a"), "user a");
  EXPECT_EQ(classes.user.Dump(Classes(".new\\shell")), "open");
  EXPECT_EQ(userView.ReadDefault(".c"), "machine c");
  // Emptiness is the written hive's: the machine's .a holds a value, the user's nothing else.
  userView.DeleteDefault(".a");
  EXPECT_TRUE(userView.KeyIsEmpty(".a"));
  EXPECT_EQ(userView.ReadDefault(".a"), "machine a");
}

class RegistryScopeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // What Windows and another program put on the machine before.
    classes.Set(".txt", "txtfile");
    classes.Set("txtfile\\shell\\open\\command", "notepad.exe %1");
    classes.machine.Set(Classes(".txt\\OpenWithProgids"), "OtherEditor.txt", "");
    for (MemoryRegistryHive* hive : {&classes.user, &classes.machine}) {
      hive->Set(kRegisteredApplicationsKey, "OtherEditor", "Software\\OtherEditor\\Capabilities");
    }
  }

  TRegistryAssociation In(TRegScope scope) {
    return TRegistryAssociation({classes.Hives(), files, kExe, scope});
  }

  static TExtInfo Record(const std::string& name, TRegFlags flags) {
    TExtInfo record;
    record.Name = name;
    record.RegFlags = flags;
    return record;
  }

  MemoryClasses classes;
  MemoryFileSystem files;
};

TEST_F(RegistryScopeTest, AnAssociationIsMadeAndListedInTheChosenHiveOnlyAndGivenBackAsItWas) {
  for (const TRegScope scope : {TRegScope::CurrentUser, TRegScope::AllUsers}) {
    SCOPED_TRACE(static_cast<int>(scope));
    MemoryRegistryHive& hive = classes.Of(scope);
    MemoryRegistryHive& other =
        classes.Of(scope == TRegScope::AllUsers ? TRegScope::CurrentUser : TRegScope::AllUsers);
    const std::string before = classes.DumpAll();
    const std::string otherBefore = other.DumpAll();

    TExtInfo txt = Record("txt", {rlmdExe});
    TExtInfo jpg = Record("jpg", {rlmdExe});
    In(scope).ApplyRegistration(txt, "");
    In(scope).ApplyRegistration(jpg, "");

    EXPECT_EQ(other.DumpAll(), otherBefore);
    EXPECT_EQ(classes.Dump(".txt"), "NuvoPick_AutoOpen_txt");
    EXPECT_EQ(hive.Dump(Classes(".txt\\OpenWithProgids"), "NuvoPick_AutoOpen_txt"), "");
    EXPECT_EQ(hive.Dump(kCapabilitiesKey, "ApplicationName"), "NuvoPick");
    EXPECT_NE(hive.Dump(kCapabilitiesKey, "ApplicationDescription"), "<none>");
    EXPECT_EQ(hive.Dump(std::string(kCapabilitiesKey) + "\\FileAssociations", ".txt"),
              "NuvoPick_AutoOpen_txt");
    EXPECT_EQ(hive.Dump(kRegisteredApplicationsKey, "NuvoPick"), kCapabilitiesKey);
    EXPECT_EQ(txt.GetRegState(classes), TRegFlags{rlmdExe});

    // The first give-back keeps the registration for the extension left.
    txt.RegFlags = {};
    In(scope).ApplyRegistration(txt, "");
    EXPECT_EQ(hive.Dump(std::string(kCapabilitiesKey) + "\\FileAssociations", ".txt"), "<none>");
    EXPECT_EQ(hive.Dump(kRegisteredApplicationsKey, "NuvoPick"), kCapabilitiesKey);
    EXPECT_EQ(classes.Dump(".txt"), "txtfile");

    jpg.RegFlags = {};
    In(scope).ApplyRegistration(jpg, "");
    EXPECT_EQ(classes.DumpAll(), before);
  }
}

TEST_F(RegistryScopeTest, OnlyAnOpenVerbOfTheProgramIsListed) {
  TExtInfo txt = Record("txt", {rlmdContextMenu});
  txt.Apps.Add("a", "a.exe", "", "%1", false, 1);
  In(TRegScope::CurrentUser).ApplyRegistration(txt, "");
  EXPECT_EQ(txt.GetRegState(classes), TRegFlags{rlmdContextMenu});
  EXPECT_FALSE(classes.user.KeyExists(kCapabilitiesKey));
  EXPECT_FALSE(classes.user.KeyExists(Classes(".txt\\OpenWithProgids")));

  txt.RegFlags = {rlmdExe, rlmdContextMenu};
  In(TRegScope::CurrentUser).ApplyRegistration(txt, "");
  EXPECT_EQ(classes.user.Dump(kRegisteredApplicationsKey, "NuvoPick"), kCapabilitiesKey);
}

TEST_F(RegistryScopeTest, TheProgramsRegistrationAlreadyThereIsNotWrittenAgain) {
  TExtInfo txt = Record("txt", {rlmdExe});
  TExtInfo jpg = Record("jpg", {rlmdExe});
  In(TRegScope::CurrentUser).ApplyRegistration(txt, "");
  // A locked key that already holds what the program would write does not stop
  // the next extension's listing.
  classes.user.refusedKeys = {kRegisteredApplicationsKey};
  classes.user.Set(kCapabilitiesKey, "ApplicationName", "Other", TValueType::ExpandString);
  In(TRegScope::CurrentUser).ApplyRegistration(jpg, "");
  EXPECT_EQ(classes.user.Dump(std::string(kCapabilitiesKey) + "\\FileAssociations", ".jpg"),
            "NuvoPick_AutoOpen_jpg");
  EXPECT_EQ(classes.user.Dump(kCapabilitiesKey, "ApplicationName"), "NuvoPick");
  EXPECT_EQ(classes.user.Dump(kRegisteredApplicationsKey, "NuvoPick"), kCapabilitiesKey);
}

TEST_F(RegistryScopeTest, ChangingTheScopeMovesTheAssociation) {
  const struct {
    TRegScope from;
    TRegScope to;
  } cases[] = {{TRegScope::CurrentUser, TRegScope::AllUsers},
               {TRegScope::AllUsers, TRegScope::CurrentUser}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.from));
    MemoryClasses fresh;
    classes = std::move(fresh);
    SetUp();
    const std::string fromBefore = classes.Of(c.from).DumpAll();
    TExtInfo txt = Record("txt", {rlmdExe});
    In(c.from).ApplyRegistration(txt, "");

    In(c.to).ApplyRegistration(txt, "");

    EXPECT_EQ(classes.Of(c.from).DumpAll(), fromBefore);
    EXPECT_EQ(ClassesOf(classes.Of(c.to)).ReadDefault(".txt"), "NuvoPick_AutoOpen_txt");
    EXPECT_EQ(txt.GetRegState(classes), TRegFlags{rlmdExe});
    // The move keeps the type the extension had before the program.
    txt.RegFlags = {};
    In(c.to).ApplyRegistration(txt, "");
    EXPECT_EQ(classes.Dump(".txt"), "txtfile");
  }
}

TEST_F(RegistryScopeTest, ARefusalInTheMachinesHiveSaysWhatItTakesAndChangesNothing) {
  classes.machine.refuseWrites = true;
  const std::string before = classes.DumpAll();
  TExtInfo txt = Record("txt", {rlmdExe});
  try {
    In(TRegScope::AllUsers).ApplyRegistration(txt, "");
    FAIL() << "no error";
  } catch (const TRegistryError& error) {
    EXPECT_EQ(std::string(error.what()),
              std::string("'' の設定に失敗しました") + kAllUsersRightsHint);
  }
  EXPECT_EQ(classes.DumpAll(), before);

  // The user's own hive needs no rights: the same record is associated there.
  In(TRegScope::CurrentUser).ApplyRegistration(txt, "");
  EXPECT_EQ(txt.GetRegState(classes), TRegFlags{rlmdExe});

  // A refusal in the user's hive is told as it is.
  classes.machine.refuseWrites = false;
  classes.user.refuseWrites = true;
  TExtInfo jpg = Record("jpg", {rlmdExe});
  try {
    In(TRegScope::CurrentUser).ApplyRegistration(jpg, "");
    FAIL() << "no error";
  } catch (const TRegistryError& error) {
    EXPECT_EQ(std::string(error.what()), "'' の設定に失敗しました");
  }
}

TEST(UserChoice, OverridesWhenItNamesAnotherType) {
  const TExtRegNames names = ExtRegNamesFor("txt");
  const struct {
    const char* what;
    const char* progId;  // nullptr: no choice
    TValueType type;
    bool overrides;
  } cases[] = {
      {"no choice", nullptr, TValueType::String, false},
      {"another program", "Applications\\notepad.exe", TValueType::String, true},
      {"ours", "NuvoPick_AutoOpen_txt", TValueType::String, false},
      {"ours in other letters", "nuvopick_autoopen_TXT", TValueType::String, false},
      {"empty", "", TValueType::String, false},
      {"not a string", "1", TValueType::Dword, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryRegistryHive user;
    if (c.progId) user.Set(UserChoiceKey(names), "ProgId", c.progId, c.type);
    const std::string before = user.DumpAll();
    EXPECT_EQ(UserChoiceOverrides(user, names), c.overrides);
    EXPECT_EQ(user.DumpAll(), before);
  }
}

}  // namespace
}  // namespace nuvopick
