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
#include "conversion/undo_commands.h"
#include "conversion/view_commands.h"
#include "conversion/view_format.h"
#include "editor/character_table.h"
#include "editor/control/document_control.h"
#include "editor/editor_control.h"
#include "program_windows.h"

namespace {

// "Привет мир" in ISO 8859-5 and in KOI8-R.
const std::string isoWords = "\xBF\xE0\xD8\xD2\xD5\xE2 \xDC\xD8\xE0";
const std::string koi8Words = "\xF0\xD2\xC9\xD7\xC5\xD4 \xCD\xC9\xD2";

class TextDialogs : public FreshDocument {
 protected:
  static LONG HeightShown() {
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    SendMessageA(editorWindow, EM_GETCHARFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    return format.yHeight;
  }
};

// What the two lists of the code-page dialog showed on opening.
struct ListsSeen {
  LRESULT source = -2, target = -2;
};

// Converts the selection with the pair chosen in the lists (-1: left as offered).
ListsSeen ConvertWith(int source, int target, int button = IDOK) {
  ListsSeen seen;
  RunClosingDialog([] { SendMessageA(mainWindow, WM_COMMAND, chooseCodePagesCommand, 0); }, button,
                   [&](HWND dialog) {
                     seen.source = SendDlgItemMessageA(dialog, CodePageSourceList, LB_GETCURSEL, 0, 0);
                     seen.target = SendDlgItemMessageA(dialog, CodePageTargetList, LB_GETCURSEL, 0, 0);
                     if (source >= 0) SendDlgItemMessageA(dialog, CodePageSourceList, LB_SETCURSEL, source, 0);
                     if (target >= 0) SendDlgItemMessageA(dialog, CodePageTargetList, LB_SETCURSEL, target, 0);
                   });
  return seen;
}

// ISO to KOI8-R on a selection and back, each one undo step; the lists offer
// the last pair; Cancel neither converts nor stores; the view never moves.
TEST_F(TextDialogs, CodePageDialogConvertsTheSelectionAndRemembersThePair) {
  const std::string before = "<" + isoWords + ">";
  SetEditorText(before);
  Select(1, 1 + static_cast<LONG>(isoWords.size()));
  ListsSeen first = ConvertWith(Iso, Koi8);
  EXPECT_EQ(std::make_pair(first.source, first.target), std::make_pair(LRESULT{Ansi}, LRESULT{Koi8}));
  EXPECT_EQ(EditorText(), "<" + koi8Words + ">");
  EXPECT_EQ(std::make_pair(ReadSettingDword("CP1", -1), ReadSettingDword("CP2", -1)), std::make_pair(3, 2));
  EXPECT_EQ(viewCodePage, Ansi);

  ListsSeen again = ConvertWith(Koi8, Iso, IDCANCEL);
  EXPECT_EQ(std::make_pair(again.source, again.target), std::make_pair(LRESULT{Iso}, LRESULT{Koi8}));
  EXPECT_EQ(EditorText(), "<" + koi8Words + ">");
  EXPECT_EQ(ReadSettingDword("CP1", -1), 3);

  ConvertWith(Koi8, Iso);
  EXPECT_EQ(EditorText(), before);
  Command(4);
  EXPECT_EQ(EditorText(), "<" + koi8Words + ">");
  Command(4);
  EXPECT_EQ(EditorText(), before);

  // A stored pair outside the lists offers no selection, and "=>" then converts nothing.
  WriteSettingDword("CP1", 7);
  ListsSeen bad = ConvertWith(-1, -1, IDCANCEL);
  EXPECT_EQ(bad.source, LB_ERR);
}

// In the DOS-866 view the table shows DOS-866 glyphs; a letter inserts its
// byte, a selection across rows its line break, Copy also the clipboard.
TEST_F(TextDialogs, CharacterTableInsertsTheBytesOfTheViewCodePage) {
  SetViewCodePage(Oem);
  LRESULT shownIn = -1;
  std::string table;
  auto pick = [&](LONG start, LONG end, int times) {
    return [&, start, end, times](HWND dialog) {
      HWND grid = GetDlgItem(dialog, CharacterTableGrid);
      shownIn = SendMessageA(grid, EM_GETVIEWCODEPAGE, 0, 0);
      table.assign(300, '\0');
      table.resize(static_cast<std::size_t>(GetWindowTextA(grid, table.data(), 300)));
      SendMessageA(dialog, WM_COMMAND, CharacterTableInsert, 0);  // nothing selected: nothing happens
      SendMessageA(grid, EM_SETSEL, start, end);
      for (int i = 0; i < times; ++i) SendMessageA(dialog, WM_COMMAND, CharacterTableInsert, 0);
    };
  };
  // "А" is DOS-866 0x80: row 4, column 0, after three rows and their line breaks.
  RunClosingDialog([] { SendMessageA(mainWindow, WM_COMMAND, characterTableCommand, 0); }, IDCANCEL,
                   pick(3 * 34, 3 * 34 + 1, 2));
  EXPECT_EQ(shownIn, Oem);
  EXPECT_EQ(table.size(), 236u);
  EXPECT_EQ(EditorText(), "\x80\x80");
  Command(4);
  EXPECT_EQ(EditorText(), "\x80");

  PutOnClipboard(CF_TEXT, "");
  Select(1, 1);
  RunClosingDialog([] { SendMessageA(mainWindow, WM_COMMAND, characterTableCommand, 0); }, CharacterTableCopy,
                   pick(31, 36, 0));
  EXPECT_EQ(EditorText(), "\x80?\r\n@A");
  EXPECT_EQ(FromClipboard(CF_OEMTEXT), "?\r\n@A");

  // KOI8-R: the document gets the KOI8-R byte, the clipboard its DOS-866 form.
  SetViewCodePage(Koi8);
  SetEditorText("");
  RunClosingDialog([] { SendMessageA(mainWindow, WM_COMMAND, characterTableCommand, 0); }, CharacterTableCopy,
                   pick(6 * 34 + 22, 6 * 34 + 23, 0));
  EXPECT_EQ(shownIn, Koi8);
  EXPECT_EQ(EditorText(), "\xF6");  // Ж
  EXPECT_EQ(FromClipboard(CF_OEMTEXT), "\x86");
}

struct FontSeen {
  LRESULT face = -2, charset = -2, size = -2;
  std::string faceText, sample;
  LRESULT sampleCodePage = -1;
  DWORD previewEffects = 0;
};

// Opens the font dialog of `codePage`, records what it offers, chooses size
// entry `size`, italic and face entry 1, and presses `button`.
FontSeen ChooseFont(CodePage codePage, int button) {
  FontSeen seen;
  RunClosingDialog([codePage] { SendMessageA(mainWindow, WM_COMMAND, firstCodePageFontCommand + codePage, 0); },
                   button, [&](HWND dialog) {
                     seen.face = SendDlgItemMessageA(dialog, FontDialogFaceList, CB_GETCURSEL, 0, 0);
                     seen.charset = SendDlgItemMessageA(dialog, FontDialogCharsetList, CB_GETCURSEL, 0, 0);
                     seen.size = SendDlgItemMessageA(dialog, FontDialogSizeList, CB_GETCURSEL, 0, 0);
                     HWND preview = GetDlgItem(dialog, FontDialogPreview);
                     seen.sampleCodePage = SendMessageA(preview, EM_GETVIEWCODEPAGE, 0, 0);
                     char text[128] = {};
                     GetWindowTextA(preview, text, sizeof text);
                     seen.sample = text;
                     SendDlgItemMessageA(dialog, FontDialogSizeList, CB_SETCURSEL, 11, 0);
                     SendDlgItemMessageA(dialog, FontDialogFaceList, CB_SETCURSEL, 1, 0);
                     char face[LF_FACESIZE] = {};
                     GetDlgItemTextA(dialog, FontDialogFaceList, face, sizeof face);
                     seen.faceText = face;
                     CheckDlgButton(dialog, FontDialogItalic, BST_CHECKED);
                     SendMessageA(dialog, WM_COMMAND, FontDialogItalic, 0);
                     CHARFORMATA format{};
                     format.cbSize = sizeof format;
                     SendMessageA(preview, EM_GETCHARFORMAT, 0, reinterpret_cast<LPARAM>(&format));
                     SendMessageA(preview, EM_SETSEL, 0, 0);
                     SendMessageA(preview, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
                     seen.previewEffects = format.dwEffects;
                   });
  return seen;
}

// The DOS-866 font chosen while the view is Windows-1251: stored, not shown
// until the view is DOS-866; Cancel stores nothing; a stored face that is
// not installed (and too long) is offered as no face and shown as none.
TEST_F(TextDialogs, FontDialogStoresTheFontOfItsCodePageOnly) {
  FontSeen cancelled = ChooseFont(Oem, IDCANCEL);
  EXPECT_EQ(cancelled.face, CB_ERR);
  EXPECT_EQ(cancelled.charset, 1);  // OEM_CHARSET
  EXPECT_EQ(cancelled.size, 9);     // "10"
  EXPECT_EQ(cancelled.sampleCodePage, Oem);
  EXPECT_EQ(cancelled.sample, FontSampleText(Oem));
  EXPECT_EQ(cancelled.previewEffects & CFE_ITALIC, static_cast<DWORD>(CFE_ITALIC));
  EXPECT_EQ(ReadSettingDword("SizeD", -1), -1);

  FontSeen chosen = ChooseFont(Oem, IDOK);
  ASSERT_FALSE(chosen.faceText.empty());
  char face[64] = {};
  ReadSettingString("FontD", face, sizeof face);
  EXPECT_EQ(face, chosen.faceText);
  EXPECT_EQ(ReadSettingDword("SizeD", -1), 240);
  EXPECT_EQ(ReadSettingDword("EffD", -1), CFE_ITALIC);
  EXPECT_EQ(ReadSettingDword("SetD", -1), 255);
  EXPECT_EQ(HeightShown(), 200);
  SetViewCodePage(Oem);
  EXPECT_EQ(HeightShown(), 240);

  FontSeen again = ChooseFont(Oem, IDCANCEL);
  EXPECT_EQ(again.face, 1);
  EXPECT_EQ(again.size, 11);

  WriteSettingString("FontW", std::string(60, 'Q').c_str());
  WriteSettingDword("SizeW", 0);
  FontSeen missing = ChooseFont(Ansi, IDCANCEL);
  EXPECT_EQ(missing.face, CB_ERR);
  EXPECT_EQ(missing.size, 9);
  SetViewCodePage(Ansi);
  CHARFORMATA shown{};
  shown.cbSize = sizeof shown;
  SendMessageA(editorWindow, EM_GETCHARFORMAT, 0, reinterpret_cast<LPARAM>(&shown));
  EXPECT_STREQ(shown.szFaceName, "");
  EXPECT_EQ(shown.yHeight, 200);
}

}  // namespace
