// Launching a picked entry from the shown list: the working folder, the opened
// program case, and the launched flag.
#include <gtest/gtest.h>

#include "gate_fixture.h"
#include "shell/registry_association.h"

namespace nuvopick::testing {
namespace {

using Names = std::vector<std::string>;

TEST_F(GateTest, AWorkingFolderThatIsNoFolderBecomesTheOpenedFilesFolder) {
  files.directories = {"C:\\work"};
  struct Case {
    const char* dirPath;
    const char16_t* sent;
  };
  const Case cases[] = {
      {"", u"\"D:\\docs\\\""},
      {"C:\\work", u"\"C:\\work\""},
      // Checked as stored: quotes and variables are not resolved first.
      {"\"C:\\work\"", u"\"D:\\docs\\\""},
      {"%TEMP%", u"\"D:\\docs\\\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dirPath);
    AddEntries("txt", {{"E1", "C:\\Tools\\ed.exe", "%1", c.dirPath}, {"E2"}});
    shell.requests.clear();
    Start(u"D:\\docs\\r.txt");
    session->ExecuteRow(0);
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0], (TLaunchRequest{u"open", u"\"C:\\Tools\\ed.exe\"",
                                                 u"D:\\docs\\r.txt", c.sent, kShowNormal}));
  }
}

TEST_F(GateTest, AFileNameTheCodePageCannotHoldReachesTheProgramWhole) {
  AddEntries("nvq", {{"E1", "C:\\Tools\\ed.exe", "-f \"%1\"", "C:\\missing"}, {"E2"}});
  const std::u16string file = u"C:\\np\\é한ü\\表 \U0001F600 1.nvq";
  Start(file);
  session->ExecuteRow(0);
  ASSERT_EQ(shell.requests.size(), 1u);
  const TLaunchRequest expected{u"open", u"\"C:\\Tools\\ed.exe\"", u"-f \"" + file + u"\"",
                                u"\"C:\\np\\é한ü\\\"", kShowNormal};
  EXPECT_EQ(shell.requests[0], expected);
}

TEST_F(GateTest, APickSendsTheEntrysRequestThroughTheInterpreterWhenAsked) {
  AddEntries("txt", {{"E1", "C:\\T\\t.exe", "%1", "", {}, true, 3}, {"E2"}});
  system.systemDirectory = "C:\\WINNT\\system32";
  Start(u"C:\\d\\f.txt");
  session->ExecuteRow(0);
  ASSERT_EQ(shell.requests.size(), 1u);
  EXPECT_EQ(shell.requests[0], (TLaunchRequest{u"open", u"C:\\WINNT\\system32\\cmd.exe",
                                               u"/V:OFF /C \"\"C:\\T\\t.exe\" C:\\d\\f.txt\"",
                                               u"\"C:\\d\\\"", kShowHide}));
}

class ProgramFileTest : public GateTest {
 protected:
  // The class store as the setup window leaves an extension it took over, here
  // for a record named as the opened file's extension is written.
  void Associate(const std::string& ext) {
    const std::string type = "NuvoPick_AutoOpen_" + ext;
    classStore.Set("." + ext, type);
    classStore.Set(type, ext + " file");
    classStore.Set(type + "\\NP_OldCommand", "\"%1\" %*");
    classStore.Set(type + "\\shell\\open\\command", "\"C:\\NuvoPick\\NuvoPick.exe\" \"%1\"");
    files.files[BackupFilePathFor(kExePath)] = "[" + ext + "]\r\nRef=exefile\r\n";
  }
};

TEST_F(ProgramFileTest, TheOpenedProgramIsStartedAloneAfterItsAssociationIsRemoved) {
  Associate("EXE");
  AddEntries("EXE", {{"E1", "C:\\Tools\\ed.exe", "-x %1", "C:\\work", {}, false, 3}, {"E2"}});
  std::string classAtLaunch;
  shell.onExecute = [&](const TLaunchRequest&) { classAtLaunch = classStore.Dump(".EXE"); };
  Start(u"C:\\x\\setup.EXE");
  session->ExecuteRow(0);
  EXPECT_EQ(classAtLaunch, "exefile");
  EXPECT_FALSE(classStore.KeyExists("NuvoPick_AutoOpen_EXE"));
  ASSERT_EQ(shell.requests.size(), 1u);
  EXPECT_EQ(shell.requests[0],
            (TLaunchRequest{u"", u"C:\\x\\setup.EXE", u"", u"", kShowNormal, false, false}));
}

TEST_F(ProgramFileTest, TheAssociationIsFoundWhateverTheLetterCaseOfTheExtension) {
  struct Case {
    const char* registered;
    const char16_t* opened;
  };
  const Case cases[] = {
      {"EXE", u"C:\\x\\setup.exe"}, {"exe", u"C:\\x\\SETUP.EXE"}, {"Com", u"C:\\x\\edit.cOM"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.registered);
    classStore = MemoryClasses();
    shell.requests.clear();
    Associate(c.registered);
    AddNamed(c.registered, {"E1", "E2"});
    Start(c.opened);
    session->ExecuteRow(1);
    EXPECT_EQ(classStore.Dump(std::string(".") + c.registered), "exefile");
    EXPECT_FALSE(classStore.KeyExists(std::string("NuvoPick_AutoOpen_") + c.registered));
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0].File, c.opened);
  }
}

TEST_F(ProgramFileTest, WithoutAssociationNothingIsRemoved) {
  AddEntries("exe", {{"E1", "C:\\Tools\\ed.exe", "%1", "", {}, true}, {"E2"}});
  classStore.Set(".exe", "exefile");
  Start(u"C:\\x\\tool.exe");
  session->ExecuteRow(0);
  EXPECT_EQ(classStore.Dump(".exe"), "exefile");
  ASSERT_EQ(shell.requests.size(), 1u);
  EXPECT_EQ(shell.requests[0], (TLaunchRequest{u"", u"C:\\WINDOWS\\system32\\cmd.exe",
                                               u"/V:OFF /C \"\"C:\\x\\tool.exe\" \"", u"",
                                               kShowNormal, false, false}));
}

TEST_F(ProgramFileTest, WhenTheAssociationCannotBeRemovedTheProgramIsNotStarted) {
  // Starting it would only lead back here through the association.
  Associate("com");
  AddNamed("com", {"E1", "E2"});
  Start(u"C:\\x\\edit.com");
  classStore.RefuseWrites();
  session->ExecuteRow(0);
  EXPECT_TRUE(shell.requests.empty());
  EXPECT_EQ(view.closes, 1);
}

TEST_F(GateTest, AnEntryWithoutProgramOnlyClosesAndAFailedLaunchClosesToo) {
  AddEntries("txt", {{"E1", ""}, {"E2", "C:\\Tools\\E2.exe"}});
  Start(u"C:\\d\\a.txt");
  session->ExecuteRow(0);
  EXPECT_TRUE(shell.requests.empty());
  EXPECT_FALSE(session->Launched());
  EXPECT_EQ(view.closes, 1);

  shell.result = false;
  Start(u"C:\\d\\a.txt");
  view.closes = 0;
  session->ExecuteRow(1);
  EXPECT_EQ(shell.requests.size(), 1u);
  EXPECT_EQ(view.closes, 1);
}

TEST_F(GateTest, OnlyTheFirstLaunchHappens) {
  Set("DeactAction", 2);
  AddNamed("txt", {"E1", "E2"});
  Start(u"C:\\d\\a.txt");
  // The new program takes the activation while its request is being sent.
  shell.onExecute = [&](const TLaunchRequest&) { session->ApplicationEventsDeactivate(); };
  session->ExecuteRow(1);
  session->ExecuteRow(0);
  session->ExecuteSelected();
  session->TimerTimer();
  EXPECT_EQ(LaunchedNames(), Names{"E2"});
  EXPECT_TRUE(session->Launched());
}

}  // namespace
}  // namespace nuvopick::testing
