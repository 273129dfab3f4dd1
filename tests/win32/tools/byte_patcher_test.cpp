// The byte patcher's dialog on real files, modeless and hidden so that the only
// visible dialog is the question, which another thread answers.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>

#include "base/globals.h"
#include "document_files.h"
#include "tools/byte_patcher.h"

namespace {

class BytePatcher : public DocumentFiles {
 protected:
  void TearDown() override {
    DestroyWindow(dialog);
    DocumentFiles::TearDown();
  }
  void OpenDialog(const std::string& path) {
    patchPath = std::wstring(path.begin(), path.end());  // the test's paths are ASCII
    dialog = CreateDialogParamW(appInstance, MAKEINTRESOURCEW(patchDialogResource), mainWindow, PatchDialogProc, 0);
  }
  void Type(int field, const std::string& text) { SetDlgItemTextA(dialog, field, text.c_str()); }  // as typing does
  std::string Shown() const { return WindowText(GetDlgItem(dialog, patchByteField)); }
  bool CanWrite() const { return IsWindowEnabled(GetDlgItem(dialog, patchWriteButton)) != 0; }
  // A click: the button takes the focus (it returns there after the question), then the dialog hears of it.
  bool PressWriteAsking(int answer) {
    HWND button = GetDlgItem(dialog, patchWriteButton);
    SetFocus(button);
    return RunClosingDialog([&] { SendMessageA(dialog, WM_COMMAND, patchWriteButton, LPARAM(button)); }, answer).appeared;
  }

  // Offset -> byte as shown, each offset typed in turn.
  void ExpectShown(std::initializer_list<std::pair<std::string, std::string>> cases) {
    for (const auto& [offset, shown] : cases) {
      Type(patchOffsetField, offset);
      EXPECT_EQ(Shown(), shown) << offset;
      EXPECT_EQ(CanWrite(), shown != "Error") << offset;
    }
  }
  HWND dialog = nullptr;
  const std::string sample = "\xE0\x0A" + std::string(24, 'x') + "\xFA" + "yyyy\xFF";  // 0x20 bytes
};

TEST_F(BytePatcher, ShowsTheByteAtEachOffsetEvenPastFourGigabytesAndWritesOnlyAChangedOneAfterYes) {
  std::string path = MakeFile("sample.exe", sample);
  OpenDialog(path);
  ExpectShown({{"", "E0"}, {"1", "0A"}, {"1f", "FF"}, {"20", "Error"}, {"0x1A", "Error"}, {"1g", "Error"},
               {"10000000000000000", "Error"}, {std::string(300, '0') + "1", "Error"}, {"1A", "FA"}});

  Type(patchOffsetField, "1a");
  for (const char* unchangedOrBad : {"fa", "5g"}) {  // no question, nothing written, OK greyed
    Type(patchByteField, unchangedOrBad);
    EXPECT_FALSE(PressWriteAsking(IDNO)) << unchangedOrBad;
    EXPECT_FALSE(CanWrite());
    SetFocus(GetDlgItem(dialog, patchOffsetField));  // focus back on the offset reloads the byte
    EXPECT_EQ(Shown(), "FA");
  }
  Type(patchByteField, "15A");  // only the low byte counts
  ASSERT_TRUE(PressWriteAsking(IDNO));
  EXPECT_EQ(FileBytes(path), sample);
  ASSERT_TRUE(PressWriteAsking(IDYES));
  EXPECT_EQ(Shown(), "15A");  // the field keeps what was typed
  std::string expected = sample.substr(0, 0x1A) + "\x5A" + sample.substr(0x1B);
  EXPECT_EQ(FileBytes(path), expected);

  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  Type(patchByteField, "00");
  EXPECT_FALSE(PressWriteAsking(IDYES));
  EXPECT_EQ(Shown(), "Error");
  EXPECT_EQ(FileBytes(path), expected);

  // Past 4 GB a 32-bit offset would wrap to the start. The file is sparse: it takes no room on disk.
  path = MakeFile("huge.bin", sample);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  LARGE_INTEGER end{.QuadPart = 0x100000010LL};
  ASSERT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file));
  CloseHandle(file);
  DestroyWindow(dialog);
  OpenDialog(path);
  Type(patchOffsetField, "100000001");
  Type(patchByteField, "ab");
  ASSERT_TRUE(PressWriteAsking(IDYES));
  ExpectShown({{"100000001", "AB"}, {"1", "0A"}, {"100000010", "Error"}});
  WIN32_FILE_ATTRIBUTE_DATA after{};
  ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &after));
  EXPECT_EQ((static_cast<int64_t>(after.nFileSizeHigh) << 32) + after.nFileSizeLow, end.QuadPart);
}

}  // namespace
