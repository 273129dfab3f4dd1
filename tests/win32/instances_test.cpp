// zorn2.exe as it is started: the command line made into a path, settings of
// any type, one file shown by one window only, and the window placement
// remembered across runs unless the caller chose the state.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/settings_store.h"
#include "app/start_arguments.h"
#include "conversion/code_page_fonts.h"

namespace {

// An absolute path that fits the program's path buffers, or none: never a cut one.
TEST(StartArguments, FileBecomesAnAbsolutePathThatFitsOrNone) {
  char directory[MAX_PATH];
  const std::string here = std::string(directory, GetCurrentDirectoryA(sizeof directory, directory)) + "\\";
  const std::string fits = "C:\\" + std::string(MAX_PATH - 4, 'a');  // 259 characters and the zero
  const std::string relative(MAX_PATH - 1 - here.size(), 'r');
  const struct { std::string arguments, path; bool print; } cases[] = {
      {"/p \"C:\\Мои документы\\a b.txt\"", "C:\\Мои документы\\a b.txt", true}, {"letter.txt", here + "letter.txt", false},
      {"/P", "", true}, {fits, fits, false}, {fits + "b", "", false},
      {"/p \"C:\\" + std::string(5000, 'x') + ".txt\"", "", true}, {relative, here + relative, false},
      {relative + "r", "", false}};
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
// ended by the destructor when still running.
struct ProgramProcess {
  ProgramProcess() = default;
  ProgramProcess(const ProgramProcess&) = delete;
  ~ProgramProcess() {
    if (!info.hProcess) return;
    if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info.hProcess, 99);
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  // `showCommand` goes to STARTUPINFO when it is not negative.
  bool Start(const std::string& arguments, int showCommand = -1) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (showCommand >= 0) {
      startup.dwFlags = STARTF_USESHOWWINDOW;
      startup.wShowWindow = static_cast<WORD>(showCommand);
    }
    std::string commandLine = arguments.empty() ? ZORN2_EXE : ZORN2_EXE " " + arguments;
    return CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
  }
  // The process's top-level window of class "ZORN2" once start-up has shown it (after
  // loading the file); null when none came in time.
  HWND WaitForMainWindow() {
    WaitForInputIdle(info.hProcess, 10000);
    Eventually([&] {
      mainWindow = nullptr;
      EnumWindows(FindShownMainWindow, reinterpret_cast<LPARAM>(this));
      return mainWindow != nullptr || WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0;
    });
    return mainWindow;
  }
  static BOOL CALLBACK FindShownMainWindow(HWND window, LPARAM param) {
    auto* process = reinterpret_cast<ProgramProcess*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner != process->info.dwProcessId || GetParent(window) || lstrcmpA(className, "ZORN2") != 0) return TRUE;
    process->mainWindow = IsWindowVisible(window) ? window : nullptr;
    return FALSE;
  }
  // The exit code, or STILL_ACTIVE when the process has not ended in time.
  DWORD WaitForExit(DWORD milliseconds = 10000) {
    DWORD exitCode = STILL_ACTIVE;
    if (WaitForSingleObject(info.hProcess, milliseconds) == WAIT_OBJECT_0) GetExitCodeProcess(info.hProcess, &exitCode);
    return exitCode;
  }
  DWORD Close() {  // WM_CLOSE to the main window, then the exit code
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    return WaitForExit();
  }

  HWND mainWindow = nullptr;
  PROCESS_INFORMATION info{};
};

std::string TestDirectory() {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  std::string directory = std::string(temp) + "zorn2 instances";
  CreateDirectoryA(directory.c_str(), nullptr);
  return directory;
}

const char fileText[] = "\xEF\xE8\xF1\xFC\xEC\xEE\r\n";

std::string MakeFile(const std::string& name) {
  std::string path = TestDirectory() + "\\" + name;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, fileText, 8, &written, nullptr);
  CloseHandle(file);
  return path;
}

std::string Title(HWND window) {
  char title[MAX_PATH + 16] = {};
  GetWindowTextA(window, title, sizeof title);
  return title;
}

// Settings edited by hand or left by another program may have any type. Each
// setting the program reads, stored with each wrong type at once: the program
// still starts, opens its file, shows its window and leaves the file alone.
TEST(RunningProgram, SettingsOfEveryWrongTypeStillLetItStartAndOpenTheFile) {
  std::vector<std::string> names = {"ST", "TL", "WW", "NO", "RP", "Bk", "RI", "FI", "LI", "IG", "LIST", "DEF", "AU", "Cl"};
  for (char slot = '0'; slot <= '9'; ++slot) names.insert(names.end(), {slot + std::string("F"), slot + std::string("FC")});
  for (int page = 0; page < viewCodePageCount; ++page)
    names.insert(names.end(), {fontFaceSettings[page], fontSizeSettings[page], fontCharsetSettings[page]});
  const struct { DWORD type; std::string bytes; } wrongs[] = {
      {REG_SZ, std::string("\xC0\xC1\x31\x32\x33\x34\x35\x36\x37", 10)},  // no end where a number is read
      {REG_BINARY, std::string("\xFF", 1)}, {REG_BINARY, std::string(300, '\x7F')},
      {REG_MULTI_SZ, std::string("a\0b\0\0", 5)}, {REG_QWORD, std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 8)},
      {REG_DWORD, std::string("\x00\x00\x00\x80", 4)},  // the smallest number where a string or size is read
      {REG_NONE, std::string()}};
  std::string file = MakeFile("wrong types.txt");
  for (const auto& wrong : wrongs) {
    SCOPED_TRACE(wrong.type);
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, settingsKeyPath, &key), ERROR_SUCCESS);
    for (const std::string& name : names) {
      RegSetValueExA(key, name.c_str(), 0, wrong.type, reinterpret_cast<const BYTE*>(wrong.bytes.data()),
                     static_cast<DWORD>(wrong.bytes.size()));
    }
    RegCloseKey(key);
    ProgramProcess program;
    ASSERT_TRUE(program.Start("\"" + file + "\""));
    ASSERT_NE(program.WaitForMainWindow(), nullptr);
    EXPECT_TRUE(Eventually([&] { return Title(program.mainWindow) == "[wrong types.txt]-ZORN2"; }));
    EXPECT_EQ(program.Close(), 0u);
  }
  RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
  HANDLE read = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  char bytes[16] = {};
  DWORD count = 0;
  ReadFile(read, bytes, sizeof bytes, &count, nullptr);
  CloseHandle(read);
  EXPECT_EQ(std::string(bytes, count), fileText);
}

TEST(RunningInstances, FileShownByOneInstanceIsNotOpenedAgainUnderAnyOfItsNames) {
  std::string document = MakeFile("Long document name.txt");
  char shortName[MAX_PATH];
  ASSERT_GT(GetShortPathNameA(document.c_str(), shortName, sizeof shortName), 0u);
  ASSERT_STRNE(shortName, document.c_str()) << "the file needs a short name of its own";
  std::string upperName = document;
  CharUpperA(upperName.data());

  ProgramProcess untitled;  // its hidden marker has no text yet
  ASSERT_TRUE(untitled.Start(""));
  ASSERT_NE(untitled.WaitForMainWindow(), nullptr);
  EXPECT_EQ(Title(untitled.mainWindow), "[БезИмени]-ZORN2");
  HWND marker = FindWindowExA(untitled.mainWindow, nullptr, "Zorn2 - ZovaV", nullptr);
  ASSERT_NE(marker, nullptr);
  EXPECT_EQ(GetWindowLongA(marker, GWL_STYLE) & (WS_CHILD | WS_VISIBLE), WS_CHILD);
  // A file that does not exist has no short name: it must not match the untitled marker.
  ProgramProcess onMissing;
  ASSERT_TRUE(onMissing.Start(TestDirectory() + "\\missing.txt"));
  ASSERT_NE(onMissing.WaitForMainWindow(), nullptr);
  EXPECT_EQ(onMissing.Close(), 0u);
  ProgramProcess first;
  ASSERT_TRUE(first.Start("\"" + document + "\""));
  ASSERT_NE(first.WaitForMainWindow(), nullptr);
  EXPECT_EQ(Title(first.mainWindow), "[Long document name.txt]-ZORN2");

  for (const std::string& arguments : {document, std::string(shortName), "\"" + upperName + "\""}) {
    ShowWindow(first.mainWindow, SW_MINIMIZE);
    ASSERT_TRUE(Eventually([&] { return IsIconic(first.mainWindow) != FALSE; }));
    ProgramProcess second;
    ASSERT_TRUE(second.Start(arguments));
    EXPECT_EQ(second.WaitForExit(), 255u) << arguments;
    EXPECT_TRUE(Eventually([&] { return !IsIconic(first.mainWindow); })) << "not brought back: " << arguments;
  }
  EXPECT_EQ(first.Close(), 0u);
  EXPECT_EQ(untitled.Close(), 0u);
}

// The placement is only stored once the key exists; a state the caller chose wins and is not stored.
TEST(WindowPlacement, StoredPlacementIsRestoredAndSavedAtExitUnlessTheCallerMaximised) {
  RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
  WriteSettingDword("AU", 1);
  WINDOWPLACEMENT placement{sizeof placement, 0, SW_SHOWNORMAL, {}, {}, RECT{60, 70, 560, 470}}, shown{sizeof shown, 0, 0, {}, {}, {}};
  WritePlacementSetting(placement);
  ProgramProcess program;
  ASSERT_TRUE(program.Start(""));
  ASSERT_NE(program.WaitForMainWindow(), nullptr);
  ASSERT_TRUE(GetWindowPlacement(program.mainWindow, &shown));
  EXPECT_TRUE(EqualRect(&shown.rcNormalPosition, &placement.rcNormalPosition));
  SetWindowPos(program.mainWindow, nullptr, 80, 90, 420, 330, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(program.Close(), 0u);
  const RECT moved{80, 90, 500, 420};
  ASSERT_TRUE(ReadPlacementSetting(&placement));
  EXPECT_TRUE(EqualRect(&placement.rcNormalPosition, &moved));

  RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
  WriteSettingDword("AU", 1);
  ProgramProcess maximised;
  ASSERT_TRUE(maximised.Start("", SW_SHOWMAXIMIZED));
  ASSERT_NE(maximised.WaitForMainWindow(), nullptr);
  EXPECT_EQ(maximised.Close(), 0u);
  EXPECT_FALSE(ReadPlacementSetting(&placement));
  RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
}

}  // namespace
