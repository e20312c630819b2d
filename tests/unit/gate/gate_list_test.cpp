// What the user does in the shown list, and what the no-click timer, the loss of
// activation and the hint do.
#include <gtest/gtest.h>

#include "gate_fixture.h"

namespace nuvopick::testing {
namespace {

using Names = std::vector<std::string>;

const std::u16string kFile = u"C:\\My Files\\a.txt";
constexpr int kCancelRow = 3;  // after E1, E2, E3

class GateListTest : public GateTest {
 protected:
  TGateSession& StartList() {
    AddNamed("txt", {"E1", "E2", "E3"});
    return Start(kFile);
  }
};

TEST_F(GateListTest, ShortcutKeysNeedTheExactModifiersAndTheUpperRowWins) {
  AddEntries("txt", {
                        {"E1", ProgramOf("E1"), "%1", "", TShortcutKey('5', false, false, true)},
                        {"E2", ProgramOf("E2"), "%1", "", TShortcutKey('A', false, false, false)},
                        {"E3", ProgramOf("E3"), "%1", "", TShortcutKey('A', true, false, false)},
                        {"E4", ProgramOf("E4"), "%1", "", TShortcutKey('A', false, false, false)},
                    });
  struct Case {
    unsigned key;
    bool shift, alt, ctrl;
    const char* launched;  // nullptr: nothing happens
  };
  const Case cases[] = {
      {'5', false, false, true, "E1"},    {'5', false, false, false, nullptr},
      {'5', true, false, true, nullptr},  {0x65, false, false, true, nullptr},  // the keypad 5
      {'A', false, false, false, "E2"},  // E4 has the same key but comes later
      {'A', true, false, false, "E3"},    {'A', false, false, true, nullptr},
      {'A', false, true, false, nullptr}, {0x0D, false, false, false, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.key << " " << c.shift << c.alt << c.ctrl);
    shell.requests.clear();
    view = RecordingGateView();
    Start(kFile);
    const bool picked = session->ListBox_appsKeyDown(c.key, c.shift, c.alt, c.ctrl);
    EXPECT_EQ(picked, c.launched != nullptr);
    EXPECT_EQ(LaunchedNames(), c.launched ? Names{c.launched} : Names{});
    EXPECT_EQ(view.closes, c.launched ? 1 : 0);
  }
}

TEST_F(GateListTest, EnterLaunchesTheSelectedRowOnlyWhenOneIsSelected) {
  StartList();
  session->ListBox_appsKeyDown(13, false, false, false);
  session->ListBox_appsKeyUp(13);
  EXPECT_TRUE(shell.requests.empty());
  EXPECT_EQ(view.closes, 0);

  session->ListBox_appsClick(2);
  EXPECT_TRUE(shell.requests.empty());  // double-click mode: a click only selects
  session->ListBox_appsKeyUp(13);
  EXPECT_EQ(LaunchedNames(), Names{"E3"});
  EXPECT_EQ(view.closes, 1);
}

TEST_F(GateListTest, EscapeMovesToTheCancelRowAndClosesWithoutLaunching) {
  StartList();
  session->ListBox_appsClick(1);
  session->ListBox_appsKeyUp(27);
  EXPECT_EQ(view.selectedRows, std::vector<int>{kCancelRow});
  EXPECT_EQ(session->ItemIndex(), kCancelRow);
  EXPECT_TRUE(shell.requests.empty());
  EXPECT_EQ(view.closes, 1);
}

TEST_F(GateListTest, ARightClickClosesWithoutLaunchingOtherButtonsDoNothing) {
  StartList();
  session->ListBox_appsClick(0);
  session->ListBox_appsMouseUp(TMouseButton::Left);
  session->ListBox_appsMouseUp(TMouseButton::Middle);
  EXPECT_EQ(view.closes, 0);
  session->ListBox_appsMouseUp(TMouseButton::Right);
  EXPECT_EQ(view.closes, 1);
  EXPECT_TRUE(shell.requests.empty());
}

TEST_F(GateListTest, DoubleClickModeLaunchesOnTheDoubleClick) {
  StartList();
  session->ListBox_appsClick(1);
  EXPECT_TRUE(shell.requests.empty());
  session->ListBox_appsDblClick();
  EXPECT_EQ(LaunchedNames(), Names{"E2"});
  EXPECT_EQ(view.closes, 1);
}

TEST_F(GateListTest, SingleClickModeLaunchesTheFirstSelectionChange) {
  Set("IsExeBySingleClick", 1);
  StartList();
  session->ListBox_appsDblClick();  // nothing selected, and not this mode's gesture
  EXPECT_EQ(view.closes, 0);
  // The down arrow on a list without selection selects the first row.
  session->ListBox_appsClick(0);
  EXPECT_EQ(LaunchedNames(), Names{"E1"});
  EXPECT_EQ(view.closes, 1);

  shell.requests.clear();
  Start(kFile);
  session->ListBox_appsClick(kCancelRow);
  EXPECT_TRUE(shell.requests.empty());
  EXPECT_EQ(view.closes, 2);
}

TEST_F(GateListTest, TheNoClickTimerLaunchesTheFirstOrTheSelectedRow) {
  struct Case {
    int autoExeType;
    int selected;          // -1: no click
    const char* launched;  // nullptr: closes without launching
  };
  const Case cases[] = {
      {0, -1, "E1"}, {0, 2, "E1"}, {1, 2, "E3"}, {1, -1, nullptr}, {1, kCancelRow, nullptr},
      {5, 1, "E2"},  // clamped to 1 when read
  };
  Set("IsNoClickExe", 1);
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.autoExeType << " " << c.selected);
    Set("AutoExeType_NoClick", c.autoExeType);
    shell.requests.clear();
    view = RecordingGateView();
    StartList();
    if (c.selected != -1) session->ListBox_appsClick(c.selected);
    session->TimerTimer();
    EXPECT_EQ(LaunchedNames(), c.launched ? Names{c.launched} : Names{});
    EXPECT_EQ(view.closes, 1);
  }
}

TEST_F(GateListTest, LosingActivationFollowsDeactAction) {
  struct Case {
    int deactAction;
    int selected;
    int closes;
    const char* launched;
  };
  const Case cases[] = {
      {0, 1, 0, nullptr}, {4, 1, 0, nullptr},
      {1, 1, 1, nullptr}, {257, 1, 1, nullptr},  // only the low byte counts
      {2, 1, 1, "E1"},    {3, 1, 1, "E2"},
      {3, -1, 1, "E1"},   {3, kCancelRow, 1, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.deactAction << " " << c.selected);
    Set("DeactAction", c.deactAction);
    shell.requests.clear();
    view = RecordingGateView();
    StartList();
    if (c.selected != -1) session->ListBox_appsClick(c.selected);
    session->ApplicationEventsDeactivate();
    EXPECT_EQ(view.closes, c.closes);
    EXPECT_EQ(LaunchedNames(), c.launched ? Names{c.launched} : Names{});
  }
}

TEST_F(GateListTest, TheHintShowsTheOpenedFileWhileItsOptionIsOn) {
  StartList();
  const std::optional<TGateHint> hint = session->ApplicationEventsShowHint();
  ASSERT_TRUE(hint.has_value());
  EXPECT_EQ(hint->Text, kFile);
  EXPECT_EQ(hint->HideTimeMs, 1000000u);

  const std::u16string wide = u"C:\\np\\表 dir\\é한ü \U0001F600.txt";
  Start(wide);
  ASSERT_TRUE(session->ApplicationEventsShowHint().has_value());
  EXPECT_EQ(session->ApplicationEventsShowHint()->Text, wide);

  Set("IsShowHintRel", 0);
  Start(kFile);
  EXPECT_FALSE(session->ApplicationEventsShowHint().has_value());
}

}  // namespace
}  // namespace nuvopick::testing
