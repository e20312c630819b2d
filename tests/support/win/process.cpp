#include "support/win/process.h"

#include <stdexcept>

#include "text/ansi_text.h"
#include "text/win/wide_chars.h"

namespace nuvopick::testing {
namespace {

struct TWindowSearch {
  DWORD processId;
  const char* className;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<TWindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[256] = {};
  GetClassNameA(window, className, sizeof className);
  if (owner == search->processId && lstrcmpA(className, search->className) == 0) {
    search->found.push_back(window);
  }
  return TRUE;
}

}  // namespace

TProcess::TProcess(const std::string& exe, const std::string& commandLine,
                   const std::string& folder) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string mutableLine = commandLine;
  if (!CreateProcessA(exe.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &info_)) {
    info_ = {};
    throw std::runtime_error("cannot start " + exe);
  }
}

TProcess::TProcess(const std::string& exe, const std::u16string& commandLine,
                   const std::string& folder) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::u16string mutableLine = commandLine;
  const std::u16string wideFolder = WidenAnsi(folder);
  if (!CreateProcessW(win::WideChars(WidenAnsi(exe)), win::WideChars(mutableLine), nullptr, nullptr,
                      FALSE, 0, nullptr, folder.empty() ? nullptr : win::WideChars(wideFolder),
                      &startup, &info_)) {
    info_ = {};
    throw std::runtime_error("cannot start " + exe);
  }
}

TProcess::~TProcess() {
  if (!Started()) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

DWORD TProcess::WaitForExit(DWORD milliseconds) {
  if (WaitForSingleObject(info_.hProcess, milliseconds) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

std::vector<HWND> TProcess::Windows(const char* className) const {
  TWindowSearch search{info_.dwProcessId, className, {}};
  EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND TProcess::WaitForVisibleWindow(const char* className, DWORD milliseconds) const {
  const DWORD start = GetTickCount();
  do {
    for (HWND window : Windows(className)) {
      if (IsWindowVisible(window)) return window;
    }
    Sleep(20);
  } while (GetTickCount() - start < milliseconds);
  return nullptr;
}

std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

SIZE ClientSize(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace nuvopick::testing
