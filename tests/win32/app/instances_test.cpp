// zorn2.exe as it is started: the command line made into a path, and one file
// shown by one window only.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>

#include "app/start_arguments.h"
#include "base/running_instance.h"
#include "base/wide_strings.h"
#include "program_process.h"

namespace {

// The path made absolute and kept whole, whatever its length or characters.
TEST(StartArguments, FileBecomesAnAbsolutePathWhole) {
  wchar_t directory[MAX_PATH];
  const std::wstring here = std::wstring(directory, GetCurrentDirectoryW(MAX_PATH, directory)) + L"\\";
  const std::wstring longer = L"C:\\" + std::wstring(MAX_PATH, L'a') + L"\\b.txt";
  const std::wstring relative(MAX_PATH, L'r');
  const struct { std::wstring arguments, path; bool print; } cases[] = {
      {L"/p \"C:\\Мои документы\\a b.txt\"", L"C:\\Мои документы\\a b.txt", true}, {L"letter.txt", here + L"letter.txt", false},
      {L"\"Ελληνικά 日本.txt\"", here + L"Ελληνικά 日本.txt", false}, {longer, longer, false},
      {L"/p " + relative, here + relative, true}, {L"", L"", false}};
  for (const auto& c : cases) {
    const StartArguments arguments = ResolveStartArguments(L"zorn2.exe " + c.arguments);
    EXPECT_TRUE(arguments.path == c.path) << c.path.size();
    EXPECT_EQ(arguments.printOnStart, c.print) << c.path.size();
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
  EXPECT_FALSE(FindRunningInstance(WideFromUtf8(document)));
  sameElevation = system;
  EXPECT_TRUE(FindRunningInstance(WideFromUtf8(document)));
  wchar_t other[] = L"c:\\another.txt";
  COPYDATASTRUCT request{static_cast<ULONG_PTR>(InstanceRequest::Print), sizeof other, other};
  EXPECT_EQ(SendMessageA(first.mainWindow, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request)), FALSE);
  EXPECT_EQ(first.WaitForExit(true), 0u);
}

}  // namespace
