// The clocks the Windows benchmarks read: wall time, and the process's own
// processor time, which other programs' load does not inflate. Seconds.
#pragma once
#include <windows.h>

#include <algorithm>
#include <vector>

inline double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double CpuNow() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto seconds = [](FILETIME t) { return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e7; };
  return seconds(kernel) + seconds(user);
}

// Milliseconds of `step` (a message and the paint after it), the median of
// `runs`, each run after an untimed `prepare`.
template <class Prepare, class Step>
double Median(int runs, Prepare prepare, Step step) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    prepare();
    double start = Now();
    step();
    times.push_back((Now() - start) * 1000);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

template <class Step>
double Median(int runs, Step step) {
  return Median(runs, [] {}, step);
}
