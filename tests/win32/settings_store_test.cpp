// The settings store against the registry of the test's Wine prefix.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/settings_store.h"

namespace {

class SettingsStore : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath); }
  void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath); }

  static bool KeyExists() {
    HKEY key;
    if (RegOpenKeyA(HKEY_CURRENT_USER, settingsKeyPath, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
  }
  static void StoreRaw(const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, settingsKeyPath, &key), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(key);
  }
  static std::string ReadString(const char* name, DWORD size) {
    std::string buffer(size, '#');
    ReadSettingString(name, buffer.data(), size);
    EXPECT_NE(buffer.find('\0'), std::string::npos) << name << " left unterminated";
    return buffer.c_str();
  }
  static WINDOWPLACEMENT SomePlacement(UINT showCmd) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    placement.showCmd = showCmd;
    placement.rcNormalPosition = RECT{40, 50, 640, 450};
    return placement;
  }
};

TEST_F(SettingsStore, FirstRunGivesDefaultsAndTheFirstWriteCreatesTheKey) {
  EXPECT_EQ(ReadSettingDword("ST", 1), 1);
  EXPECT_EQ(ReadSettingDword("0FC", -1), -1);
  EXPECT_EQ(ReadString("LIST", 11), "");
  WINDOWPLACEMENT placement{};
  EXPECT_FALSE(ReadPlacementSetting(&placement));

  WritePlacementSetting(SomePlacement(SW_SHOWNORMAL));  // only opens the key
  EXPECT_FALSE(KeyExists());

  WriteSettingDword("RI", 72);
  EXPECT_TRUE(KeyExists());
  EXPECT_EQ(ReadSettingDword("RI", 80), 72);
  EXPECT_EQ(ReadSettingDword("LI", 0), 0);
  WriteSettingDword("0FC", -5);
  EXPECT_EQ(ReadSettingDword("0FC", -1), -5);
  WriteSettingString("0F", "C:\\Мои документы\\письмо.txt");
  EXPECT_EQ(ReadString("0F", MAX_PATH), "C:\\Мои документы\\письмо.txt");
  WriteSettingString("0F", "");
  EXPECT_EQ(ReadString("0F", MAX_PATH), "");

  WritePlacementSetting(SomePlacement(SW_SHOWMAXIMIZED));
  ASSERT_TRUE(ReadPlacementSetting(&placement));
  EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
  EXPECT_EQ(placement.rcNormalPosition.right, 640);
}

TEST_F(SettingsStore, DwordReadTakesWhateverBytesAreStoredUpToFour) {
  StoreRaw("ST", REG_SZ, "abc", 4);
  EXPECT_EQ(ReadSettingDword("ST", 0), 0x636261);  // a string reads as a non-zero number: on
  BYTE two[] = {5, 1};
  StoreRaw("TL", REG_BINARY, two, sizeof two);
  EXPECT_EQ(ReadSettingDword("TL", 7), 0x105);
  BYTE eight[8] = {1};
  StoreRaw("BIG", REG_BINARY, eight, sizeof eight);
  EXPECT_EQ(ReadSettingDword("BIG", 7), 7);
  StoreRaw("NO", REG_SZ, "", 1);
  EXPECT_EQ(ReadSettingDword("NO", 7), 0);
}

TEST_F(SettingsStore, StringReadIsAlwaysTerminatedAndEmptyWhenTheValueDoesNotFit) {
  std::string longText(40, 'x');
  WriteSettingString("0", longText.c_str());
  EXPECT_EQ(ReadString("0", 33), "");
  EXPECT_EQ(ReadString("0", 41), longText);  // exactly the text and its zero
  EXPECT_EQ(ReadString("0", 40), "");

  DWORD letters = 0x44434241;  // "ABCD" with no zero after it
  StoreRaw("FontW", REG_DWORD, &letters, sizeof letters);
  EXPECT_EQ(ReadString("FontW", 33), "ABCD");
  EXPECT_EQ(ReadString("FontW", 4), "");
  StoreRaw("FontD", REG_BINARY, "ab", 2);
  EXPECT_EQ(ReadString("FontD", 3), "ab");
  EXPECT_EQ(ReadString("missing", 33), "");
}

TEST_F(SettingsStore, PlacementIsReadOnlyAsAWholeRecordThatShowsTheWindow) {
  WINDOWPLACEMENT placement = SomePlacement(SW_SHOWNORMAL);
  StoreRaw("DEF", REG_BINARY, &placement, 40);
  WINDOWPLACEMENT read{};
  EXPECT_FALSE(ReadPlacementSetting(&read));
  placement.length = 12;
  StoreRaw("DEF", REG_BINARY, &placement, sizeof placement);
  EXPECT_FALSE(ReadPlacementSetting(&read));
  placement = SomePlacement(SW_HIDE);
  StoreRaw("DEF", REG_BINARY, &placement, sizeof placement);
  EXPECT_FALSE(ReadPlacementSetting(&read));
  placement = SomePlacement(SW_SHOWMINIMIZED);
  StoreRaw("DEF", REG_BINARY, &placement, sizeof placement);
  EXPECT_TRUE(ReadPlacementSetting(&read));
  EXPECT_EQ(read.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));
}

}  // namespace
