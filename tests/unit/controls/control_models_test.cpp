// The event rules of the small control models: a change raises the control's
// event, the same value raises nothing, and the view hears of every change first.
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/edit_ex.h"
#include "controls/static_controls.h"
#include "controls/toggles.h"
#include "controls/track_bar.h"

namespace nuvopick {
namespace {

TEST(CheckBoxTest, ClickEventOnlyForANewState) {
  TCheckBox box;
  int clicks = 0;
  box.OnClick = [&] { ++clicks; };
  box.SetChecked(false);
  EXPECT_EQ(clicks, 0);
  box.SetChecked(true);
  box.SetChecked(true);
  EXPECT_EQ(clicks, 1);
  box.Click();
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(clicks, 2);
}

TEST(CheckBoxTest, ViewIsToldBeforeTheHandlerRuns) {
  TCheckBox box;
  std::vector<std::string> log;
  const TMirrorSubscription view =
      box.SubscribeMirror([&] { log.push_back(box.Checked() ? "mirror on" : "mirror off"); });
  box.OnClick = [&] { log.push_back("click"); };
  box.SetChecked(true);
  box.SetEnabled(false);
  EXPECT_EQ(log, (std::vector<std::string>{"mirror on", "click", "mirror on"}));
}

TEST(ControlModelTest, EveryLiveWatcherIsToldInTurnAndADroppedOneNoMore) {
  auto box = std::make_unique<TCheckBox>();
  std::vector<std::string> log;
  std::optional<TMirrorSubscription> first = box->SubscribeMirror([&] { log.push_back("first"); });
  const TMirrorSubscription second = box->SubscribeMirror([&] { log.push_back("second"); });
  box->SetChecked(true);
  EXPECT_EQ(log, (std::vector<std::string>{"first", "second"}));

  first.reset();
  box->SetChecked(false);
  EXPECT_EQ(log, (std::vector<std::string>{"first", "second", "second"}));

  // A copy of the model is watched by nobody.
  TCheckBox copy = *box;
  copy.SetChecked(true);
  EXPECT_EQ(log.size(), 3U);

  // The model goes first: the token that outlives it has nothing left to end.
  TMirrorSubscription outliving = box->SubscribeMirror([&] { log.push_back("late"); });
  box.reset();
  outliving.Cancel();
  EXPECT_EQ(log.size(), 3U);
}

TEST(ControlModelTest, WatcherDroppedByAnotherWhileTheModelMirrorsIsNotCalled) {
  TCheckBox box;
  std::vector<std::string> log;
  TMirrorSubscription second;
  const TMirrorSubscription first = box.SubscribeMirror([&] {
    log.push_back("first");
    second.Cancel();
  });
  second = box.SubscribeMirror([&] { log.push_back("second"); });
  box.SetChecked(true);
  box.SetChecked(false);
  EXPECT_EQ(log, (std::vector<std::string>{"first", "first"}));
}

TEST(RadioButtonTest, CheckingOneUnchecksItsGroupAndRaisesOnlyItsOwnEvent) {
  TRadioButton a, b, c, other;
  TRadioButton::Group({&a, &b, &c});
  std::vector<std::string> log;
  a.OnClick = [&] { log.push_back("a"); };
  b.OnClick = [&] { log.push_back("b"); };
  other.SetChecked(true);

  a.SetChecked(true);
  b.Click();
  EXPECT_FALSE(a.Checked());
  EXPECT_TRUE(b.Checked());
  EXPECT_FALSE(c.Checked());
  EXPECT_TRUE(other.Checked());  // another group
  b.SetChecked(false);           // unchecking is no click
  EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
}

TEST(RadioGroupTest, IndexIsKeptWithinTheItemsAndANewOneClicks) {
  TRadioGroup group({"x", "y", "z"});
  std::vector<int> clicked;
  group.OnClick = [&] { clicked.push_back(group.ItemIndex()); };
  for (int index : {1, 1, 9, -4, 0}) group.SetItemIndex(index);
  EXPECT_EQ(clicked, (std::vector<int>{1, 2, -1, 0}));
}

TEST(TrackBarTest, PositionStaysInRangeAndANewOneRaisesChange) {
  TTrackBar bar(100, 1000, 100);
  std::vector<int> changes;
  bar.OnChange = [&] { changes.push_back(bar.Position()); };
  for (int position : {105, 105, 5000, 50, 100}) bar.SetPosition(position);
  EXPECT_EQ(changes, (std::vector<int>{105, 1000, 100}));
  EXPECT_EQ(TTrackBar(500, 10000, 3).Position(), 500);
}

TEST(EditExTest, ChangeOnlyForNewTextAndDropsOnlyWhenAccepted) {
  TEditEx edit;
  int changes = 0;
  std::vector<std::string> dropped;
  edit.OnChange = [&] { ++changes; };
  edit.SetText("a");
  edit.SetText("a");
  EXPECT_EQ(changes, 1);

  edit.OnDropFiles = [&](const std::vector<std::string>& paths) { dropped = paths; };
  edit.DropFiles({"C:\\x.exe"});
  EXPECT_TRUE(dropped.empty());
  edit.AcceptDragFile = true;
  edit.DropFiles({"C:\\x.exe", "C:\\y.exe"});
  EXPECT_EQ(dropped, (std::vector<std::string>{"C:\\x.exe", "C:\\y.exe"}));
}

TEST(ButtonTest, ProgramClickRunsEvenWhenDisabled) {
  TButton button("OK");
  int clicks = 0;
  button.OnClick = [&] { ++clicks; };
  button.SetEnabled(false);
  button.Click();
  EXPECT_EQ(clicks, 1);
}

TEST(PageControlTest, IndexOutsideThePagesIsIgnored) {
  TPageControl pages(9);
  pages.SetActivePageIndex(8);
  pages.SetActivePageIndex(9);
  pages.SetActivePageIndex(-1);
  EXPECT_EQ(pages.ActivePageIndex(), 8);
}

}  // namespace
}  // namespace nuvopick
