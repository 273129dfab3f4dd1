// The command line made into an absolute path that fits the program's path buffers.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/start_arguments.h"

namespace {

std::string Resolved(const std::string& commandLine, bool* printOnStart = nullptr) {
  StartArguments arguments;
  FillMemory(arguments.path, sizeof arguments.path, '#');
  ResolveStartArguments(commandLine.c_str(), &arguments);
  if (printOnStart) *printOnStart = arguments.printOnStart;
  return arguments.path;
}

TEST(StartArguments, FileBecomesAnAbsolutePath) {
  bool print = false;
  EXPECT_EQ(Resolved("zorn2.exe /p \"C:\\Мои документы\\a b.txt\"", &print), "C:\\Мои документы\\a b.txt");
  EXPECT_TRUE(print);
  char directory[MAX_PATH];
  GetCurrentDirectoryA(sizeof directory, directory);
  EXPECT_EQ(Resolved("zorn2.exe letter.txt", &print), std::string(directory) + "\\letter.txt");
  EXPECT_FALSE(print);
  EXPECT_EQ(Resolved("zorn2.exe /P", &print), "");
  EXPECT_TRUE(print);
}

TEST(StartArguments, PathThatDoesNotFitIsDroppedWholeNeverCut) {
  std::string fits = "C:\\" + std::string(MAX_PATH - 4, 'a');  // 259 characters and the zero
  EXPECT_EQ(Resolved("zorn2.exe " + fits), fits);
  EXPECT_EQ(Resolved("zorn2.exe " + fits + "b"), "");
  EXPECT_EQ(Resolved("zorn2.exe /p \"C:\\" + std::string(5000, 'x') + ".txt\""), "");
}

TEST(StartArguments, RelativeNameCountsWithTheDirectoryItIsMadeAbsoluteIn) {
  char directory[MAX_PATH];
  std::string prefix = std::string(directory, GetCurrentDirectoryA(sizeof directory, directory)) + "\\";
  std::string name(MAX_PATH - 1 - prefix.size(), 'r');
  EXPECT_EQ(Resolved("zorn2.exe " + name), prefix + name);
  EXPECT_EQ(Resolved("zorn2.exe " + name + "r"), "");
}

}  // namespace
