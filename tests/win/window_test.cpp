// The window base: an exception that a message's handling lets out stops at the
// window procedure, meets the window's own answer to it, and the window goes on.
#include "platform/win/window.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

#include "platform/win/control_subclass.h"

namespace nuvopick::win {
namespace {

constexpr UINT kThrowStandard = WM_APP;
constexpr UINT kThrowOther = WM_APP + 1;
constexpr UINT kAnswer = WM_APP + 2;
constexpr LRESULT kAnswered = 42;

class TThrowingWindow : public TWindow {
 public:
  bool Create(const char* className) {
    return CreateHandle({className, "", WS_POPUP, 0, 0, 0, 10, 10, nullptr});
  }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kThrowStandard) throw std::runtime_error("handler failed");
    if (message == kThrowOther) throw 7;
    if (message == kAnswer) return kAnswered;
    return TWindow::HandleMessage(message, wParam, lParam);
  }
};

// Keeps what it was told, or fails in turn when asked to.
class TRecordingWindow : public TThrowingWindow {
 public:
  std::string failures;
  bool failAgain = false;

 protected:
  void MessageFailed(const std::exception& error) override {
    failures += std::string(error.what()) + ";";
    if (failAgain) throw std::logic_error("policy failed");
  }
};

TEST(WindowBarrier, AStandardExceptionMeetsTheWindowsPolicyAndTheWindowGoesOn) {
  TRecordingWindow window;
  ASSERT_TRUE(window.Create("NuvoPickBarrierRecording"));
  EXPECT_EQ(SendMessageA(window.Handle(), kThrowStandard, 0, 0), 0);
  EXPECT_EQ(window.failures, "handler failed;");
  // Not a standard exception: nothing to show, but it stops here as well.
  EXPECT_EQ(SendMessageA(window.Handle(), kThrowOther, 0, 0), 0);
  EXPECT_EQ(window.failures, "handler failed;");
  window.failAgain = true;
  EXPECT_EQ(SendMessageA(window.Handle(), kThrowStandard, 0, 0), 0);
  EXPECT_EQ(window.failures, "handler failed;handler failed;");
  EXPECT_EQ(SendMessageA(window.Handle(), kAnswer, 0, 0), kAnswered);
}

TEST(WindowBarrier, AWindowWithoutAPolicyDropsTheExceptionSilently) {
  TThrowingWindow window;
  ASSERT_TRUE(window.Create("NuvoPickBarrierSilent"));
  EXPECT_EQ(SendMessageA(window.Handle(), kThrowStandard, 0, 0), 0);
  // Posted: the exception would have to pass the message loop's dispatch.
  PostMessageA(window.Handle(), kThrowStandard, 0, 0);
  MSG message{};
  while (PeekMessageA(&message, window.Handle(), 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  EXPECT_EQ(SendMessageA(window.Handle(), kAnswer, 0, 0), kAnswered);
}

// A control's own handling is a window procedure too: what it lets out meets the
// policy of the window the control sits on.
TEST(WindowBarrier, AHookedControlsExceptionMeetsItsWindowsPolicy) {
  TRecordingWindow window;
  ASSERT_TRUE(window.Create("NuvoPickBarrierControl"));
  HWND control = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, window.Handle(), nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(control, nullptr);
  TSubclassToken hook = HookControl(
      control, [](UINT message, WPARAM wParam, LPARAM lParam, const TNextHandler& next) {
        if (message == kThrowStandard) throw std::runtime_error("control failed");
        if (message == kAnswer) return kAnswered;
        return next(message, wParam, lParam);
      });
  EXPECT_EQ(SendMessageA(control, kThrowStandard, 0, 0), 0);
  EXPECT_EQ(window.failures, "control failed;");
  EXPECT_EQ(SendMessageA(control, kAnswer, 0, 0), kAnswered);
}

}  // namespace
}  // namespace nuvopick::win
