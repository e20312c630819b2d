// Time from process start to a visible window, for two command lines run in
// turn: startup_bench RUNS "COMMAND A" "COMMAND B". Prints every run and the
// medians, and the ratio B / A.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_timing.h"

namespace {

using nuvopick::bench::EndProcess;
using nuvopick::bench::Median;
using nuvopick::bench::Seconds;
using nuvopick::bench::StartTimed;
using nuvopick::bench::VisibleWindowOf;

// Milliseconds until the started program shows a window; negative when it never does.
double TimeToWindow(const std::string& commandLine) {
  PROCESS_INFORMATION process{};
  LARGE_INTEGER start;
  if (!StartTimed(commandLine, process, start)) return -1;
  HWND found = nullptr;
  LARGE_INTEGER now = start;
  while (found == nullptr && Seconds(start, now) < 20) {
    found = VisibleWindowOf(process.dwProcessId, "");
    QueryPerformanceCounter(&now);
  }
  const double elapsed = found != nullptr ? Seconds(start, now) * 1000 : -1;
  if (found != nullptr) PostMessageA(found, WM_CLOSE, 0, 0);
  EndProcess(process, 5000);
  return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: startup_bench RUNS \"COMMAND A\" \"COMMAND B\"\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  std::vector<double> a;
  std::vector<double> b;
  for (int i = 0; i < runs; ++i) {
    a.push_back(TimeToWindow(argv[2]));
    b.push_back(TimeToWindow(argv[3]));
    std::printf("run %2d: A %7.1f ms   B %7.1f ms\n", i + 1, a.back(), b.back());
  }
  const double medianA = Median(a);
  const double medianB = Median(b);
  std::printf("median A %.1f ms, median B %.1f ms, B / A = %.2f\n", medianA, medianB,
              medianB / medianA);
  return 0;
}
