// The code-page and character-table dialogs run modally from their commands,
// worked by messages from another thread as a user would work them.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>

#include "base/globals.h"
#include "base/settings_store.h"
#include "conversion_dialogs/code_page_dialog.h"
#include "editor/character_table.h"
#include "editor/view_commands.h"
#include "editor/view_format.h"
#include "program_windows.h"

namespace {

// "Привет мир" in ISO 8859-5 and in KOI8-R.
const std::string isoWords = "<\xBF\xE0\xD8\xD2\xD5\xE2 \xDC\xD8\xE0>";
const std::string koi8Words = "<\xF0\xD2\xC9\xD7\xC5\xD4 \xCD\xC9\xD2>";

class TextDialogs : public FreshDocument {};

// The selections the lists offered, after choosing `source` and `target` (-1: as offered).
std::pair<LRESULT, LRESULT> ConvertWith(int source, int target, int button = IDOK) {
  std::pair<LRESULT, LRESULT> offered;
  RunClosingDialog([] { SendMessageA(mainWindow, WM_COMMAND, Id(Command::ChooseConversion), 0); }, button, [&](HWND dialog) {
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
  SendCommand(Command::Undo);
  EXPECT_EQ(EditorText(), "(" + koi8Words + ")");
  SendCommand(Command::Undo);
  EXPECT_EQ(EditorText(), "(" + isoWords + ")");
  WriteSettingDword("CP1", 7);  // outside the list: nothing offered
  EXPECT_EQ(ConvertWith(-1, -1, IDCANCEL).first, LB_ERR);
}

// In the DOS-866 view a selection of the table across rows inserts its bytes
// and its line break, and Copy puts them on the clipboard too (a letter picked
// and inserted: end to end). With nothing selected nothing is inserted.
TEST_F(TextDialogs, CharacterTableInsertsTheBytesOfTheViewCodePage) {
  SetViewCodePage(Oem);
  RunClosingDialog([] { SendCommand(Command::CharacterTable); }, CharacterTableCopy, [](HWND dialog) {
    SendMessageA(dialog, WM_COMMAND, CharacterTableInsert, 0);
    SendDlgItemMessageA(dialog, CharacterTableGrid, EM_SETSEL, 3 * 34 - 3, 3 * 34 + 2);  // 0x7F ending row 3, "АБ"
  });
  EXPECT_EQ(EditorText(), "\x7F\r\n\x80\x81");
  EXPECT_EQ(FromClipboard(CF_TEXT), "\x7F\r\n\xC0\xC1");
}

}  // namespace
