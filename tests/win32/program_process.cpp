#include "program_process.h"

namespace {

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindTopLevelOf(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || GetParent(window)) return TRUE;
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpA(className, "ZORN2") != 0) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

ProgramProcess::~ProgramProcess() {
  if (!info.hProcess) return;
  if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(info.hProcess, 99);
    WaitForSingleObject(info.hProcess, 5000);
  }
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
}

bool ProgramProcess::Start(const std::string& arguments, int showCommand) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (showCommand >= 0) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
  }
  std::string commandLine = ZORN2_EXE;
  if (!arguments.empty()) commandLine += " " + arguments;
  return CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
}

HWND ProgramProcess::WaitForMainWindow() {
  // The window exists long before start-up ends; it is shown once the file is loaded.
  WaitForInputIdle(info.hProcess, 10000);
  Eventually([&] {
    Search search{info.dwProcessId, nullptr};
    EnumWindows(FindTopLevelOf, reinterpret_cast<LPARAM>(&search));
    mainWindow = search.found && IsWindowVisible(search.found) ? search.found : nullptr;
    return mainWindow != nullptr || WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0;
  });
  return mainWindow;
}

DWORD ProgramProcess::WaitForExit(DWORD milliseconds) {
  if (WaitForSingleObject(info.hProcess, milliseconds) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD exitCode = STILL_ACTIVE;
  GetExitCodeProcess(info.hProcess, &exitCode);
  return exitCode;
}

DWORD ProgramProcess::Close() {
  PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  return WaitForExit();
}
