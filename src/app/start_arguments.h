// What the process was asked to do: open a file, perhaps print it.
#pragma once
#include <string>
#include <string_view>

struct StartArguments {
  std::wstring path;  // absolute; empty when none was given
  bool printOnStart = false;
};

// Parses `commandLine` (program name first) and makes the file absolute.
StartArguments ResolveStartArguments(std::wstring_view commandLine);

// The same for this process's own command line.
StartArguments ReadStartArguments();
