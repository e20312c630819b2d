// The program's icon in the notification area, through which a resident setup
// mode is reached.
#pragma once

namespace nuvopick {

class ITrayIcon {
 public:
  virtual ~ITrayIcon() = default;

  // Puts the icon up (again, after the shell restarted its taskbar).
  virtual void Add() = 0;
  // Takes the icon away; harmless when it is not there.
  virtual void Remove() = 0;
};

}  // namespace nuvopick
