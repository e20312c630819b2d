#include "platform/hint_tracker.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nuvopick {
namespace {

using TStep = THintTracker::TStep;
constexpr THintTracker::TControl A = 1, B = 2, C = 3, None = THintTracker::kNoControl;

constexpr TStep kWait{};
constexpr TStep kAsk{.Ask = true};
constexpr TStep kHideAsk{.Hide = true, .Ask = true};
constexpr TStep kStop{.Stop = true};
constexpr TStep kHideStop{.Hide = true, .Stop = true};

// One thing the window tells the tracker, and what it answers.
struct TEvent {
  enum { Look, Shown, Hidden, Cancel } Kind;
  THintTracker::TControl Control = None;
  std::uint32_t Now = 0;
  TStep Expected{};
  bool CancelHides = false;
};
TEvent L(THintTracker::TControl control, std::uint32_t now, TStep expected) {
  return {TEvent::Look, control, now, expected};
}
const TEvent kShown{TEvent::Shown};
const TEvent kHidden{TEvent::Hidden};
TEvent Cancelled(bool hides) {
  return {TEvent::Cancel, None, 0, {}, hides};
}

struct TCase {
  std::string Name;
  std::vector<TEvent> Events;
};

TEST(HintTracker, TimesHintsByRestAndQuickFollow) {
  const std::uint32_t late = 0xFFFFFF00u;  // 256 ms before the tick count wraps
  const TCase cases[] = {
      {"asks once after the rest, text or not",
       {L(A, 0, kWait), L(A, 499, kWait), L(A, 500, kAsk), L(A, 600, kWait), L(A, 5000, kWait)}},
      {"another control before the rest starts the wait again",
       {L(A, 0, kWait), L(B, 400, kWait), L(B, 899, kWait), L(B, 900, kAsk)}},
      {"from a shown hint straight to the next control: at once",
       {L(A, 0, kWait), L(A, 500, kAsk), kShown, L(B, 600, kHideAsk), kShown, L(C, 650, kHideAsk)}},
      {"a control without text is no reason to hurry",
       {L(A, 0, kWait), L(A, 500, kAsk), L(B, 600, kWait), L(B, 1099, kWait), L(B, 1100, kAsk)}},
      {"a hint gone after its time is no reason to hurry",
       {L(A, 0, kWait), L(A, 500, kAsk), kShown, kHidden, L(B, 2000, kWait), L(B, 2500, kAsk)}},
      {"leaving hides and stops; coming back waits again",
       {L(A, 0, kWait), L(A, 500, kAsk), kShown, L(None, 600, kHideStop), L(A, 700, kWait),
        L(A, 1199, kWait), L(A, 1200, kAsk)}},
      {"leaving before the rest",
       {L(A, 0, kWait), L(None, 100, kStop), L(A, 200, kWait), L(A, 700, kAsk)}},
      {"a click hides the hint, keeps the control silent and ends the hurry",
       {L(A, 0, kWait), L(A, 500, kAsk), kShown, Cancelled(true), L(A, 600, kWait),
        L(B, 700, kWait), L(B, 1200, kAsk)}},
      {"a click before the hint keeps it from coming",
       {L(A, 0, kWait), Cancelled(false), L(A, 1000, kWait)}},
      {"the rest is measured across the wrap of the tick count",
       {L(A, late, kWait), L(A, late + 499, kWait), L(A, late + 500, kAsk)}},
  };
  for (const TCase& c : cases) {
    THintTracker tracker;
    for (std::size_t i = 0; i < c.Events.size(); ++i) {
      const TEvent& e = c.Events[i];
      const std::string where = c.Name + ", event " + std::to_string(i);
      switch (e.Kind) {
        case TEvent::Look: {
          const TStep step = tracker.Look(e.Control, e.Now);
          EXPECT_EQ(step.Hide, e.Expected.Hide) << where;
          EXPECT_EQ(step.Stop, e.Expected.Stop) << where;
          EXPECT_EQ(step.Ask, e.Expected.Ask) << where;
          EXPECT_EQ(tracker.Control(), e.Control) << where;
          break;
        }
        case TEvent::Shown:
          tracker.Shown();
          break;
        case TEvent::Hidden:
          tracker.Hidden();
          break;
        case TEvent::Cancel:
          EXPECT_EQ(tracker.Cancel(), e.CancelHides) << where;
          break;
      }
    }
  }
}

}  // namespace
}  // namespace nuvopick
