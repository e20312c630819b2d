// The event loop: the first window is the main one, and an end request waits for
// the loop to look for messages again.
#include "platform/win/application.h"

#include <gtest/gtest.h>

namespace nuvopick::win {
namespace {

constexpr UINT kRequestEnd = WM_APP;
constexpr UINT kLater = WM_APP + 1;

struct TLoopLog {
  TApplication* application = nullptr;
  bool ranAfterRequest = false;
  bool laterMessageHandled = false;
} loopLog;

LRESULT CALLBACK LoopTestProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kRequestEnd) {
    loopLog.application->Terminate();
    loopLog.ranAfterRequest = true;  // the request does not stop this handler
    return 0;
  }
  if (message == kLater) {
    loopLog.laterMessageHandled = true;
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateTestWindow() {
  WNDCLASSA cls{};
  cls.lpfnWndProc = &LoopTestProc;
  cls.hInstance = GetModuleHandleA(nullptr);
  cls.lpszClassName = "NuvoPickLoopTest";
  RegisterClassA(&cls);
  return CreateWindowExA(0, cls.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         cls.hInstance, nullptr);
}

TEST(Application, AnEndRequestTakesEffectWhenTheLoopNextLooksForMessages) {
  TApplication application;
  loopLog = {&application};
  HWND window = CreateTestWindow();
  application.WindowCreated(window);

  PostMessageA(window, kRequestEnd, 0, 0);
  PostMessageA(window, kLater, 0, 0);
  application.Run();

  EXPECT_TRUE(application.Terminated());
  EXPECT_TRUE(loopLog.ranAfterRequest);
  EXPECT_FALSE(loopLog.laterMessageHandled);
  DestroyWindow(window);
  MSG quit;
  PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST(Application, OnlyTheEndOfTheFirstWindowEndsTheProgram) {
  TApplication application;
  HWND main = CreateTestWindow();
  HWND other = CreateTestWindow();
  application.WindowCreated(main);
  application.WindowCreated(other);
  EXPECT_EQ(application.MainWindow(), main);

  application.WindowDestroyed(other);
  EXPECT_FALSE(application.Terminated());
  application.WindowDestroyed(main);
  EXPECT_TRUE(application.Terminated());

  DestroyWindow(main);
  DestroyWindow(other);
  MSG quit;
  PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

}  // namespace
}  // namespace nuvopick::win
