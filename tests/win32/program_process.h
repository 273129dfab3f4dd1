// zorn2.exe started as another process, the way a user or the shell starts it.
#pragma once
#include <windows.h>

#include <string>

class ProgramProcess {
 public:
  ProgramProcess() = default;
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;
  ~ProgramProcess();  // ends a process still running

  // Starts the program with `arguments` after its name; `showCommand` goes to
  // STARTUPINFO when it is not negative.
  bool Start(const std::string& arguments, int showCommand = -1);

  // The process's top-level window of class "ZORN2" once start-up has shown
  // it; null when none came in time.
  HWND WaitForMainWindow();

  // The exit code, or STILL_ACTIVE when the process has not ended in time.
  DWORD WaitForExit(DWORD milliseconds = 10000);

  // WM_CLOSE to the main window, then the exit code.
  DWORD Close();

  HWND mainWindow = nullptr;
  PROCESS_INFORMATION info{};
};

// Polls `condition` until it holds or about five seconds have passed.
template <typename Condition>
bool Eventually(Condition condition) {
  for (int i = 0; i < 100; ++i) {
    if (condition()) return true;
    Sleep(50);
  }
  return condition();
}
