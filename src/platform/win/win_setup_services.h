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

namespace nuvopick::win {

// A named mutex that is only tested for, never waited on.
class TWinSingleInstanceLock : public ISingleInstanceLock {
 public:
  explicit TWinSingleInstanceLock(const char* name = kSetupModeInstanceName) : name_(name) {}
  TWinSingleInstanceLock(const TWinSingleInstanceLock&) = delete;
  TWinSingleInstanceLock& operator=(const TWinSingleInstanceLock&) = delete;
  ~TWinSingleInstanceLock() override;

  bool Acquire() override;
  void Release() override;

 private:
  const char* name_;
  HANDLE mutex_ = nullptr;
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
// window as CallbackMessage with the icon's number in WParam.
class TWinTrayIcon : public ITrayIcon {
 public:
  static constexpr UINT kCallbackMessage = 0x8069;

  void SetWindow(HWND window, HICON icon) {
    window_ = window;
    icon_ = icon;
  }
  void Add() override;
  void Remove() override;

 private:
  NOTIFYICONDATAA Record() const;

  HWND window_ = nullptr;
  HICON icon_ = nullptr;
};

class TWinShellNotice : public IShellNotice {
 public:
  void AssociationsChanged() override;
};

}  // namespace nuvopick::win
