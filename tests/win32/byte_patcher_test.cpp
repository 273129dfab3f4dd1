// The byte patcher's dialog on real files: the fields driven by messages, the
// question answered by another thread, the file read back whole.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/globals.h"
#include "document_files.h"
#include "tools/byte_patcher.h"

namespace {

constexpr int offsetField = patchOffsetField;
constexpr int byteField = patchByteField;
constexpr int writeButton = patchWriteButton;

class BytePatcher : public DocumentFiles {
 protected:
  void TearDown() override {
    if (dialog) DestroyWindow(dialog);
    DocumentFiles::TearDown();
  }

  // The dialog as the command shows it, but modeless and hidden: the test sends
  // it messages, and the only visible dialog is the question.
  void OpenDialog(const std::string& path) {
    lstrcpynA(patchPath, path.c_str(), MAX_PATH);
    dialog = CreateDialogParamA(appInstance, MAKEINTRESOURCEA(patchDialogResource), mainWindow, PatchDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
  }
  // Replaces the field's text; the edit control tells the dialog as typing does.
  void Type(int field, const std::string& text) { SetDlgItemTextA(dialog, field, text.c_str()); }
  std::string Shown() const { return WindowText(GetDlgItem(dialog, byteField)); }
  bool CanWrite() const { return IsWindowEnabled(GetDlgItem(dialog, writeButton)) != 0; }
  // OK, answering the question (if one comes) with `answer`. A click gives the
  // button the focus, which returns to it when the question closes.
  DialogSeen PressWrite(int answer) {
    HWND button = GetDlgItem(dialog, writeButton);
    SetFocus(button);
    return RunClosingDialog(
        [&] { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(writeButton, BN_CLICKED), reinterpret_cast<LPARAM>(button)); },
        answer);
  }

  HWND dialog = nullptr;
};

std::string SampleBytes() {
  std::string bytes;
  for (int i = 0; i < 32; ++i) bytes += static_cast<char>(0xE0 + i);  // 1a holds FA, the last byte (1f) FF
  return bytes;
}

TEST_F(BytePatcher, OffsetFieldShowsTheByteThereOrErrorAndEnablesWritingOnlyForAByte) {
  std::string path = MakeFile("sample.exe", SampleBytes());
  OpenDialog(path);
  EXPECT_EQ(WindowText(dialog), "Изменить байт: sample.exe");
  const struct {
    std::string offset;
    std::string shown;
  } cases[] = {
      {"", "E0"},   {"1a", "FA"}, {"1A", "FA"}, {"001f", "FF"}, {"20", "Error"}, {"ffffffff", "Error"},
      {"0x1A", "Error"}, {"1g", "Error"}, {"ffffffffffffffff", "Error"}, {"10000000000000000", "Error"},
      {std::string(300, '0') + "1", "Error"},  // longer than the field reads: never cut to a valid offset
      {"1", "E1"},
  };
  for (const auto& c : cases) {
    Type(offsetField, c.offset);
    EXPECT_EQ(Shown(), c.shown) << c.offset;
    EXPECT_EQ(CanWrite(), c.shown != "Error") << c.offset;
  }
  // Focus coming back to the offset reloads the byte over what was typed.
  Type(byteField, "77");
  SetFocus(GetDlgItem(dialog, byteField));
  SetFocus(GetDlgItem(dialog, offsetField));
  EXPECT_EQ(Shown(), "E1");
  // A file that went away shows Error too.
  DeleteFileA(path.c_str());
  Type(offsetField, "0");
  EXPECT_EQ(Shown(), "Error");
  EXPECT_FALSE(CanWrite());
}

TEST_F(BytePatcher, WritesExactlyTheOneByteShownAfterYesAndNothingOtherwise) {
  std::string original = SampleBytes();
  std::string path = MakeFile("patch.bin", original);
  OpenDialog(path);
  Type(offsetField, "1a");

  // The value already there: no question, nothing written, OK greyed.
  Type(byteField, "fa");
  EXPECT_FALSE(PressWrite(IDNO).appeared);
  EXPECT_FALSE(CanWrite());
  Type(offsetField, "1A");
  ASSERT_TRUE(CanWrite());

  // Bad digits: no question either.
  Type(byteField, "5g");
  EXPECT_FALSE(PressWrite(IDNO).appeared);
  EXPECT_FALSE(CanWrite());
  Type(offsetField, "1a");

  Type(byteField, "15A");  // only the low byte counts
  DialogSeen no = PressWrite(IDNO);
  ASSERT_TRUE(no.appeared);
  EXPECT_EQ(no.title, "ZORN2");
  EXPECT_EQ(no.owner, dialog);
  EXPECT_NE(no.texts.find("Вы уверены?"), std::string::npos) << no.texts;
  EXPECT_EQ(FileBytes(path), original);

  ASSERT_TRUE(PressWrite(IDYES).appeared);
  std::string expected = original;
  expected[0x1A] = 0x5A;
  EXPECT_EQ(FileBytes(path), expected);
  EXPECT_EQ(Shown(), "15A");  // the field keeps what was typed
  Type(offsetField, "1a");
  EXPECT_EQ(Shown(), "5A");
}

TEST_F(BytePatcher, AReadOnlyFileShowsItsBytesButWritingGivesErrorAndChangesNothing) {
  std::string path = MakeFile("locked.exe", SampleBytes());
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  OpenDialog(path);
  Type(offsetField, "2");
  EXPECT_EQ(Shown(), "E2");
  Type(byteField, "00");
  EXPECT_FALSE(PressWrite(IDYES).appeared);
  EXPECT_EQ(Shown(), "Error");
  EXPECT_EQ(FileBytes(path), SampleBytes());
}

// Past 4 GB a 32-bit offset would wrap to the start of the file. The file is
// sparse: it takes no room on disk.
TEST_F(BytePatcher, OffsetsBeyondFourGigabytesReachTheirOwnByte) {
  std::string path = MakeFile("huge.bin", "head");
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  LARGE_INTEGER end;
  end.QuadPart = 0x100000010LL;
  ASSERT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file));
  CloseHandle(file);

  OpenDialog(path);
  Type(offsetField, "100000001");
  EXPECT_EQ(Shown(), "00");
  Type(byteField, "ab");
  ASSERT_TRUE(PressWrite(IDYES).appeared);
  Type(offsetField, "100000001");
  EXPECT_EQ(Shown(), "AB");
  Type(offsetField, "1");
  EXPECT_EQ(Shown(), "65");  // 'e' of "head", untouched
  Type(offsetField, "100000010");
  EXPECT_EQ(Shown(), "Error");

  file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  LARGE_INTEGER size{};
  GetFileSizeEx(file, &size);
  CloseHandle(file);
  EXPECT_EQ(size.QuadPart, end.QuadPart);
  DeleteFileA(path.c_str());
}

}  // namespace
