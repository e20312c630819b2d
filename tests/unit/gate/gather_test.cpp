// Files opened together: the first start of an extension collects the files
// that later starts hand over until it launches, and then launches the chosen
// entry once for each of them, in the order they came.
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gate/launch_request.h"
#include "gate_fixture.h"

namespace nuvopick::testing {
namespace {

using Files = std::vector<std::u16string>;

const std::u16string kFirst = u"C:\\d\\a.txt";
const std::u16string kSecond = u"D:\\e f\\b.TXT";  // another folder, the extension in capitals
const std::u16string kThird = u"C:\\d\\c.txt";

TShortcutKey KeyA() {
  TShortcutKey key;
  key.Key = 'A';
  return key;
}

// Another start in the same user session: a window and a mark of its own, the
// rest of the world shared with the fixture's start.
struct OtherStart {
  RecordingGateView view;
  BoardGatherMark gather;
  std::unique_ptr<TGateSession> session;

  explicit OtherStart(SharedGatherBoard& board) : gather(board) {}
  bool HandedOver() const { return view.terminates == 1 && !view.shownAt && !session->Launched(); }
};

class GatherTest : public GateTest {
 protected:
  GatherTest() { AddEntries("txt", {{"E1", "C:\\Tools\\ed.exe", "/x %1", "", KeyA()}, {"E2"}}); }

  OtherStart& StartOther(const std::u16string& file) {
    files.files[SettingsPathFor(kExePath)] = ini.Serialize();
    auto& other = others.emplace_back(std::make_unique<OtherStart>(gatherBoard));
    other->session =
        std::make_unique<TGateSession>(TGateServices{files, classStore.Hives(), shell, pointer,
                                                     clock, sound, system, other->gather},
                                       other->view, kExePath, file);
    other->session->FormCreate();
    return *other;
  }

  // The files that later starts open while the fixture's start waits for the pointer.
  void OpenDuringTheWait(const Files& later) {
    openedLater = later;
    clock.onWait = [this] {
      for (const std::u16string& file : std::exchange(openedLater, {})) StartOther(file);
    };
  }

  std::vector<std::u16string> LaunchedFiles() const {
    std::vector<std::u16string> result;
    for (const TLaunchRequest& request : shell.requests) {
      EXPECT_EQ(request.File, u"\"C:\\Tools\\ed.exe\"");
      result.push_back(request.Parameters.substr(3));  // after "/x "
    }
    return result;
  }

  std::vector<std::unique_ptr<OtherStart>> others;
  Files openedLater;
};

TEST_F(GatherTest, LaterStartsHandTheirFilesToTheFirstListAndEachIsLaunchedAsAloneItWouldBe) {
  Set("IsWait", 0);
  Start(kFirst);
  ASSERT_TRUE(view.shownAt.has_value());
  EXPECT_TRUE(StartOther(kSecond).HandedOver());
  EXPECT_TRUE(StartOther(kThird).HandedOver());
  EXPECT_TRUE(shell.requests.empty());
  EXPECT_EQ(session->Files(), (Files{kFirst, kSecond, kThird}));
  EXPECT_EQ(session->ApplicationEventsShowHint()->Text,
            kFirst + u"\r\nほか 2 個のファイル (全 3 個)");

  session->ExecuteRow(0);
  std::vector<TLaunchRequest> expected;
  for (const std::u16string& file : {kFirst, kSecond, kThird}) {
    const TExeInfo& entry = session->ExtInfo().Apps.Items(0);
    expected.push_back(EntryLaunchRequest(entry, file, system.SystemDirectory()));
  }
  ASSERT_EQ(shell.requests, expected);
  EXPECT_EQ(shell.requests[1].Directory, u"\"D:\\e f\\\"");  // each file's own folder
}

TEST_F(GatherTest, OpenedProgramsAreEachStartedOnTheirOwn) {
  AddNamed("exe", {"E1", "E2"});
  Set("IsWait", 0);
  Start(u"C:\\x\\setup.exe");
  EXPECT_TRUE(StartOther(u"C:\\y\\tool.EXE").HandedOver());
  session->ExecuteRow(1);
  EXPECT_EQ(shell.requests,
            (std::vector<TLaunchRequest>{
                ProgramFileLaunchRequest(false, u"C:\\x\\setup.exe", system.SystemDirectory()),
                ProgramFileLaunchRequest(false, u"C:\\y\\tool.EXE", system.SystemDirectory())}));
}

TEST_F(GatherTest, AStartDuringTheFirstOnesWaitForThePointerGivesNoSecondList) {
  OpenDuringTheWait({kSecond});
  Start(kFirst);
  ASSERT_EQ(others.size(), 1u);
  EXPECT_TRUE(others[0]->HandedOver());
  EXPECT_TRUE(view.shownAt.has_value());
  EXPECT_EQ(session->Files(), (Files{kFirst, kSecond}));
}

TEST_F(GatherTest, EveryWayOfChoosingLaunchesEveryFileInOrder) {
  struct Case {
    const char* rule;
    std::vector<std::pair<std::string, int>> keys;
    std::vector<TPoint> pointer;
    std::function<void(TGateSession&)> act;
  };
  const Case cases[] = {
      {"click", {{"IsExeBySingleClick", 1}}, {}, [](TGateSession& s) { s.ListBox_appsClick(0); }},
      {"double click",
       {},
       {},
       [](TGateSession& s) {
         s.ListBox_appsClick(0);
         s.ListBox_appsDblClick();
       }},
      {"Enter",
       {},
       {},
       [](TGateSession& s) {
         s.ListBox_appsClick(0);
         s.ListBox_appsKeyUp(kKeyEnter);
       }},
      {"shortcut key",
       {},
       {},
       [](TGateSession& s) { s.ListBox_appsKeyDown('A', false, false, false); }},
      {"no click", {{"IsNoClickExe", 1}}, {}, [](TGateSession& s) { s.TimerTimer(); }},
      {"focus lost",
       {{"DeactAction", 2}},
       {},
       [](TGateSession& s) { s.ApplicationEventsDeactivate(); }},
      {"pointer moved", {}, {{100, 100}, {200, 100}}, nullptr},
      {"single entry", {{"IsOnly1Exe", 1}}, {}, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    ini = TIniFile();
    if (std::string(c.rule) == "single entry") {
      AddEntries("txt", {{"E1", "C:\\Tools\\ed.exe", "/x %1"}});
    } else {
      AddEntries("txt", {{"E1", "C:\\Tools\\ed.exe", "/x %1", "", KeyA()}, {"E2"}});
    }
    for (const auto& [key, value] : c.keys) Set(key, value);
    shell.requests.clear();
    others.clear();
    pointer.looks = 0;
    pointer.positions = c.pointer.empty() ? std::vector<TPoint>{{100, 100}} : c.pointer;
    OpenDuringTheWait({kSecond, kThird});
    Start(kFirst);
    if (c.act) c.act(*session);
    EXPECT_EQ(LaunchedFiles(), (Files{kFirst, kSecond, kThird}));
    for (const auto& other : others) EXPECT_TRUE(other->HandedOver());
  }
}

TEST_F(GatherTest, AFileAfterTheListLaunchedOrClosedGetsAListOfItsOwn) {
  Set("IsWait", 0);
  for (bool launch : {true, false}) {
    SCOPED_TRACE(launch ? "launched" : "cancelled");
    others.clear();
    Start(kFirst);
    if (launch) {
      session->ExecuteRow(0);
    } else {
      session->ListBox_appsKeyUp(kKeyEscape);
    }
    OtherStart& late = StartOther(kSecond);
    EXPECT_TRUE(late.view.shownAt.has_value());
    EXPECT_EQ(late.session->Files(), Files{kSecond});
    EXPECT_EQ(late.session->ApplicationEventsShowHint()->Text, kSecond);
    // The late start collects in its turn.
    EXPECT_TRUE(StartOther(kThird).HandedOver());
    EXPECT_EQ(late.session->Files(), (Files{kSecond, kThird}));
    EXPECT_EQ(session->Files(), Files{kFirst});
  }
}

TEST_F(GatherTest, AFileHandedOverAfterTheLaunchIsRefusedAndShownByItsOwnStart) {
  // The late start found the first list's mark just before the list launched:
  // the refusal sends it round again, and it takes the mark itself.
  Set("IsWait", 0);
  Start(kFirst);
  const IGatherMark::TReceiver first = gatherBoard.holders.begin()->second;
  session->ExecuteRow(0);
  gatherBoard.leaving.emplace(GatherMarkName(kExePath, kSecond), first);
  OtherStart& late = StartOther(kSecond);
  EXPECT_TRUE(gatherBoard.leaving.empty());
  EXPECT_TRUE(late.view.shownAt.has_value());
  EXPECT_TRUE(late.gather.Holds());
  EXPECT_EQ(shell.requests.size(), 1u);
}

TEST_F(GatherTest, OnlyAssociationModeWithTheOptionOnCollectsOneExtensionAtATime) {
  AddNamed("doc", {"D1", "D2"});
  Set("IsWait", 0);
  Start(kFirst);
  OtherStart& doc = StartOther(u"C:\\d\\a.doc");
  EXPECT_TRUE(doc.view.shownAt.has_value());
  EXPECT_EQ(gatherBoard.holders.size(), 2u);

  session.reset();
  others.clear();
  Start(u"/test");
  EXPECT_TRUE(gatherBoard.holders.empty());

  Set("IsGatherFiles", 0);
  Start(kFirst);
  EXPECT_TRUE(gatherBoard.holders.empty());
  EXPECT_TRUE(StartOther(kSecond).view.shownAt.has_value());
}

}  // namespace
}  // namespace nuvopick::testing
