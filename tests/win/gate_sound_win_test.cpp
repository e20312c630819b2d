// The gate window plays its sound when it shows itself, through the real window.
#include <windows.h>

#include <gtest/gtest.h>

#include "gate/win/form_main.h"
#include "support/recording_sound.h"
#include "support/win/temp_folder.h"

namespace nuvopick::testing {
namespace {

TEST(GateWindowSound, TheSoundPlaysOnceWhenTheListShows) {
  TTempFolder folder("gatesound");
  WriteFileText(folder / "NuvoPick.ini", "[]\r\nIsUseSound=1\r\nSoundMBType=HAND\r\n");
  RecordingSound sound;
  win::TForm_main gate(folder / "NuvoPick.exe", u"/test", &sound);
  ASSERT_TRUE(gate.Create());
  // What the event loop does first: show the main window, then handle messages.
  ShowWindow(gate.Handle(), SW_SHOW);
  MSG msg;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 300) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(10);
  }
  EXPECT_TRUE(IsWindowVisible(gate.Handle()));
  EXPECT_EQ(sound.played, std::vector<std::string>{"system Hand"});
  DestroyWindow(gate.Handle());
}

}  // namespace
}  // namespace nuvopick::testing
