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

// The last error's system text; error ten when there is none; an unknown code by its number.
TEST_F(MessageBoxes, ErrorBoxShowsTheLastErrorsSystemTextOrItsNumberOwnedByTheMainWindow) {
  ASSERT_FALSE(SystemText(ERROR_FILE_NOT_FOUND).empty());
  const struct { DWORD code; std::string text; } cases[] = {
      {ERROR_FILE_NOT_FOUND, SystemText(ERROR_FILE_NOT_FOUND)}, {0, SystemText(ERROR_BAD_ENVIRONMENT)},
      {0x2ABCDEF, "Ошибка " + std::to_string(0x2ABCDEF)}};
  for (const auto& c : cases) {
    DialogSeen seen = RunClosingDialog([&] {
      SetLastError(c.code);
      ShowLastError();
    });
    ASSERT_TRUE(seen.appeared) << c.code;
    EXPECT_EQ(seen.title, "ZORN2");
    EXPECT_EQ(seen.owner, mainWindow);
    EXPECT_NE(seen.texts.find(c.text), std::string::npos) << seen.texts;
  }
}

}  // namespace
