// zorn2.exe run as another process by the in-process tests, and waiting on it.
#pragma once
#include <windows.h>

#include <string>

// Polls `condition` until it holds or about five seconds have passed.
template <typename Condition>
inline bool Eventually(Condition condition) {
  for (int i = 0; i < 100 && !condition(); ++i) Sleep(50);
  return condition();
}

// The test build's zorn2.exe with these arguments.
inline std::string Zorn2With(const std::string& arguments) { return ZORN2_EXE " " + arguments; }

// A program started as another process, the way a user or the shell starts it;
// ended when still running.
struct ProgramProcess {
  explicit ProgramProcess(std::string commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
  }
  ~ProgramProcess() {
    if (!started) return;
    TerminateProcess(info.hProcess, 99);  // fails harmlessly when it has ended
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  // The process's visible top-level window of class "ZORN2" once start-up has
  // shown it (after loading the file); null when none came in time.
  HWND WaitForMainWindow() {
    WaitForInputIdle(info.hProcess, 10000);
    Eventually([&] {
      for (mainWindow = nullptr; (mainWindow = FindWindowExA(nullptr, mainWindow, "ZORN2", nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(mainWindow, &owner);
        if (owner == info.dwProcessId && IsWindowVisible(mainWindow)) return true;
      }
      return WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0;
    });
    return mainWindow;
  }
  // The exit code (STILL_ACTIVE when the process has not ended in time), after WM_CLOSE if told.
  DWORD WaitForExit(bool close = false) {
    if (close) PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    DWORD exitCode = STILL_ACTIVE;
    if (WaitForSingleObject(info.hProcess, 10000) == WAIT_OBJECT_0) GetExitCodeProcess(info.hProcess, &exitCode);
    return exitCode;
  }

  bool started = false;
  HWND mainWindow = nullptr;
  PROCESS_INFORMATION info{};
};
