#include "platform/win/win_services.h"

#include <windows.h>

#include <mmsystem.h>
#include <shellapi.h>

#include "platform/win/lazy_library.h"
#include "platform/win/window_dpi.h"
#include "text/text_helpers.h"
#include "text/win/wide_chars.h"

namespace nuvopick::win {

std::uint32_t TWinClock::TickCount() const {
  return GetTickCount();
}

void TWinClock::WaitFor(std::uint32_t milliseconds) {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds, QS_ALLINPUT);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // An end request belongs to the event loop; leave it for the loop to find.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

TPoint TWinPointer::CursorPos() const {
  POINT point{};
  GetCursorPos(&point);
  return {point.x, point.y};
}

TRect TWinPointer::MonitorRectAt(TPoint point) const {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  HMONITOR monitor = MonitorFromPoint(POINT{point.X, point.Y}, MONITOR_DEFAULTTONEAREST);
  if (monitor == nullptr || !GetMonitorInfoA(monitor, &info)) {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  return {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
}

TDpiScale TWinPointer::DpiAt(TPoint point) const {
  return DpiAtPoint(POINT{point.X, point.Y});
}

// Wide calls: the request carries file names with characters that the ANSI
// code page may lack.
bool TWinShellExecute::Execute(const TLaunchRequest& request) {
  // The request keeps the working folder in quotes as the program builds it; the
  // execute service ignores a quoted folder, so the quotes come off here.
  const std::u16string directory = Unquote(request.Directory);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  // The started program inherits our environment as it is at this call.
  for (const auto& [name, value] : request.Environment) {
    SetEnvironmentVariableW(WideChars(name), WideChars(value));
  }
  info.fMask = (request.ExpandVariables ? SEE_MASK_DOENVSUBST : 0) |
               (request.Quiet ? SEE_MASK_FLAG_NO_UI : 0);
  info.lpVerb = request.Verb.empty() ? nullptr : WideChars(request.Verb);
  info.lpFile = WideChars(request.File);
  info.lpParameters = WideChars(request.Parameters);
  info.lpDirectory = directory.empty() ? nullptr : WideChars(directory);
  info.nShow = request.Show;
  auto* execute = LazyFunction<decltype(ShellExecuteExW)>("shell32.dll", "ShellExecuteExW");
  return execute != nullptr && execute(&info) != FALSE;
}

bool TWinShellExecute::Open(const TLaunchRequest& request, bool owned) {
  auto* open = LazyFunction<decltype(ShellExecuteW)>("shell32.dll", "ShellExecuteW");
  if (open == nullptr) return false;
  const auto OrNull = [](const std::u16string& text) {
    return text.empty() ? nullptr : WideChars(text);
  };
  const auto result = reinterpret_cast<INT_PTR>(
      open(owned ? owner_ : nullptr, OrNull(request.Verb), WideChars(request.File),
           OrNull(request.Parameters), OrNull(request.Directory), request.Show));
  return result > 32;
}

void TWinSound::PlayWaveFile(const std::string& path) {
  if (auto* play = LazyFunction<decltype(PlaySoundA)>("winmm.dll", "PlaySoundA")) {
    play(path.c_str(), nullptr, SND_ASYNC | SND_NODEFAULT | SND_FILENAME);
  }
}

void TWinSound::PlaySystemSound(TSystemSound sound) {
  UINT type = MB_OK;
  switch (sound) {
    case TSystemSound::Ok:
      type = MB_OK;
      break;
    case TSystemSound::Hand:
      type = MB_ICONHAND;
      break;
    case TSystemSound::Question:
      type = MB_ICONQUESTION;
      break;
    case TSystemSound::Exclamation:
      type = MB_ICONEXCLAMATION;
      break;
    case TSystemSound::Asterisk:
      type = MB_ICONASTERISK;
      break;
  }
  MessageBeep(type);
}

void TWinSound::PlayTone(unsigned frequencyHz, unsigned durationMs) {
  Beep(frequencyHz, durationMs);
}

std::string TWinSystemInfo::SystemDirectory() const {
  char folder[512] = {};
  const UINT length = GetSystemDirectoryA(folder, sizeof folder);
  return length < sizeof folder ? std::string(folder, length) : std::string();
}

}  // namespace nuvopick::win
