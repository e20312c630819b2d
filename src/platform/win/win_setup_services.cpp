#include "platform/win/win_setup_services.h"

#include <shellapi.h>

#include <cstring>
#include <utility>

#include "platform/win/lazy_library.h"

namespace nuvopick::win {
namespace {

// The first layout of the tray record, which every shell understands.
constexpr DWORD kNotifyIconDataSize = NOTIFYICONDATAA_V1_SIZE;
constexpr UINT kTrayIconId = 1;
constexpr UINT kTrayFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
constexpr char kTrayTip[] = "NuvoPick";

constexpr LONG kAssocChanged = 0x08000000;  // SHCNE_ASSOCCHANGED
constexpr UINT kFlush = 0x1000;             // SHCNF_FLUSH

using TShellNotifyIcon = BOOL WINAPI(DWORD, NOTIFYICONDATAA*);
using TChangeNotify = void WINAPI(LONG, UINT, const void*, const void*);

}  // namespace

bool TWinSingleInstanceLock::Acquire() {
  // Made and tested in one step, so that of two setup modes started at the same
  // moment only one finds the name free. A mutex made by a process with other
  // rights refuses us access (ERROR_ACCESS_DENIED), and another kind of object
  // of that name refuses the call: either way someone holds the name.
  TKernelHandle mutex(CreateMutexA(nullptr, FALSE, name_));
  if (!mutex.Valid() || GetLastError() == ERROR_ALREADY_EXISTS) return false;
  mutex_ = std::move(mutex);
  return true;
}

void TWinSingleInstanceLock::Release() {
  // The handle stays open, and the name taken, until the process ends.
  if (mutex_.Valid()) ReleaseMutex(mutex_.Get());
}

TMessageResult TWinMessageBox::Show(const TMessageRequest& request) {
  UINT type = MB_OK;
  if (request.Buttons == TMessageButtons::YesNo) type = MB_YESNO;
  if (request.Buttons == TMessageButtons::YesNoCancel) type = MB_YESNOCANCEL;
  switch (request.Icon) {
    case TMessageIcon::Warning:
      type |= MB_ICONWARNING;
      break;
    case TMessageIcon::Error:
      type |= MB_ICONERROR;
      break;
    case TMessageIcon::Question:
      type |= MB_ICONQUESTION;
      break;
    case TMessageIcon::None:
      break;
  }
  HWND owner = request.Owned ? owner_ : nullptr;
  if (owner == nullptr) type |= MB_TASKMODAL;
  switch (MessageBoxA(owner, request.Text.c_str(), request.Caption.c_str(), type)) {
    case IDYES:
      return TMessageResult::Yes;
    case IDNO:
      return TMessageResult::No;
    case IDCANCEL:
      return request.Buttons == TMessageButtons::Ok ? TMessageResult::Ok : TMessageResult::Cancel;
    default:
      return TMessageResult::Ok;
  }
}

// The record that names the window's icon to the shell.
NOTIFYICONDATAA TWinTrayIcon::Record() const {
  NOTIFYICONDATAA data{};
  data.cbSize = kNotifyIconDataSize;
  data.hWnd = window_;
  data.uID = kTrayIconId;
  return data;
}

void TWinTrayIcon::Add() {
  auto* notify = LazyFunction<TShellNotifyIcon>("shell32.dll", "Shell_NotifyIconA");
  if (notify == nullptr) return;
  NOTIFYICONDATAA data = Record();
  data.uFlags = kTrayFlags;
  data.uCallbackMessage = kCallbackMessage;
  data.hIcon = icon_;
  std::strncpy(data.szTip, kTrayTip, 63);
  // Also after the shell restarted its taskbar, which then holds no icons; a
  // refusal then leaves the icon counted as up, so that Remove still tries.
  if (notify(NIM_ADD, &data) != FALSE) added_ = true;
}

void TWinTrayIcon::Remove() {
  if (!added_) return;
  added_ = false;
  auto* notify = LazyFunction<TShellNotifyIcon>("shell32.dll", "Shell_NotifyIconA");
  if (notify == nullptr) return;
  NOTIFYICONDATAA data = Record();
  notify(NIM_DELETE, &data);
}

void TWinShellNotice::AssociationsChanged() {
  if (auto* notify = LazyFunction<TChangeNotify>("shell32.dll", "SHChangeNotify")) {
    notify(kAssocChanged, kFlush, nullptr, nullptr);
  }
}

}  // namespace nuvopick::win
