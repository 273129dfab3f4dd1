// The code-page and character-table dialogs run modally from their commands,
// worked by messages from another thread as a user would work them.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>
#include <string>


#include "app/globals.h"
#include "app/settings_store.h"
#include "conversion/code_page_dialog.h"
#include "conversion/view_commands.h"
#include "conversion/view_format.h"
#include "editor/character_table.h"
#include "program_windows.h"

namespace {

// "Привет мир" in ISO 8859-5 and in KOI8-R.
const std::string isoWords = "<\xBF\xE0\xD8\xD2\xD5\xE2 \xDC\xD8\xE0>";
const std::string koi8Words = "<\xF0\xD2\xC9\xD7\xC5\xD4 \xCD\xC9\xD2>";

class TextDialogs : public FreshDocument {};

// Runs `command`; `drive` works the dialog it opens before `button` is pressed.
void RunDialog(int command, int button, const std::function<void(HWND)>& drive) {
  RunClosingDialog([command] { SendMessageA(mainWindow, WM_COMMAND, command, 0); }, button, drive);
}

// The selections the lists offered, after choosing `source` and `target` (-1: as offered).
std::pair<LRESULT, LRESULT> ConvertWith(int source, int target, int button = IDOK) {
  std::pair<LRESULT, LRESULT> offered;
  RunDialog(chooseCodePagesCommand, button, [&](HWND dialog) {
    offered = {SendDlgItemMessageA(dialog, CodePageSourceList, LB_GETCURSEL, 0, 0),
               SendDlgItemMessageA(dialog, CodePageTargetList, LB_GETCURSEL, 0, 0)};
    if (source >= 0) SendDlgItemMessageA(dialog, CodePageSourceList, LB_SETCURSEL, source, 0);
    if (target >= 0) SendDlgItemMessageA(dialog, CodePageTargetList, LB_SETCURSEL, target, 0);
  });
  return offered;
}

// ISO to KOI8-R on a selection and back, each one undo step; the lists offer
// the last pair; Cancel neither converts nor stores; the view never moves.
TEST_F(TextDialogs, CodePageDialogConvertsTheSelectionAndRemembersThePair) {
  SetEditorText("(" + isoWords + ")");
  Select(1, 1 + static_cast<LONG>(isoWords.size()));
  EXPECT_EQ(ConvertWith(Iso, Koi8), std::make_pair(LRESULT{Ansi}, LRESULT{Koi8}));
  EXPECT_EQ(EditorText(), "(" + koi8Words + ")");
  EXPECT_EQ(ConvertWith(Koi8, Iso, IDCANCEL), std::make_pair(LRESULT{Iso}, LRESULT{Koi8}));
  EXPECT_EQ(ReadSettingDword("CP1", -1), Iso);
  ConvertWith(Koi8, Iso);
  EXPECT_EQ(EditorText(), "(" + isoWords + ")");
  EXPECT_EQ(viewCodePage, Ansi);
  Command(4);
  EXPECT_EQ(EditorText(), "(" + koi8Words + ")");
  Command(4);
  EXPECT_EQ(EditorText(), "(" + isoWords + ")");
  WriteSettingDword("CP1", 7);  // outside the list: nothing offered
  EXPECT_EQ(ConvertWith(-1, -1, IDCANCEL).first, LB_ERR);
}

// In the DOS-866 view a letter of the table inserts its byte, a selection
// across rows its line break, Copy also the clipboard.
TEST_F(TextDialogs, CharacterTableInsertsTheBytesOfTheViewCodePage) {
  auto pick = [](LONG start, LONG end, int inserts) {
    return [=](HWND dialog) {
      HWND grid = GetDlgItem(dialog, CharacterTableGrid);
      SendMessageA(dialog, WM_COMMAND, CharacterTableInsert, 0);  // nothing selected yet: nothing inserted
      SendMessageA(grid, EM_SETSEL, start, end);
      for (int i = 0; i < inserts; ++i) SendMessageA(dialog, WM_COMMAND, CharacterTableInsert, 0);
    };
  };
  SetViewCodePage(Oem);
  RunDialog(characterTableCommand, IDCANCEL, pick(3 * 34, 3 * 34 + 1, 2));  // 0x80, "А": row 4, column 0
  EXPECT_EQ(EditorText(), "\x80\x80");
  Command(4);
  EXPECT_EQ(EditorText(), "\x80");
  Select(1, 1);
  RunDialog(characterTableCommand, CharacterTableCopy, pick(31, 36, 0));
  EXPECT_EQ(EditorText(), "\x80?\r\n@A");
  EXPECT_EQ(FromClipboard(CF_OEMTEXT), "?\r\n@A");
}

}  // namespace
