#include "app/start_arguments.h"

#include "app/command_line.h"

void ResolveStartArguments(const char* commandLine, StartArguments* arguments) {
  CommandLine parsed = ParseCommandLine(commandLine);
  arguments->printOnStart = parsed.printOnStart;
  arguments->path[0] = '\0';
  if (parsed.file.empty()) return;
  // A path that does not fit the buffer is dropped, so it fails to open as a missing file does.
  DWORD length = GetFullPathNameA(parsed.file.c_str(), sizeof arguments->path, arguments->path, nullptr);
  if (length == 0 || length >= sizeof arguments->path) arguments->path[0] = '\0';
}

void ReadStartArguments(StartArguments* arguments) { ResolveStartArguments(GetCommandLineA(), arguments); }
