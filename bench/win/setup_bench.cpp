// Setup mode's start and end: setup_bench RUNS "COMMAND" [FILE]. Each run starts
// COMMAND, times it to its visible setup window, waits until it is idle, clicks
// OK and times it to the end of the process. FILE, when given, is deleted before
// every run (regbackup.ini, so that every start records the Refs anew). Prints
// every run and the medians.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr double kGiveUpSeconds = 600;

struct TSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<TSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char title[64] = {};
  GetWindowTextA(window, title, sizeof title);
  if (owner == search->processId && IsWindowVisible(window) &&
      std::strncmp(title, "NuvoPick", 8) == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

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

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct TRun {
  double toWindow = -1;  // seconds; negative when it never came
  double toExit = -1;
};

TRun TimeRun(const std::string& commandLine) {
  TRun run;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string line = commandLine;
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return run;
  }
  TSearch search{process.dwProcessId, nullptr};
  LARGE_INTEGER now = start;
  // Polling with pauses: a busy loop would take a core from the program measured.
  while (search.found == nullptr && Seconds(start, now) < kGiveUpSeconds) {
    EnumWindows(&FindVisible, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) Sleep(2);
    QueryPerformanceCounter(&now);
  }
  HWND ok = nullptr;
  if (search.found != nullptr) {
    run.toWindow = Seconds(start, now);
    WaitForInputIdle(process.hProcess, static_cast<DWORD>(kGiveUpSeconds * 1000));
    EnumChildWindows(search.found, &FindOkButton, reinterpret_cast<LPARAM>(&ok));
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
  if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, 5000);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
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
