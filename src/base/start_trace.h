// Wall-clock times of the steps from the process's start to its first idle
// moment, for scripts/bench-open.sh. With ZORN2_START_TRACE naming a file, each
// step is kept and the list written there when the program first has nothing
// to do; the program then closes, so that a bench can start it again. Without
// the variable every call returns at once.
#pragma once
#include <cstdint>

// Reads the variable; the first thing the program does.
void BeginStartTrace();
bool StartTraceOn();
// `step` is a literal: only its address is kept.
void TraceStartStep(const char* step);
// A duration inside the steps, such as the time spent reading the file.
void TraceStartSpan(const char* step, std::int64_t ticks);
// 100 ns ticks of the trace's clock; 0 while no trace is taken.
std::int64_t StartTraceTicks();
// Writes the file once, with the processor time the process took so far;
// true the one time it did.
bool FinishStartTrace();
