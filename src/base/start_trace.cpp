#include "base/start_trace.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr int maxSteps = 32;
// 100 ns ticks between 1601, where FILETIME counts from, and 1970.
constexpr std::int64_t unixEpochTicks = 116444736000000000;

struct Step {
  const char* name;
  std::int64_t ticks;
  bool span;
};

bool traceOn = false;
std::wstring tracePath;  // where the steps are written, any name
Step steps[maxSteps];
int stepCount = 0;

std::int64_t Ticks(const FILETIME& time) {
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

// The system clock, which the bench's own start time is read from too (Unix time).
std::int64_t WallTicks() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return Ticks(now) - unixEpochTicks;
}

void Keep(const char* name, std::int64_t ticks, bool span) {
  if (stepCount < maxSteps) steps[stepCount++] = Step{name, ticks, span};
}

}  // namespace

void BeginStartTrace() {
  std::int64_t now = WallTicks();
  DWORD needed = GetEnvironmentVariableW(L"ZORN2_START_TRACE", nullptr, 0);
  tracePath.assign(needed, L'\0');
  DWORD length = needed ? GetEnvironmentVariableW(L"ZORN2_START_TRACE", tracePath.data(), needed) : 0;
  traceOn = length > 0 && length < needed;
  tracePath.resize(traceOn ? length : 0);
  if (traceOn) Keep("WinMain", now, false);
}

bool StartTraceOn() { return traceOn; }

void TraceStartStep(const char* step) {
  if (traceOn) Keep(step, WallTicks(), false);
}

void TraceStartSpan(const char* step, std::int64_t ticks) {
  if (traceOn) Keep(step, ticks, true);
}

std::int64_t StartTraceTicks() { return traceOn ? WallTicks() : 0; }

bool FinishStartTrace() {
  if (!traceOn) return false;
  FILETIME created, exited, kernel, user;
  if (GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) {
    Keep("processor time of the process", Ticks(kernel) + Ticks(user), true);
  }
  traceOn = false;
  FILE* out = _wfopen(tracePath.c_str(), L"w");
  if (!out) return true;
  // Unix time in 100 ns ticks, or a span's length, then the step's name.
  for (int i = 0; i < stepCount; ++i) {
    std::fprintf(out, "%s %lld %s\n", steps[i].span ? "span" : "at", static_cast<long long>(steps[i].ticks),
                 steps[i].name);
  }
  std::fclose(out);
  return true;
}
