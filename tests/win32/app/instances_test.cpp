// zorn2.exe as it is started: the command line made into a path, and one file
// shown by one window only.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>

#include "app/start_arguments.h"
#include "base/running_instance.h"
#include "program_process.h"

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

  ProgramProcess untitled(Zorn2With(""));
  ASSERT_NE(untitled.WaitForMainWindow(), nullptr);
  ProgramProcess onMissing(Zorn2With(TestFile("missing.txt", false)));
  ASSERT_NE(onMissing.WaitForMainWindow(), nullptr);
  EXPECT_EQ(onMissing.WaitForExit(true), 0u);
  ProgramProcess first(Zorn2With("\"" + document + "\""));
  ASSERT_NE(first.WaitForMainWindow(), nullptr);
  char title[MAX_PATH] = {};
  GetWindowTextA(first.mainWindow, title, sizeof title);
  EXPECT_STREQ(title, "[Long document name.txt]-ZORN2");
  for (const std::string& arguments : {document, std::string(shortName), "\"" + upperName + "\""}) {
    ShowWindow(first.mainWindow, SW_MINIMIZE);
    ASSERT_TRUE(Eventually([&] { return IsIconic(first.mainWindow) != FALSE; }));
    ProgramProcess second(Zorn2With(arguments));
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
  ProgramProcess first(Zorn2With("\"" + document + "\""));
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
