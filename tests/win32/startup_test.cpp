// zorn2.exe as another process sees it: its windows, its title and its exit code.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/settings_store.h"
#include "conversion/code_page_fonts.h"
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

// Settings edited by hand or left by another program may have any type. Each
// setting the program reads, stored with each wrong type at once: the program
// still starts, opens its file, shows its window and leaves the file alone.
TEST(RunningProgram, SettingsOfEveryWrongTypeStillLetItStartAndOpenTheFile) {
  std::vector<std::string> names = {"ST", "TL", "WW", "NO", "RP", "Bk", "RI", "FI", "LI", "IG", "LIST", "DEF", "AU", "Cl"};
  for (char slot = '0'; slot <= '9'; ++slot) {
    names.push_back(std::string(1, slot) + "F");
    names.push_back(std::string(1, slot) + "FC");
  }
  for (int page = 0; page < viewCodePageCount; ++page) {
    for (const char* name : {fontFaceSettings[page], fontSizeSettings[page], fontCharsetSettings[page]}) names.push_back(name);
  }
  struct Wrong {
    DWORD type;
    std::string bytes;
  } wrongs[] = {{REG_SZ, std::string("\xC0\xC1\x31\x32\x33\x34\x35\x36\x37", 10)},  // no end where a number is read
                {REG_BINARY, std::string("\xFF", 1)},
                {REG_BINARY, std::string(300, '\x7F')},
                {REG_MULTI_SZ, std::string("a\0b\0\0", 5)},
                {REG_QWORD, std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 8)},
                {REG_DWORD, std::string("\x00\x00\x00\x80", 4)},  // the smallest number where a string or size is read
                {REG_NONE, std::string()}};
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  std::string file = std::string(temp) + "wrong types.txt";
  HANDLE created = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(created, "kept", 4, &written, nullptr);
  CloseHandle(created);
  for (const Wrong& wrong : wrongs) {
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
    EXPECT_TRUE(Eventually([&] {
      char title[64] = {};
      GetWindowTextA(program.mainWindow, title, sizeof title);
      return std::string(title) == "[wrong types.txt]-ZORN2";
    }));
    EXPECT_EQ(program.Close(), 0u);
  }
  RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
  HANDLE read = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  char bytes[8] = {};
  ReadFile(read, bytes, sizeof bytes, &written, nullptr);
  CloseHandle(read);
  DeleteFileA(file.c_str());
  EXPECT_EQ(std::string(bytes, written), "kept");
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
