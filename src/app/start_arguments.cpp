#include "app/start_arguments.h"

#include <windows.h>

#include "app/command_line.h"
#include "base/file_names.h"

StartArguments ResolveStartArguments(std::wstring_view commandLine) {
  WideCommandLine parsed = ParseCommandLine(commandLine);
  return StartArguments{FullPathOf(parsed.file), parsed.printOnStart};
}

StartArguments ReadStartArguments() { return ResolveStartArguments(GetCommandLineW()); }
