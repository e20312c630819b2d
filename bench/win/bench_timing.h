// What the benchmarks under Wine share: the clock, the wait for a started
// program's visible window, and the median of the runs.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace nuvopick::bench {

inline double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// A visible top-level window of the process, whose title starts with
// TitlePrefix ("" for any); null when none is there yet.
inline HWND VisibleWindowOf(DWORD processId, const char* titlePrefix) {
  struct TSearch {
    DWORD processId;
    const char* titlePrefix;
    HWND found;
  } search{processId, titlePrefix, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* search = reinterpret_cast<TSearch*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
        if (*search->titlePrefix != '\0') {
          char title[64] = {};
          GetWindowTextA(window, title, sizeof title);
          if (std::strncmp(title, search->titlePrefix, std::strlen(search->titlePrefix)) != 0)
            return TRUE;
        }
        search->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Starts CommandLine and notes the time it was started at; false when it could
// not be started.
inline bool StartTimed(const std::string& commandLine, PROCESS_INFORMATION& process,
                       LARGE_INTEGER& start) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string line = commandLine;
  QueryPerformanceCounter(&start);
  return CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process) != FALSE;
}

// Gives the process WaitMs to end on its own, then ends it.
inline void EndProcess(PROCESS_INFORMATION& process, DWORD waitMs) {
  if (WaitForSingleObject(process.hProcess, waitMs) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, 5000);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace nuvopick::bench
