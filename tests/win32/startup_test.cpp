// zorn2.exe as another process sees it: its windows, its title and its exit code.
#include <gtest/gtest.h>
#include <windows.h>

#include "program_process.h"

namespace {

TEST(RunningProgram, ShowsUntitledMainWindowWithHiddenMarkerAndExitsWithZeroOnClose) {
  ProgramProcess program;
  ASSERT_TRUE(program.Start("")) << "cannot start " << ZORN2_EXE << ", error " << GetLastError();
  ASSERT_NE(program.WaitForMainWindow(), nullptr) << "no top-level window of class ZORN2 appeared";

  char title[128] = {};
  GetWindowTextA(program.mainWindow, title, sizeof title);
  EXPECT_STREQ(title, "[БезИмени]-ZORN2");  // compiled as Windows-1251 bytes
  EXPECT_EQ(static_cast<unsigned char>(title[1]), 0xC1u);  // "Б" in Windows-1251
  EXPECT_TRUE(IsWindowVisible(program.mainWindow));

  HWND marker = FindWindowExA(program.mainWindow, nullptr, "Zorn2 - ZovaV", nullptr);
  ASSERT_NE(marker, nullptr);
  EXPECT_FALSE(IsWindowVisible(marker));
  EXPECT_EQ(GetWindowLongA(marker, GWL_STYLE) & (WS_CHILD | WS_VISIBLE), WS_CHILD);

  EXPECT_EQ(program.Close(), 0u);
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
