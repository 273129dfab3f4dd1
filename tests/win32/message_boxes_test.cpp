// The error box, as the user sees it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/error_box.h"
#include "app/globals.h"
#include "program_windows.h"

namespace {

std::string SystemText(DWORD code) {
  char text[1024] = {};
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text, sizeof text,
                 nullptr);
  return text;
}

class MessageBoxes : public ProgramWindows {};

TEST_F(MessageBoxes, ErrorBoxShowsTheLastErrorsSystemTextOrItsNumberOwnedByTheMainWindow) {
  DialogSeen seen = RunClosingDialog([] {
    SetLastError(ERROR_FILE_NOT_FOUND);
    ShowLastError();
  });
  ASSERT_TRUE(seen.appeared);
  EXPECT_EQ(seen.title, "ZORN2");
  EXPECT_EQ(seen.owner, mainWindow);
  ASSERT_FALSE(SystemText(ERROR_FILE_NOT_FOUND).empty());
  EXPECT_NE(seen.texts.find(SystemText(ERROR_FILE_NOT_FOUND)), std::string::npos) << seen.texts;

  // Without an error it shows error ten; an unknown code by its number.
  seen = RunClosingDialog([] {
    SetLastError(0);
    ShowLastError();
  });
  ASSERT_TRUE(seen.appeared);
  EXPECT_NE(seen.texts.find(SystemText(ERROR_BAD_ENVIRONMENT)), std::string::npos) << seen.texts;

  seen = RunClosingDialog([] {
    SetLastError(0x2ABCDEF);
    ShowLastError();
  });
  ASSERT_TRUE(seen.appeared);
  EXPECT_NE(seen.texts.find("Ошибка " + std::to_string(0x2ABCDEF)), std::string::npos) << seen.texts;
}

}  // namespace
