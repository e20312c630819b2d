// The folder browser's decisions: the size rule, where the old-style dialog
// opens and how its controls are laid out, the dialog flags, which folder a
// property pair names, and what one run of the dialog leaves behind.
#include "controls/browse_folder.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace nuvopick {
namespace {

constexpr TSize kScreen{1024, 768};

TEST(BrowseFolderTest, FormSizeIsNeverBelowTheMinimum) {
  struct Case {
    bool width;
    int value;
    int expected;
  };
  const Case cases[] = {
      {true, 200, 371},  {true, 371, 371},  {true, 640, 640},
      {false, 250, 311}, {false, 500, 500}, {false, -1, 311},
  };
  for (const Case& c : cases) {
    TplBrowseFolder browser;
    if (c.width) {
      browser.SetFormWidth(c.value);
      EXPECT_EQ(browser.FormWidth(), c.expected) << "width " << c.value;
      EXPECT_EQ(browser.FormHeight(), 311);
    } else {
      browser.SetFormHeight(c.value);
      EXPECT_EQ(browser.FormHeight(), c.expected) << "height " << c.value;
      EXPECT_EQ(browser.FormWidth(), 371);
    }
  }
}

TEST(BrowseFolderTest, TheOpenedDialogsSizeBecomesTheMinimumAndFreezesTheSize) {
  TplBrowseFolder browser;
  browser.BeginExecute();
  browser.DialogCreated(7);
  browser.SetFormWidth(900);
  browser.SetFormHeight(900);
  EXPECT_EQ(browser.FormWidth(), 371);
  EXPECT_EQ(browser.FormHeight(), 311);

  browser.DialogInitialized({420, 330}, kScreen);
  EXPECT_EQ(browser.MinWidth(), 420);
  EXPECT_EQ(browser.MinHeight(), 330);
  browser.EndExecute(std::nullopt);

  // Closed again: the size may be set, against the new minimum.
  browser.SetFormWidth(400);
  browser.SetFormHeight(900);
  EXPECT_EQ(browser.FormWidth(), 420);
  EXPECT_EQ(browser.FormHeight(), 900);
}

TEST(BrowseFolderTest, OldStyleDialogOpensAtTheGivenPlaceOrCentred) {
  struct Case {
    int left, top, width, height;
    TPoint expected;
  };
  const Case cases[] = {
      {0, 0, 371, 311, {326, 228}},
      {0, 0, 372, 312, {326, 228}},
      // Larger than the screen: the division rounds towards zero (-35.5 → -35).
      {0, 0, 1095, 839, {-35, -35}},
      {100, 80, 371, 311, {100, 80}},
      {50, 0, 371, 311, {50, 0}},
      {0, -40, 371, 311, {0, -40}},
  };
  for (const Case& c : cases) {
    const TRect bounds = OldStyleDialogBounds(c.left, c.top, c.width, c.height, kScreen);
    EXPECT_EQ(bounds,
              (TRect{c.expected.X, c.expected.Y, c.expected.X + c.width, c.expected.Y + c.height}))
        << c.left << "," << c.top << " " << c.width << "x" << c.height;
  }
}

TEST(BrowseFolderTest, OldStyleControlsFollowTheDialogsSizeWithMarginsOfItsDpi) {
  // A 500 x 400 dialog at (100, 80) whose tree starts 70 pixels below its top
  // and whose OK button is 75 x 23; the margins 32, 18, 25, 35 and 5 of a
  // 96-DPI screen grow with the dialog's DPI.
  const struct {
    int dpi;
    TSize tree;
    TPoint ok;
    TPoint cancel;
  } cases[] = {
      {96, {468, 480 - 150 - 23 - 18}, {500 - 150 - 25, 400 - 23 - 35}, {325 + 75 + 5, 342}},
      {120, {460, 480 - 150 - 23 - 23}, {500 - 150 - 31, 400 - 23 - 44}, {319 + 75 + 6, 333}},
      {144, {452, 480 - 150 - 23 - 27}, {500 - 150 - 38, 400 - 23 - 53}, {312 + 75 + 8, 324}},
      {192, {436, 480 - 150 - 23 - 36}, {500 - 150 - 50, 400 - 23 - 70}, {300 + 75 + 10, 307}},
  };
  for (const auto& c : cases) {
    const TplBFControlLayout layout = OldStyleControlLayout(
        500, 400, {100, 80, 600, 480}, {116, 150, 300, 300}, {75, 23}, TDpiScale(c.dpi));
    EXPECT_EQ(layout.TreeSize, c.tree) << c.dpi;
    EXPECT_EQ(layout.OkPos, c.ok) << c.dpi;
    EXPECT_EQ(layout.CancelPos, c.cancel) << c.dpi;
  }
}

TEST(BrowseFolderTest, OptionsGiveTheirDialogFlags) {
  using O = TplBrowseOption;
  struct Case {
    TplBrowseOptions options;
    std::uint32_t flags;
  };
  const Case cases[] = {
      {{}, 0x0000},
      {TplBrowseFolder().Options, 0x0001},
      {{O::bifStatusText, O::bifNewDialogStyle}, 0x0044},
      {{O::bifReturnOnlyFSDirs, O::bifDontGoBelowDomain, O::bifReturnFSAncestors,
        O::bifBrowseForComputer, O::bifBrowseForPrinter, O::bifBrowseIncludeFiles, O::bifStatusText,
        O::bifNewDialogStyle, O::bifNonNewFolderButton},
       0x724f},
      {TplBrowseOptions{O::bifBrowseIncludeFiles, O::bifNonNewFolderButton}.Exclude(
           O::bifNonNewFolderButton),
       0x4000},
  };
  for (const Case& c : cases) EXPECT_EQ(c.options.Flags(), c.flags) << std::hex << c.flags;
}

TEST(BrowseFolderTest, APathCountsOnlyWithoutASpecialFolder) {
  using S = TplBFSpecialDir;
  struct Case {
    S special;
    std::string path;
    TplBFFolder expected;
  };
  const Case cases[] = {
      {S::sfNone, "C:\\表\\tools", {"C:\\表\\tools", 0x00}},
      {S::sfNone, "", {"", 0x00}},
      {S::sfDesktop, "C:\\tools", {"", 0x00}},
      {S::sfPersonal, "C:\\tools", {"", 0x05}},
      {S::sfDrives, "", {"", 0x11}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BrowseFolderFor(c.special, c.path), c.expected) << c.path;
  }

  // A parsed path is used when the shell calls it a folder or gives it subfolders.
  EXPECT_TRUE(IsBrowsableFolder(0x20000000u));
  EXPECT_TRUE(IsBrowsableFolder(0x80000000u));
  EXPECT_FALSE(IsBrowsableFolder(0x40000000u));  // a file-system item, but no folder
  EXPECT_FALSE(IsBrowsableFolder(0));
}

// A browser in its first run, with its dialog (window 42) just created by the shell.
struct OpenBrowser {
  TplBrowseFolder browser;
  std::vector<std::string> log;

  OpenBrowser() {
    browser.OnShow = [this](TplBrowseFolder& sender) {
      log.push_back("show " + std::to_string(sender.Window()));
    };
  }
  TplBFOpening Open(TSize natural = {371, 311}) {
    browser.BeginExecute();
    browser.DialogCreated(42);
    return browser.DialogInitialized(natural, kScreen);
  }
};

TEST(BrowseFolderTest, ARunCentresTheDialogAndTheNextOpensWhereTheUserLeftIt) {
  OpenBrowser open;
  TplBrowseFolder& browser = open.browser;
  TplBFOpening opening = open.Open({380, 320});
  EXPECT_EQ(open.log, std::vector<std::string>{"show 42"});
  EXPECT_FALSE(opening.Caption);
  // The shell's larger natural size wins over 371 x 311.
  EXPECT_EQ(opening.Bounds, (TRect{322, 224, 702, 544}));

  // The user moved and enlarged it, then cancelled.
  browser.DialogBoundsSeen({322, 224, 702, 544});
  browser.DialogBoundsSeen({100, 80, 520, 430});
  EXPECT_FALSE(browser.EndExecute(std::nullopt));
  EXPECT_FALSE(browser.IsOpen());
  EXPECT_EQ(browser.SelectedDir(), "");
  EXPECT_EQ((TRect{browser.FormLeft, browser.FormTop, browser.FormLeft + browser.FormWidth(),
                   browser.FormTop + browser.FormHeight()}),
            (TRect{100, 80, 520, 430}));

  opening = open.Open({380, 320});
  EXPECT_EQ(opening.Bounds, (TRect{100, 80, 520, 430}));
  EXPECT_TRUE(browser.EndExecute(std::string("C:\\work")));
  EXPECT_EQ(browser.SelectedDir(), "C:\\work");

  // The next run starts without the last answer; a dialog that never showed
  // leaves the place and size alone.
  browser.BeginExecute();
  EXPECT_EQ(browser.SelectedDir(), "");
  browser.DialogBoundsSeen({1, 2, 3, 4});
  EXPECT_FALSE(browser.EndExecute(std::nullopt));
  EXPECT_EQ(browser.FormLeft, 100);
  EXPECT_EQ(browser.FormWidth(), 420);
}

TEST(BrowseFolderTest, OnShowRunsBeforeTheCaptionAndThePlaceAreTaken) {
  OpenBrowser open;
  open.browser.OnShow = [](TplBrowseFolder& sender) {
    sender.Caption = "作業フォルダ";
    sender.FormLeft = 10;
    sender.SetFormWidth(800);  // frozen while the dialog is open
  };
  const TplBFOpening opening = open.Open();
  EXPECT_EQ(opening.Caption, "作業フォルダ");
  EXPECT_EQ(opening.Bounds, (TRect{10, 0, 381, 311}));
}

TEST(BrowseFolderTest, NewStyleDialogKeepsItsOwnSizeAndPlace) {
  OpenBrowser open;
  open.browser.Options.Include(TplBrowseOption::bifNewDialogStyle);
  open.browser.Caption = "Folder";
  const TplBFOpening opening = open.Open({450, 400});
  EXPECT_EQ(open.log.size(), 1u);
  EXPECT_EQ(opening.Caption, "Folder");
  EXPECT_FALSE(opening.Bounds);
  EXPECT_EQ(open.browser.FormWidth(), 371);
  EXPECT_EQ(open.browser.MinWidth(), 450);
}

TEST(BrowseFolderTest, SelectionHandlerDecidesStatusAndOk) {
  TplBrowseFolder browser;
  // Without a handler the dialog is left alone.
  EXPECT_FALSE(browser.SelectionChanged(42, "C:\\a", true));

  std::vector<std::string> seen;
  browser.OnSelectionChanged = [&](TplBrowseFolder&, std::uintptr_t wnd,
                                   const std::string& directory, std::string& statusText,
                                   bool& okBtnEnabled) {
    seen.push_back(std::to_string(wnd) + " " + directory + " [" + statusText + "] " +
                   (okBtnEnabled ? "ok" : "no"));
    if (directory.empty()) {
      okBtnEnabled = false;
      statusText = "フォルダではありません";
    }
  };
  const auto kept = browser.SelectionChanged(42, "C:\\a", false);
  ASSERT_TRUE(kept);
  EXPECT_FALSE(kept->OkEnabled);
  EXPECT_EQ(kept->StatusText, "");
  const auto refused = browser.SelectionChanged(42, "", true);
  ASSERT_TRUE(refused);
  EXPECT_FALSE(refused->OkEnabled);
  EXPECT_EQ(refused->StatusText, "フォルダではありません");
  EXPECT_EQ(seen, (std::vector<std::string>{"42 C:\\a [] no", "42  [] ok"}));
}

}  // namespace
}  // namespace nuvopick
