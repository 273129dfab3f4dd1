// zorn2.exe as it is started: the command line made into a path, and one file
// shown by one window only.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>

#include "app/start_arguments.h"
#include "base/running_instance.h"

namespace {

// An absolute path that fits the program's path buffers, or none: never a cut one.
TEST(StartArguments, FileBecomesAnAbsolutePathThatFitsOrNone) {
  char directory[MAX_PATH];
  const std::string here = std::string(directory, GetCurrentDirectoryA(sizeof directory, directory)) + "\\";
  const std::string fits = "C:\\" + std::string(MAX_PATH - 4, 'a');  // 259 characters and the zero
  const std::string relative(MAX_PATH - 1 - here.size(), 'r');
  const struct { std::string arguments, path; bool print; } cases[] = {
      {"/p \"C:\\Мои документы\\a b.txt\"", "C:\\Мои документы\\a b.txt", true}, {"letter.txt", here + "letter.txt", false},
      {fits, fits, false}, {fits + "b", "", false}, {relative, here + relative, false}, {"/p " + relative + "r", "", true}};
  for (const auto& c : cases) {
    StartArguments arguments;
    FillMemory(arguments.path, sizeof arguments.path, '#');
    ResolveStartArguments(("zorn2.exe " + c.arguments).c_str(), &arguments);
    EXPECT_EQ(arguments.path, c.path) << c.arguments.substr(0, 40);
    EXPECT_EQ(arguments.printOnStart, c.print) << c.arguments.substr(0, 40);
  }
}

// Polls `condition` until it holds or about five seconds have passed.
template <typename Condition>
bool Eventually(Condition condition) {
  for (int i = 0; i < 100 && !condition(); ++i) Sleep(50);
  return condition();
}

// zorn2.exe started as another process, the way a user or the shell starts it;
// ended when still running.
struct ProgramProcess {
  explicit ProgramProcess(const std::string& arguments) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = ZORN2_EXE " " + arguments;
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

// A file in the tests' own directory, made unless told.
std::string TestFile(const std::string& name, bool make = true) {
  char temp[MAX_PATH];
  std::string path = std::string(temp, GetTempPathA(sizeof temp, temp)) + "zorn2 instances";
  CreateDirectoryA(path.c_str(), nullptr);
  path += "\\" + name;
  if (make) CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  return path;
}

// A second start on the shown file, under any of its names, brings the first
// window back and ends. An untitled window, or one started on a missing file
// (which has no short name), matches no file.
TEST(RunningInstances, FileShownByOneInstanceIsNotOpenedAgainUnderAnyOfItsNames) {
  std::string document = TestFile("Long document name.txt");
  char shortName[MAX_PATH];
  ASSERT_GT(GetShortPathNameA(document.c_str(), shortName, sizeof shortName), 0u);
  ASSERT_STRNE(shortName, document.c_str()) << "the file needs a short name of its own";
  const std::string upperName = CharUpperA(std::string(document).data());

  ProgramProcess untitled("");
  ASSERT_NE(untitled.WaitForMainWindow(), nullptr);
  ProgramProcess onMissing(TestFile("missing.txt", false));
  ASSERT_NE(onMissing.WaitForMainWindow(), nullptr);
  EXPECT_EQ(onMissing.WaitForExit(true), 0u);
  ProgramProcess first("\"" + document + "\"");
  ASSERT_NE(first.WaitForMainWindow(), nullptr);
  char title[MAX_PATH] = {};
  GetWindowTextA(first.mainWindow, title, sizeof title);
  EXPECT_STREQ(title, "[Long document name.txt]-ZORN2");
  for (const std::string& arguments : {document, std::string(shortName), "\"" + upperName + "\""}) {
    ShowWindow(first.mainWindow, SW_MINIMIZE);
    ASSERT_TRUE(Eventually([&] { return IsIconic(first.mainWindow) != FALSE; }));
    ProgramProcess second(arguments);
    EXPECT_EQ(second.WaitForExit(), 255u) << arguments;
    EXPECT_TRUE(Eventually([&] { return !IsIconic(first.mainWindow); })) << "not brought back: " << arguments;
  }
  EXPECT_EQ(first.WaitForExit(true), 0u);
  EXPECT_EQ(untitled.WaitForExit(true), 0u);
}

// A window of another elevation is another program: an administrator's start
// on the same file gets a window of its own. One of this elevation takes the
// request and answers for its own document only.
TEST(RunningInstances, AWindowOfAnotherElevationDoesNotCountAsTheSameProgram) {
  std::string document = TestFile("elevated.txt");
  ProgramProcess first("\"" + document + "\"");
  ASSERT_NE(first.WaitForMainWindow(), nullptr);
  const ElevationCheck system = sameElevation;
  sameElevation = [](DWORD) { return false; };
  EXPECT_FALSE(FindRunningInstance(document.c_str()));
  sameElevation = system;
  EXPECT_TRUE(FindRunningInstance(document.c_str()));
  char other[] = "c:\\another.txt";
  COPYDATASTRUCT request{static_cast<ULONG_PTR>(InstanceRequest::Print), sizeof other, other};
  EXPECT_EQ(SendMessageA(first.mainWindow, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request)), FALSE);
  EXPECT_EQ(first.WaitForExit(true), 0u);
}

}  // namespace
