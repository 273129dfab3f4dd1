// The code-page, font and character-table dialogs run modally from their
// commands, worked by messages from another thread as a user would work them.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <string>

#include "app/globals.h"
#include "app/settings_store.h"
#include "conversion/code_page_dialog.h"
#include "conversion/font_dialog.h"
#include "conversion/font_sample.h"
#include "conversion/view_commands.h"
#include "conversion/view_format.h"
#include "editor/character_table.h"
#include "editor/control/document_control.h"
#include "editor/editor_control.h"
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

// The table shows the view code page; a letter inserts its byte, a selection
// across rows its line break, Copy also the clipboard.
TEST_F(TextDialogs, CharacterTableInsertsTheBytesOfTheViewCodePage) {
  LRESULT shownIn = -1;
  auto pick = [&](LONG start, LONG end, int inserts) {
    return [&, start, end, inserts](HWND dialog) {
      HWND grid = GetDlgItem(dialog, CharacterTableGrid);
      shownIn = SendMessageA(grid, EM_GETVIEWCODEPAGE, 0, 0);
      SendMessageA(dialog, WM_COMMAND, CharacterTableInsert, 0);  // nothing selected yet: nothing inserted
      SendMessageA(grid, EM_SETSEL, start, end);
      for (int i = 0; i < inserts; ++i) SendMessageA(dialog, WM_COMMAND, CharacterTableInsert, 0);
    };
  };
  SetViewCodePage(Oem);
  RunDialog(characterTableCommand, IDCANCEL, pick(3 * 34, 3 * 34 + 1, 2));  // 0x80, "А": row 4, column 0
  EXPECT_EQ(shownIn, Oem);
  EXPECT_EQ(EditorText(), "\x80\x80");
  Command(4);
  EXPECT_EQ(EditorText(), "\x80");
  Select(1, 1);
  RunDialog(characterTableCommand, CharacterTableCopy, pick(31, 36, 0));
  EXPECT_EQ(EditorText(), "\x80?\r\n@A");
  EXPECT_EQ(FromClipboard(CF_OEMTEXT), "?\r\n@A");
}

struct FontSeen {
  LRESULT face = -2, charset = -2, size = -2, sampleCodePage = -1;
  std::string faceChosen, sample;
};

// Opens the font dialog of `codePage`, records what it offers and chooses
// size 12, italic and the first face.
FontSeen ChooseFont(CodePage codePage, int button) {
  FontSeen seen;
  RunDialog(firstCodePageFontCommand + codePage, button, [&](HWND dialog) {
    seen.face = SendDlgItemMessageA(dialog, FontDialogFaceList, CB_GETCURSEL, 0, 0);
    seen.charset = SendDlgItemMessageA(dialog, FontDialogCharsetList, CB_GETCURSEL, 0, 0);
    seen.size = SendDlgItemMessageA(dialog, FontDialogSizeList, CB_GETCURSEL, 0, 0);
    seen.sampleCodePage = SendDlgItemMessageA(dialog, FontDialogPreview, EM_GETVIEWCODEPAGE, 0, 0);
    char text[LF_FACESIZE + 100] = {};
    GetDlgItemTextA(dialog, FontDialogPreview, text, sizeof text);
    seen.sample = text;
    SendDlgItemMessageA(dialog, FontDialogSizeList, CB_SETCURSEL, 11, 0);
    SendDlgItemMessageA(dialog, FontDialogFaceList, CB_SETCURSEL, 1, 0);
    GetDlgItemTextA(dialog, FontDialogFaceList, text, sizeof text);
    seen.faceChosen = text;
    CheckDlgButton(dialog, FontDialogItalic, BST_CHECKED);
  });
  return seen;
}

CHARFORMATA Shown() {
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  SendMessageA(editorWindow, EM_GETCHARFORMAT, 0, reinterpret_cast<LPARAM>(&format));
  return format;
}

// The DOS-866 font chosen in the Windows-1251 view is stored and shown once the
// view is DOS-866; Cancel stores nothing; a stored face that is not installed
// (and too long) and a size of 0 are offered and shown as the defaults.
TEST_F(TextDialogs, FontDialogStoresTheFontOfItsCodePageOnly) {
  FontSeen first = ChooseFont(Oem, IDCANCEL);
  EXPECT_EQ(std::make_tuple(first.face, first.charset, first.size), std::make_tuple(CB_ERR, 1, 9));  // OEM_CHARSET, 10
  EXPECT_EQ(first.sampleCodePage, Oem);
  EXPECT_EQ(first.sample, FontSampleText(Oem));
  EXPECT_EQ(ReadSettingDword("SizeD", -1), -1);

  FontSeen chosen = ChooseFont(Oem, IDOK);
  char face[64] = {};
  ReadSettingString("FontD", face, sizeof face);
  EXPECT_EQ(face, chosen.faceChosen);
  EXPECT_EQ(std::make_tuple(ReadSettingDword("SizeD", -1), ReadSettingDword("EffD", -1), ReadSettingDword("SetD", -1)),
            std::make_tuple(240, CFE_ITALIC, 255));
  EXPECT_EQ(Shown().yHeight, 200);
  SetViewCodePage(Oem);
  EXPECT_EQ(Shown().yHeight, 240);
  EXPECT_EQ(ChooseFont(Oem, IDCANCEL).face, 1);

  WriteSettingString("FontW", std::string(60, 'Q').c_str());
  WriteSettingDword("SizeW", 0);
  FontSeen missing = ChooseFont(Ansi, IDCANCEL);
  EXPECT_EQ(std::make_pair(missing.face, missing.size), std::make_pair(LRESULT{CB_ERR}, LRESULT{9}));
  SetViewCodePage(Ansi);
  EXPECT_EQ(std::make_pair(std::string(Shown().szFaceName), Shown().yHeight), std::make_pair(std::string(), 200L));
}

}  // namespace
