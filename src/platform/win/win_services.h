// The Win32 side of the small platform services the gate window uses: the clock
// and the message wait, the pointer and monitors, the shell's execute service,
// sounds, and the system folder.
#pragma once

#include <windows.h>

#include "platform/clock.h"
#include "platform/pointer.h"
#include "platform/shell_execute.h"
#include "platform/sound.h"
#include "platform/system_info.h"

namespace nuvopick::win {

class TWinClock : public IClock {
 public:
  std::uint32_t TickCount() const override;
  // Sleeps on the message queue, not in a busy loop, and dispatches what comes.
  void WaitFor(std::uint32_t milliseconds) override;
};

class TWinPointer : public IPointer {
 public:
  TPoint CursorPos() const override;
  TRect MonitorRectAt(TPoint point) const override;
  TDpiScale DpiAt(TPoint point) const override;
};

class TWinShellExecute : public IShellExecute {
 public:
  bool Execute(const TLaunchRequest& request) override;
  // Owned opens belong to this window.
  void SetOwner(HWND owner) { owner_ = owner; }
  bool Open(const TLaunchRequest& request, bool owned) override;

 private:
  HWND owner_ = nullptr;
};

class TWinSound : public ISound {
 public:
  void PlayWaveFile(const std::string& path) override;
  void PlaySystemSound(TSystemSound sound) override;
  void PlayTone(unsigned frequencyHz, unsigned durationMs) override;
};

class TWinSystemInfo : public ISystemInfo {
 public:
  std::string SystemDirectory() const override;
};

}  // namespace nuvopick::win
