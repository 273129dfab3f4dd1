// What the process was asked to do: open a file, perhaps print it.
#pragma once
#include <windows.h>

struct StartArguments {
  char path[MAX_PATH];  // absolute; empty when none was given or it does not fit
  bool printOnStart;
};

// Parses `commandLine` (program name first) and makes the file absolute.
void ResolveStartArguments(const char* commandLine, StartArguments* arguments);

// The same for this process's own command line.
void ReadStartArguments(StartArguments* arguments);
