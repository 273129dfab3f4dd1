// The settings store against the registry of the test's Wine prefix.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>

#include "base/settings_store.h"

namespace {

class SettingsStore : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath); }
  void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath); }

  static void StoreRaw(const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, settingsKeyPath, &key), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(key);
  }
  // By `read` into a buffer of `size` bytes, which must end up terminated.
  static std::string ReadString(const char* name, DWORD size, void (*read)(const char*, char*, DWORD) = ReadSettingString) {
    std::string buffer(size, '#');
    read(name, buffer.data(), size);
    EXPECT_NE(buffer.find('\0'), std::string::npos) << name << " left unterminated";
    return buffer.c_str();
  }
};

// Values stored by other programs, older versions or by hand never stop a start:
// a number takes whatever bytes are stored, up to four; a string is always
// terminated, and empty when it does not fit.
TEST_F(SettingsStore, RawValuesOfAnyTypeReadSafely) {
  const BYTE two[] = {5, 1}, eight[8] = {1};
  const DWORD letters = 0x44434241;  // "ABCD" with no zero after it
  StoreRaw("ST", REG_SZ, "abc", 4);
  StoreRaw("TL", REG_BINARY, two, sizeof two);
  StoreRaw("BIG", REG_BINARY, eight, sizeof eight);
  StoreRaw("NO", REG_SZ, "", 1);
  StoreRaw("FontW", REG_DWORD, &letters, sizeof letters);
  StoreRaw("FontD", REG_BINARY, "ab", 2);
  WriteSettingString("0", std::string(40, 'x').c_str());
  const struct { const char* name; int32_t number; } numbers[] = {{"ST", 0x636261}, {"TL", 0x105}, {"BIG", 7}, {"NO", 0}};
  for (const auto& n : numbers) EXPECT_EQ(ReadSettingDword(n.name, 7), n.number) << n.name;
  const struct { const char* name; DWORD size; std::string text; } strings[] = {
      {"0", 33, ""}, {"0", 41, std::string(40, 'x')}, {"0", 40, ""}, {"FontW", 33, "ABCD"},
      {"FontW", 4, ""}, {"FontD", 3, "ab"}, {"missing", 33, ""}};
  for (const auto& r : strings) EXPECT_EQ(ReadString(r.name, r.size), r.text) << r.name << " " << r.size;

  // Colours take only a whole DWORD.
  for (const char* name : {"ST", "TL", "BIG"}) EXPECT_EQ(ReadSettingStrictDword(name, 7), 7) << name;
  EXPECT_EQ(ReadSettingStrictDword("FontW", 7), static_cast<int32_t>(letters));
}

// Only a whole record of the right length that shows the window is taken.
TEST_F(SettingsStore, PlacementIsReadOnlyAsAWholeRecordThatShowsTheWindow) {
  const struct { DWORD size; UINT length, show; bool read; } cases[] = {
      {40, 44, SW_SHOWNORMAL, false}, {44, 12, SW_SHOWNORMAL, false}, {44, 44, SW_HIDE, false},
      {44, 44, SW_SHOWMINIMIZED, true}};
  for (const auto& c : cases) {
    WINDOWPLACEMENT placement{c.length, 0, c.show, {}, {}, RECT{40, 50, 640, 450}}, read{};
    StoreRaw("DEF", REG_BINARY, &placement, c.size);
    EXPECT_EQ(ReadPlacementSetting(&read), c.read) << c.size << " " << c.length << " " << c.show;
    EXPECT_EQ(read.showCmd, c.read ? c.show : 0u);
  }
}

}  // namespace
