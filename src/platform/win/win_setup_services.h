// The Win32 side of the services only setup mode uses: the named mark of a
// running setup mode, message boxes, the tray icon and the shell's notice of
// changed associations. The shell's functions are loaded on first use.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include "platform/message_box.h"
#include "platform/shell_notice.h"
#include "platform/single_instance.h"
#include "platform/tray_icon.h"
#include "platform/win/handle.h"

namespace nuvopick::win {

// A named mutex that is only tested for, never waited on.
class TWinSingleInstanceLock : public ISingleInstanceLock {
 public:
  explicit TWinSingleInstanceLock(const char* name = kSetupModeInstanceName) : name_(name) {}

  bool Acquire() override;
  void Release() override;

 private:
  const char* name_;
  TKernelHandle mutex_;
};

class TWinMessageBox : public IMessageBox {
 public:
  // Owned boxes belong to this window.
  void SetOwner(HWND owner) { owner_ = owner; }
  TMessageResult Show(const TMessageRequest& request) override;

 private:
  HWND owner_ = nullptr;
};

// Icon 1 of the window in the notification area; its mouse messages come to the
// window as CallbackMessage with the icon's number in WParam. An icon that the
// shell took is taken away again at the latest when its owner ends.
class TWinTrayIcon : public ITrayIcon {
 public:
  static constexpr UINT kCallbackMessage = 0x8069;

  TWinTrayIcon() = default;
  TWinTrayIcon(const TWinTrayIcon&) = delete;
  TWinTrayIcon& operator=(const TWinTrayIcon&) = delete;
  ~TWinTrayIcon() override { Remove(); }

  void SetWindow(HWND window, HICON icon) {
    window_ = window;
    icon_ = icon;
  }
  void Add() override;
  void Remove() override;
  // The shell took the icon at an Add, and it has not been removed since.
  bool Added() const { return added_; }

 private:
  NOTIFYICONDATAA Record() const;

  HWND window_ = nullptr;
  HICON icon_ = nullptr;
  bool added_ = false;
};

class TWinShellNotice : public IShellNotice {
 public:
  void AssociationsChanged() override;
};

}  // namespace nuvopick::win
