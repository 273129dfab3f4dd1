// zorn2.exe as another process sees it: its windows, its title and its exit code.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

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
  if (std::string(className) != "ZORN2") return TRUE;
  search->found = window;
  return FALSE;
}

HWND WaitForMainWindow(DWORD processId) {
  for (int i = 0; i < 200; ++i) {
    Search search{processId, nullptr};
    EnumWindows(FindTopLevelOf, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(50);
  }
  return nullptr;
}

class RunningProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    char commandLine[] = ZORN2_EXE;
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        << "cannot start " << ZORN2_EXE << ", error " << GetLastError();
    mainWindow = WaitForMainWindow(process.dwProcessId);
    ASSERT_NE(mainWindow, nullptr) << "no top-level window of class ZORN2 appeared";
  }
  void TearDown() override {
    if (!process.hProcess) return;
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  PROCESS_INFORMATION process{};
  HWND mainWindow = nullptr;
};

TEST_F(RunningProgram, ShowsUntitledMainWindowWithHiddenMarkerAndExitsWithZeroOnClose) {
  char title[128] = {};
  GetWindowTextA(mainWindow, title, sizeof title);
  EXPECT_STREQ(title, "[БезИмени]-ZORN2");  // compiled as Windows-1251 bytes
  EXPECT_EQ(static_cast<unsigned char>(title[1]), 0xC1u);  // "Б" in Windows-1251
  EXPECT_TRUE(IsWindowVisible(mainWindow));

  HWND marker = FindWindowExA(mainWindow, nullptr, "Zorn2 - ZovaV", nullptr);
  ASSERT_NE(marker, nullptr);
  EXPECT_FALSE(IsWindowVisible(marker));
  EXPECT_EQ(GetWindowLongA(marker, GWL_STYLE) & (WS_CHILD | WS_VISIBLE), WS_CHILD);

  ASSERT_TRUE(PostMessageA(mainWindow, WM_CLOSE, 0, 0));
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  DWORD exitCode = 12345;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
}

// The class icons come from these resources; each must load at the size it is used in.
TEST(Resources, IconsOneToThreeLoadFromTheProgram) {
  HMODULE program = LoadLibraryExA(ZORN2_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  for (int id = 1; id <= 3; ++id) {
    HANDLE icon = LoadImageA(program, MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0);
    EXPECT_NE(icon, nullptr) << "icon " << id;
    if (icon) DestroyIcon(static_cast<HICON>(icon));
  }
  EXPECT_NE(LoadImageA(program, MAKEINTRESOURCEA(1), IMAGE_ICON, 32, 32, 0), nullptr);
  FreeLibrary(program);
}

}  // namespace
