// The setup window's small platform services for the tests: the single-instance
// mark, the tray icon and the shell's notice, each writing what it was asked to
// do into one shared log ("instance acquire", "tray add", "notice", ...).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/shell_notice.h"
#include "platform/single_instance.h"
#include "platform/tray_icon.h"

namespace nuvopick::testing {

using EventLog = std::vector<std::string>;

class RecordingInstanceLock : public ISingleInstanceLock {
 public:
  explicit RecordingInstanceLock(EventLog& log) : log_(log) {}
  // Another setup-mode process holds the mark.
  bool heldElsewhere = false;

  bool Acquire() override {
    log_.push_back(heldElsewhere ? "instance refused" : "instance acquire");
    return !heldElsewhere;
  }
  void Release() override { log_.push_back("instance release"); }

 private:
  EventLog& log_;
};

class RecordingTrayIcon : public ITrayIcon {
 public:
  explicit RecordingTrayIcon(EventLog& log) : log_(log) {}
  void Add() override { log_.push_back("tray add"); }
  void Remove() override { log_.push_back("tray remove"); }

 private:
  EventLog& log_;
};

class RecordingShellNotice : public IShellNotice {
 public:
  explicit RecordingShellNotice(EventLog& log) : log_(log) {}
  // Set to record what else is true when the notice goes out (the window's title).
  std::function<std::string()> probe;

  void AssociationsChanged() override { log_.push_back(probe ? "notice " + probe() : "notice"); }

 private:
  EventLog& log_;
};

}  // namespace nuvopick::testing
