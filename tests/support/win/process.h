// Starting a program of the build as another process and watching its windows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace nuvopick::testing {

class TProcess {
 public:
  // Starts Exe with the command line exactly as given (the program's own name
  // included), in Folder.
  TProcess(const std::string& exe, const std::string& commandLine, const std::string& folder);
  // The same with a wide command line, for arguments that the ANSI code page lacks.
  TProcess(const std::string& exe, const std::u16string& commandLine, const std::string& folder);
  TProcess(const TProcess&) = delete;
  TProcess& operator=(const TProcess&) = delete;
  ~TProcess();  // ends the process if it still runs

  bool Started() const { return info_.hProcess != nullptr; }
  DWORD Id() const { return info_.dwProcessId; }

  // The exit code once the process ended within the time, else STILL_ACTIVE.
  DWORD WaitForExit(DWORD milliseconds);

  // The process's top-level windows of the given class, visible or not.
  std::vector<HWND> Windows(const char* className) const;
  // Waits until the process has a visible top-level window of the class.
  HWND WaitForVisibleWindow(const char* className, DWORD milliseconds) const;

 private:
  PROCESS_INFORMATION info_{};
};

std::string WindowText(HWND window);
SIZE ClientSize(HWND window);

}  // namespace nuvopick::testing
