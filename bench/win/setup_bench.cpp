// Setup mode's start and end: setup_bench RUNS "COMMAND" [FILE]. Each run starts
// COMMAND, times it to its visible setup window, waits until it is idle, clicks
// OK and times it to the end of the process. FILE, when given, is deleted before
// every run (regbackup.ini, so that every start records the Refs anew). Prints
// every run and the medians.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench_timing.h"

namespace {

using nuvopick::bench::EndProcess;
using nuvopick::bench::Median;
using nuvopick::bench::Seconds;
using nuvopick::bench::StartTimed;
using nuvopick::bench::VisibleWindowOf;

constexpr double kGiveUpSeconds = 600;

BOOL CALLBACK FindOkButton(HWND window, LPARAM data) {
  char className[16] = {};
  char text[16] = {};
  GetClassNameA(window, className, sizeof className);
  GetWindowTextA(window, text, sizeof text);
  if (lstrcmpiA(className, "Button") == 0 && std::strcmp(text, "OK") == 0) {
    *reinterpret_cast<HWND*>(data) = window;
    return FALSE;
  }
  return TRUE;
}

struct TRun {
  double toWindow = -1;  // seconds; negative when it never came
  double toExit = -1;
};

TRun TimeRun(const std::string& commandLine) {
  TRun run;
  PROCESS_INFORMATION process{};
  LARGE_INTEGER start;
  if (!StartTimed(commandLine, process, start)) return run;
  HWND setup = nullptr;
  LARGE_INTEGER now = start;
  // Polling with pauses: a busy loop would take a core from the program measured.
  while (setup == nullptr && Seconds(start, now) < kGiveUpSeconds) {
    setup = VisibleWindowOf(process.dwProcessId, "NuvoPick");
    if (setup == nullptr) Sleep(2);
    QueryPerformanceCounter(&now);
  }
  HWND ok = nullptr;
  if (setup != nullptr) {
    run.toWindow = Seconds(start, now);
    WaitForInputIdle(process.hProcess, static_cast<DWORD>(kGiveUpSeconds * 1000));
    EnumChildWindows(setup, &FindOkButton, reinterpret_cast<LPARAM>(&ok));
  }
  if (ok != nullptr) {
    LARGE_INTEGER clicked;
    QueryPerformanceCounter(&clicked);
    PostMessageA(ok, BM_CLICK, 0, 0);
    if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(kGiveUpSeconds * 1000)) ==
        WAIT_OBJECT_0) {
      QueryPerformanceCounter(&now);
      run.toExit = Seconds(clicked, now);
    }
  }
  EndProcess(process, 0);
  return run;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: setup_bench RUNS \"COMMAND\" [FILE]\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  std::vector<double> toWindow;
  std::vector<double> toExit;
  for (int i = 0; i < runs; ++i) {
    if (argc == 4) DeleteFileA(argv[3]);
    const TRun run = TimeRun(argv[2]);
    toWindow.push_back(run.toWindow);
    toExit.push_back(run.toExit);
    std::printf("run %2d: start to window %8.3f s   OK to exit %8.3f s\n", i + 1, run.toWindow,
                run.toExit);
    std::fflush(stdout);
  }
  std::printf("median: start to window %.3f s, OK to exit %.3f s\n", Median(toWindow),
              Median(toExit));
  return 0;
}
