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

std::string Utf8Bytes(std::u8string_view text) { return {text.begin(), text.end()}; }

// UTF-8 is the sixth entry of both lists: a selection recoded into it selects the longer
// result; a whole text out of it writes a look-alike or "?" for what KOI8-R lacks and a box,
// once the dialog has gone, says how many; each is one undo step and the view never moves.
TEST_F(TextDialogs, CodePageDialogRecodesIntoAndOutOfUtf8AndCountsWhatItReplaced) {
  const std::string utf8Words = Utf8Bytes(u8"<Привет мир>");
  SetEditorText("(" + koi8Words + ")");
  Select(1, 1 + static_cast<LONG>(koi8Words.size()));
  ConvertWith(Koi8, Utf8);
  EXPECT_EQ(EditorText(), "(" + utf8Words + ")");
  EXPECT_EQ(std::pair(Selection().cpMin, Selection().cpMax), std::pair(1L, 1L + static_cast<LONG>(utf8Words.size())));
  SendCommand(Command::Undo);
  EXPECT_EQ(EditorText(), "(" + koi8Words + ")");

  const std::string lacking = Utf8Bytes(u8"мир\u2026 \U0001F600 ") + "\xFF";  // an ellipsis, an emoji, a stray byte
  SetEditorText(lacking);
  Select(0, 0);
  std::string box;
  const int played = RunWithDialogs([] { SendCommand(Command::ChooseConversion); },
                                    {[](HWND dialog) {
                                       SendDlgItemMessageA(dialog, CodePageSourceList, LB_SETCURSEL, Utf8, 0);
                                       SendDlgItemMessageA(dialog, CodePageTargetList, LB_SETCURSEL, Koi8, 0);
                                       PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                                     },
                                     [&box](HWND dialog) {
                                       char text[256] = {};
                                       GetDlgItemTextA(dialog, 0xFFFF, text, sizeof text);  // a message box's text
                                       box = text;
                                       PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                                     }});
  EXPECT_EQ(played, 2) << box;
  EXPECT_EQ(EditorText(), "\xCD\xC9\xD2... ? \xFF");
  EXPECT_NE(box.find("KOI8 R: 2."), std::string::npos) << box;
  EXPECT_EQ(viewCodePage, Ansi);
  SendCommand(Command::Undo);
  EXPECT_EQ(EditorText(), lacking);
}

// In the DOS-866 view a selection of the table across rows inserts its bytes
// and its line break, and Copy puts them on the clipboard too (a letter picked
// and inserted: end to end); in the UTF-8 view the table is Windows-1251's and
// a character goes in as UTF-8. With nothing selected nothing is inserted.
TEST_F(TextDialogs, CharacterTableInsertsTheBytesOfTheViewCodePage) {
  const struct { CodePage view; LONG start, end; std::string inserted, copied; } rows[] = {
      {Oem, 3 * 34 - 3, 3 * 34 + 2, "\x7F\r\n\x80\x81", "\x7F\r\n\xC0\xC1"},  // 0x7F ending row 3, "АБ"
      {Utf8, 5 * 34 + 30, 5 * 34 + 31, Utf8Bytes(u8"Ю"), "\xDE"},
  };
  for (const auto& r : rows) {
    SetViewCodePage(r.view);
    SetEditorText("");
    RunClosingDialog([] { SendCommand(Command::CharacterTable); }, CharacterTableCopy, [&r](HWND dialog) {
      SendMessageA(dialog, WM_COMMAND, CharacterTableInsert, 0);
      SendDlgItemMessageA(dialog, CharacterTableGrid, EM_SETSEL, r.start, r.end);
    });
    EXPECT_EQ(EditorText(), r.inserted) << r.view;
    EXPECT_EQ(FromClipboard(CF_TEXT), r.copied) << r.view;
  }
}

}  // namespace
