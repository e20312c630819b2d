// The start of association mode: automatic launches, the merged list, size and
// place, timer and sound.
#include <algorithm>
#include <gtest/gtest.h>

#include "gate/gate_layout.h"
#include "gate_fixture.h"

namespace nuvopick::testing {
namespace {

using Rows = std::vector<std::string>;
using Names = std::vector<std::string>;

const std::u16string kFile = u"C:\\My Files\\a.txt";

TEST_F(GateTest, PointerMovedFurtherThanMoveLenOnOneAxisLaunchesTheFirstOwnEntryUnseen) {
  struct Case {
    TPoint after;
    bool moved;
  };
  const Case cases[] = {
      {{101, 101}, false}, {{99, 99}, false},  {{102, 100}, true},
      {{100, 98}, true},   {{101, 99}, false}, {{100, 100}, false},
  };
  AddNamed("txt", {"E1", "E2"});
  AddNamed(kCommon, {"C1"});
  Set("CommonAppInsertPos", 0);  // common entries above: still not the one launched
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.after.X << "," << c.after.Y);
    shell.requests.clear();
    view = RecordingGateView();
    pointer.looks = 0;
    pointer.positions = {{100, 100}, c.after};
    Start(kFile);
    if (c.moved) {
      EXPECT_EQ(LaunchedNames(), Names{"E1"});
      EXPECT_EQ(view.terminates, 1);
      EXPECT_FALSE(view.shownAt.has_value());
      EXPECT_TRUE(session->Launched());
    } else {
      EXPECT_TRUE(shell.requests.empty());
      EXPECT_EQ(view.terminates, 0);
      EXPECT_TRUE(view.shownAt.has_value());
    }
  }
}

TEST_F(GateTest, PointerMovedLaunchReadsEntryZeroEvenWhenCountSaysNone) {
  ini.WriteInteger("txt", "Count", 0);
  ini.WriteString("txt", "AppPath_0", "C:\\Tools\\E0.exe");
  pointer.positions = {{100, 100}, {300, 100}};
  Start(kFile);
  EXPECT_EQ(LaunchedNames(), Names{"E0"});
  EXPECT_EQ(view.terminates, 1);
}

TEST_F(GateTest, PointerMovedWithoutAFirstProgramEndsSilently) {
  AddEntries("txt", {{"E1", ""}});
  AddNamed(kCommon, {"C1"});
  pointer.positions = {{100, 100}, {300, 300}};
  Start(kFile);
  EXPECT_TRUE(shell.requests.empty());
  EXPECT_FALSE(session->Launched());
  EXPECT_EQ(view.terminates, 1);
  EXPECT_FALSE(view.shownAt.has_value());
}

TEST_F(GateTest, WithoutIsWaitThePointerIsNotWatched) {
  Set("IsWait", 0);
  AddNamed("txt", {"E1", "E2"});
  pointer.positions = {{100, 100}, {500, 500}};
  Start(kFile);
  EXPECT_TRUE(clock.waits.empty());
  EXPECT_TRUE(shell.requests.empty());
  EXPECT_EQ(view.shownAt->Left, 100);
}

TEST_F(GateTest, TheWaitSleepsUntilItsBoundedDeadline) {
  struct Case {
    int waitTime;
    std::uint32_t start;
    std::uint64_t waited;
  };
  const Case cases[] = {
      {100, 1000, 100},
      {0, 1000, 0},
      {1000, 1000, 1000},
      // Hand-edited values: a negative time is no wait, a huge one is bounded.
      {-1, 1000, 0},
      {-2147483647 - 1, 1000, 0},
      {2000000000, 1000, kMaxPointerWaitMs},
      // A wrap of the tick counter during the wait changes nothing.
      {100, 0xFFFFFFF0u, 100},
  };
  AddNamed("txt", {"E1", "E2"});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.waitTime);
    Set("WaitTime", c.waitTime);
    clock.waits.clear();
    clock.now = c.start;
    clock.maxStep = 30;  // messages keep ending the wait early
    Start(kFile);
    EXPECT_EQ(clock.TotalWaited(), c.waited);
    // Every wait asks for no more than the time left.
    for (std::size_t i = 1; i < clock.waits.size(); ++i) {
      EXPECT_EQ(clock.waits[i], clock.waits[i - 1] - 30);
    }
  }
}

TEST_F(GateTest, TheCommonEntriesGoAboveInReverseOrBelowInOrder) {
  struct Case {
    int insertPos;
    Rows rows;
  };
  const Case cases[] = {
      {0, {"C2", "C1", "E1", "E2", kCancelRowText}},
      {1, {"E1", "E2", "C1", "C2", kCancelRowText}},
      {2, {"E1", "E2", "C1", "C2", kCancelRowText}},
      // Only the low byte counts.
      {256, {"C2", "C1", "E1", "E2", kCancelRowText}},
  };
  AddNamed("txt", {"E1", "E2"});
  AddNamed(kCommon, {"C1", "C2"});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.insertPos);
    Set("CommonAppInsertPos", c.insertPos);
    Start(kFile);
    EXPECT_EQ(session->Rows(), c.rows);
    EXPECT_EQ(view.rows, c.rows);
  }
  // The rows stand for the entries: the second row starts C1.
  session->ListBox_appsClick(1);
  session->ListBox_appsDblClick();
  EXPECT_EQ(LaunchedNames(), Names{"C1"});
}

TEST_F(GateTest, TheExtensionKeepsItsLetterCaseAndFindsItsSectionAnyway) {
  AddNamed("txt", {"E1", "E2"});
  Start(u"C:\\d\\A.TXT");
  EXPECT_EQ(session->ExtInfo().Name, "TXT");
  EXPECT_EQ(session->Rows(), (Rows{"E1", "E2", kCancelRowText}));
}

TEST_F(GateTest, AFileWithoutExtensionGetsTheCommonEntriesOnly) {
  AddNamed("txt", {"E1"});
  AddNamed(kCommon, {"C1", "C2"});
  for (const char16_t* path : {u"C:\\d\\README", u"C:\\v1.txt\\README"}) {
    SCOPED_TRACE(::testing::PrintToString(path));
    Start(path);
    EXPECT_EQ(session->ExtInfo().Name, "");
    EXPECT_EQ(session->Rows(), (Rows{"C1", "C2", kCancelRowText}));
  }
}

TEST_F(GateTest, AnExtensionTheCodePageCannotHoldNamesNoSection) {
  // Sections a look-alike or "?" of the extension would find.
  AddNamed("e", {"E1"});
  AddNamed("?", {"Q1"});
  AddNamed("表", {"H1"});
  AddNamed("txt", {"T1"});
  AddNamed(kCommon, {"C1"});
  struct Case {
    const char16_t* path;
    const char* extName;
    Rows rows;
  };
  const Case cases[] = {
      {u"C:\\d\\a.é", "", {"C1", kCancelRowText}},
      {u"C:\\d\\a.\U0001F600", "", {"C1", kCancelRowText}},
      {u"C:\\d\\a.表", "表", {"H1", "C1", kCancelRowText}},
      // The folder may hold anything: only the extension names the section.
      {u"C:\\é한ü\\a.txt", "txt", {"T1", "C1", kCancelRowText}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.path));
    Start(c.path);
    EXPECT_EQ(session->ExtInfo().Name, c.extName);
    EXPECT_EQ(session->Rows(), c.rows);
  }
}

TEST_F(GateTest, NoEntriesEndTheRunUnseenAndSilent) {
  Set("IsUseSound", 1);
  AddNamed("jpg", {"J1"});
  Start(kFile);
  session->FormShow();
  EXPECT_EQ(view.terminates, 1);
  EXPECT_FALSE(view.shownAt.has_value());
  EXPECT_TRUE(shell.requests.empty());
  EXPECT_TRUE(sound.played.empty());
}

TEST_F(GateTest, IsOnly1ExeLaunchesASingleEntryButNotOneOfTwo) {
  Set("IsOnly1Exe", 1);
  AddNamed("txt", {"E1"});
  Start(kFile);
  EXPECT_EQ(LaunchedNames(), Names{"E1"});
  EXPECT_EQ(view.terminates, 1);
  EXPECT_FALSE(view.shownAt.has_value());

  // One of the extension's and one common entry are two entries.
  shell.requests.clear();
  view = RecordingGateView();
  AddNamed(kCommon, {"C1"});
  Start(kFile);
  EXPECT_TRUE(shell.requests.empty());
  EXPECT_EQ(view.terminates, 0);
  EXPECT_EQ(view.rows, (Rows{"E1", "C1", kCancelRowText}));
}

TEST_F(GateTest, RowsCarryTheShortcutSuffix) {
  AddEntries("txt", {{"メモ帳", "C:\\m.exe", "%1", "", TShortcutKey('M', true, false, true)},
                     {"表計算", "C:\\s.exe"}});
  Start(kFile);
  EXPECT_EQ(session->Rows(), (Rows{"メモ帳" + TShortcutKey('M', true, false, true).ToListSuffix(),
                                   "表計算", kCancelRowText}));
}

TEST_F(GateTest, TheTestFormShowsTheDemonstrationRowsAndLaunchesNothing) {
  Set("IsOnly1Exe", 1);
  AddNamed("", {"G1"});  // the general section: what an empty extension name would read
  AddNamed(kCommon, {"C1"});
  pointer.positions = {{100, 100}, {400, 400}};
  Start(u"/test");
  TExtInfo demo;
  demo.FillTestItems();
  ASSERT_EQ(session->Rows().size(), 7u);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(session->Rows()[i], demo.Apps.Items(i).Name);
  EXPECT_EQ(session->Rows()[6], kCancelRowText);
  EXPECT_TRUE(clock.waits.empty());
  EXPECT_EQ(view.shownAt->Left, 100);

  session->ListBox_appsClick(0);
  session->ListBox_appsDblClick();
  EXPECT_TRUE(shell.requests.empty());
  EXPECT_EQ(view.closes, 1);
}

TEST_F(GateTest, WithoutArgumentNothingHappens) {
  AddNamed("", {"G1"});
  Start(u"");
  EXPECT_EQ(pointer.looks, 0u);
  EXPECT_FALSE(view.appearance.has_value());
  EXPECT_EQ(view.terminates + view.closes, 0);
  session->ListBox_appsMouseUp(TMouseButton::Right);
  session->ApplicationEventsDeactivate();
  EXPECT_EQ(view.closes, 0);
  EXPECT_FALSE(session->ApplicationEventsShowHint().has_value());
}

TEST_F(GateTest, TheListTakesTheConfiguredColourAndFont) {
  AddNamed("txt", {"E1", "E2"});
  Start(kFile);
  EXPECT_EQ(
      *view.appearance,
      (TListAppearance{0xF0FBFF, "ＭＳ ゴシック", 9, 0, 128, false, false, false, false, {}, {}}));

  Set("BackColor", 0x800000);
  Set("Font_Name", "Arial");
  Set("Font_Size", 12);
  Set("Font_Color", 0x0000FF);
  Set("Font_CharSet", 0);
  Set("Font_Style_Bold", 1);
  Set("Font_Style_StrikeOut", 1);
  Start(kFile);
  EXPECT_EQ(
      *view.appearance,
      (TListAppearance{0x800000, "Arial", 12, 0x0000FF, 0, true, false, false, true, {}, {}}));
}

TEST_F(GateTest, ThePlainWindowFitsItsRowsAndStartsAtThePointer) {
  AddNamed("txt", {"E1", "E2", "a much longer name"});
  pointer.positions = {{200, 150}};
  Start(kFile);
  // Four rows of 12 pixels and the margin; the longest text and the margin.
  const std::int32_t width = 18 * view.charWidth + kGateListMargin;
  EXPECT_EQ(*view.shownAt, (TRect{200, 150, 200 + width, 150 + 53}));
  EXPECT_TRUE(session->Visible());
}

TEST(PlaceOnMonitor, KeepsTheRightAndBottomEdgesOnTheMonitor) {
  const TRect primary{0, 0, 1024, 768};
  const TRect right{1024, 0, 2944, 1080};
  const TRect left{-1280, 0, 0, 1024};
  const TSize size{100, 53};
  struct Case {
    TPoint at;
    TRect monitor;
    TPoint topLeft;
  };
  const Case cases[] = {
      {{200, 150}, primary, {200, 150}},
      {{924, 715}, primary, {924, 715}},  // touches both edges already
      {{1023, 767}, primary, {924, 715}},
      {{1000, 100}, primary, {924, 100}},
      {{100, 760}, primary, {100, 715}},
      {{2900, 1070}, right, {2844, 1027}},
      {{1500, 500}, right, {1500, 500}},
      {{-50, 1000}, left, {-100, 971}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.at.X << "," << c.at.Y);
    EXPECT_EQ(PlaceOnMonitor(c.at, size, c.monitor),
              (TRect{c.topLeft.X, c.topLeft.Y, c.topLeft.X + 100, c.topLeft.Y + 53}));
  }
}

TEST_F(GateTest, TheWindowStaysOnTheMonitorUnderThePointer) {
  pointer.monitors = {{0, 0, 1024, 768}, {1024, 0, 2944, 1080}};
  AddNamed("txt", {"E1", "E2"});
  pointer.positions = {{2940, 1000}};
  Start(kFile);
  // The cancel row, 12 bytes, is the widest; the window ends at the right edge of
  // the second monitor instead of jumping onto the primary one.
  const std::int32_t width = 12 * view.charWidth + kGateListMargin;
  EXPECT_EQ(*view.shownAt, (TRect{2944 - width, 1000, 2944, 1000 + 3 * 12 + kGateListMargin}));
}

// Rows and text are measured in the font made for the DPI; the margin grows with it.
TEST(PlainGateSize, TheMarginGrowsWithTheDpi) {
  struct Case {
    int dpi;
    std::int32_t rowHeight;
    std::int32_t textWidth;
    TSize size;
  };
  const Case cases[] = {
      {96, 12, 72, {77, 53}},
      {120, 15, 90, {96, 66}},
      {144, 18, 108, {116, 80}},
      {192, 24, 144, {154, 106}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dpi);
    EXPECT_EQ(PlainGateSize(4, c.rowHeight, c.textWidth, {}, TDpiScale(c.dpi)), c.size);
  }
}

// The list appears on the second monitor, at 144 DPI while the primary one is at
// 96: its font is made for 144 and its margins are grown by half.
TEST_F(GateTest, TheListIsDrawnAtTheDpiOfTheMonitorUnderThePointer) {
  pointer.monitors = {{0, 0, 1024, 768}, {1024, 0, 2944, 1080}};
  pointer.dpis = {96, 144};
  AddNamed("txt", {"E1", "E2"});
  pointer.positions = {{1100, 100}};
  view.rowHeight = 18;
  Start(kFile);
  EXPECT_EQ(view.appearance->Dpi, TDpiScale(144));
  EXPECT_EQ(*view.shownAt, (TRect{1100, 100, 1100 + 12 * 6 + 8, 100 + 3 * 18 + 8}));

  pointer.positions = {{100, 100}};
  view.rowHeight = 12;
  Start(kFile);
  EXPECT_EQ(view.appearance->Dpi, TDpiScale(96));
  EXPECT_EQ(*view.shownAt, (TRect{100, 100, 100 + 12 * 6 + 5, 100 + 3 * 12 + 5}));
}

// Moved to a monitor of another DPI while shown, the list is laid out again for
// it where the system puts it, keeps its selection and plays no second sound.
TEST_F(GateTest, ANewDpiLaysTheShownListOutAgain) {
  AddNamed("txt", {"E1", "E2"});
  Set("IsUseSound", 1);
  Start(kFile);
  session->ListBox_appsClick(1);
  view.selectedRows.clear();

  view.rowHeight = 24;
  session->WindowDpiChanged(TDpiScale(192), {300, 200});
  EXPECT_EQ(view.appearance->Dpi, TDpiScale(192));
  EXPECT_EQ(*view.shownAt, (TRect{300, 200, 300 + 12 * 6 + 10, 200 + 3 * 24 + 10}));
  EXPECT_EQ(view.selectedRows, std::vector<int>{1});
  EXPECT_EQ(sound.played.size(), 1u);

  // The same DPI again changes nothing.
  session->WindowDpiChanged(TDpiScale(192), {0, 0});
  EXPECT_EQ(view.shownAt->Left, 300);
}

// With icons on, each row starts with an icon column and is at least as high as
// its icon; the icons are asked for once the window is up, the cancel row's and a
// row's without program empty.
TEST_F(GateTest, IconsWidenTheRowsAndAreFetchedAfterShowing) {
  struct Case {
    int dpi;
    std::int32_t systemIcon;
    std::int32_t textRowHeight;
    TRowIconLayout icons;
  };
  const Case cases[] = {
      {96, 0, 12, {16, 2, 22, 18}},
      {144, 0, 18, {24, 3, 33, 27}},
      {144, 0, 30, {24, 3, 33, 27}},   // a large font keeps its own row height
      {144, 20, 18, {20, 3, 29, 23}},  // the system's size at that DPI wins
  };
  AddEntries("txt", {{"E1"}, {"E2", ""}});
  Set("IsShowIcon", 1);
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.dpi << " " << c.textRowHeight);
    pointer.dpis = {c.dpi};
    view.smallIconSize = c.systemIcon;
    view.rowHeight = c.textRowHeight;
    view.iconFetches.clear();
    Start(kFile);
    EXPECT_EQ(view.appearance->Icons, c.icons);
    const TDpiScale dpi(c.dpi);
    const std::int32_t rowHeight = std::max(c.textRowHeight, c.icons.RowHeight);
    EXPECT_EQ(view.shownAt->Width(),
              c.icons.TextLeft + 12 * view.charWidth + dpi.Px(kGateListMargin));
    EXPECT_EQ(view.shownAt->Height(), 3 * rowHeight + dpi.Px(kGateListMargin));
    EXPECT_EQ(view.iconFetches,
              (std::vector<std::vector<std::string>>{{"C:\\Tools\\ed.exe", "", ""}}));
  }
}

TEST_F(GateTest, WithoutIconsNothingIsFetchedAndTheRowsStayAsTheyWere) {
  AddNamed("txt", {"E1", "E2"});
  view.smallIconSize = 16;
  Start(kFile);
  EXPECT_EQ(view.appearance->Icons, TRowIconLayout());
  EXPECT_TRUE(view.iconFetches.empty());
  EXPECT_EQ(*view.shownAt, (TRect{100, 100, 100 + 12 * 6 + 5, 100 + 3 * 12 + 5}));
}

TEST_F(GateTest, ASkinIsComposedOnlyWhenItsFileExists) {
  AddNamed("txt", {"E1", "E2"});
  Set("IsUseSkin", 1);
  Set("SkinPath", "C:\\skn\\a.ini");
  Start(kFile);
  EXPECT_TRUE(view.composedSkins.empty());
  EXPECT_EQ(view.shownAt->Height(), 3 * 12 + kGateListMargin);

  files.files["C:\\skn\\a.ini"] = "";
  view.skinSize = TSize{150, 90};
  Start(kFile);
  EXPECT_EQ(view.composedSkins, Names{"C:\\skn\\a.ini"});
  EXPECT_EQ(*view.shownAt, (TRect{100, 100, 250, 190}));
}

TEST_F(GateTest, TheNoClickTimerStartsOnlyWhenEnabled) {
  AddNamed("txt", {"E1", "E2"});
  Start(kFile);
  EXPECT_FALSE(view.timerInterval.has_value());

  Set("IsNoClickExe", 1);
  Set("NoClickWait", 2500);
  Start(kFile);
  EXPECT_EQ(view.timerInterval, 2500u);
}

TEST_F(GateTest, TheSoundAtShowingFollowsTheSettings) {
  struct Case {
    int useSound;
    int usersSound;
    const char* mbType;
    Names played;
  };
  const Case cases[] = {
      {0, 0, "HAND", {}},
      {1, 0, "OK", {"system Ok"}},
      {1, 0, "HAND", {"system Hand"}},
      {1, 0, "QUESTION", {"system Question"}},
      {1, 0, "EXCLAMATION", {"system Exclamation"}},
      {1, 0, "ASTERISK", {"system Asterisk"}},
      {1, 0, "BEEP", {"tone 440 150"}},
      {1, 0, "beep", {"system Ok"}},
      {1, 0, "", {"system Ok"}},
      {1, 1, "HAND", {"wave C:\\snd\\ding.wav"}},
  };
  AddNamed("txt", {"E1", "E2"});
  Set("UserSoundPath", "C:\\snd\\ding.wav");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mbType);
    Set("IsUseSound", c.useSound);
    Set("IsUsersSound", c.usersSound);
    Set("SoundMBType", c.mbType);
    sound.played.clear();
    Start(kFile);
    EXPECT_EQ(sound.played, c.played);  // played as the window was shown
    session->FormShow();                // and not again
    EXPECT_EQ(sound.played, c.played);
  }
}

}  // namespace
}  // namespace nuvopick::testing
