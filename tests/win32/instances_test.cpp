// zorn2.exe as other processes see it: settings of any type, one file shown by
// one window only, each other file (or none) by a window of its own; the window placement is remembered
// across runs unless the caller chose the state.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/settings_store.h"
#include "conversion/code_page_fonts.h"
#include "program_process.h"

namespace {

std::string TestDirectory() {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  std::string directory = std::string(temp) + "zorn2 instances";
  CreateDirectoryA(directory.c_str(), nullptr);
  return directory;
}

std::string MakeFile(const std::string& name) {
  std::string path = TestDirectory() + "\\" + name;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, "\xEF\xE8\xF1\xFC\xEC\xEE\r\n", 8, &written, nullptr);
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
  std::string file = MakeFile("wrong types.txt");
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
  char bytes[16] = {};
  DWORD count = 0;
  ReadFile(read, bytes, sizeof bytes, &count, nullptr);
  CloseHandle(read);
  EXPECT_EQ(std::string(bytes, count), "\xEF\xE8\xF1\xFC\xEC\xEE\r\n");
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

class WindowPlacement : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
    WriteSettingDword("AU", 1);  // the placement is only stored once the key exists
  }
  void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath); }
};

TEST_F(WindowPlacement, StoredPlacementIsRestoredAndSavedAtExitUnlessTheCallerMaximised) {
  WINDOWPLACEMENT placement{sizeof placement, 0, SW_SHOWNORMAL, {}, {}, RECT{60, 70, 560, 470}};
  WritePlacementSetting(placement);
  ProgramProcess program;
  ASSERT_TRUE(program.Start(""));
  ASSERT_NE(program.WaitForMainWindow(), nullptr);
  WINDOWPLACEMENT shown{};
  shown.length = sizeof shown;
  ASSERT_TRUE(GetWindowPlacement(program.mainWindow, &shown));
  EXPECT_TRUE(EqualRect(&shown.rcNormalPosition, &placement.rcNormalPosition));
  SetWindowPos(program.mainWindow, nullptr, 80, 90, 420, 330, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(program.Close(), 0u);
  WINDOWPLACEMENT stored{};
  ASSERT_TRUE(ReadPlacementSetting(&stored));
  const RECT moved{80, 90, 500, 420};
  EXPECT_TRUE(EqualRect(&stored.rcNormalPosition, &moved));

  RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
  WriteSettingDword("AU", 1);
  ProgramProcess maximised;  // the caller's state wins and is not stored
  ASSERT_TRUE(maximised.Start("", SW_SHOWMAXIMIZED));
  ASSERT_NE(maximised.WaitForMainWindow(), nullptr);
  EXPECT_EQ(maximised.Close(), 0u);
  EXPECT_FALSE(ReadPlacementSetting(&stored));
}

}  // namespace
