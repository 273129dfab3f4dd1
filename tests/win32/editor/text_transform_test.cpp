// The text transformations from their menu commands on the real control:
// bytes in, bytes out, the selection left behind, the view code page a
// whole-text recoding switches to, one undo for each, the code-page chord
// under a held Ctrl, and the clipboard in the view's code page. What each
// makes of the text is tested natively; the chord as typed, by the PE32 smoke suite.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>


#include "base/settings_store.h"
#include "control/document_control.h"
#include "editor/code_page_chord.h"
#include "editor/editor_control.h"
#include "editor/text_transform.h"
#include "editor/undo_commands.h"
#include "editor/view_commands.h"
#include "editor/view_format.h"
#include "program_windows.h"

namespace {

// "Привет мир" in each code page.
const std::string ansiWords = "\xCF\xF0\xE8\xE2\xE5\xF2 \xEC\xE8\xF0";
const std::string oemWords = "\x8F\xE0\xA8\xA2\xA5\xE2 \xAC\xA8\xE0";
const std::string koi8Words = "\xF0\xD2\xC9\xD7\xC5\xD4 \xCD\xC9\xD2";

std::string Utf8Bytes(std::u8string_view text) { return {text.begin(), text.end()}; }
const std::string utf8Words = Utf8Bytes(u8"Привет мир");

class TextTransform : public FreshDocument {
 protected:
  void SetUp() override {
    FreshDocument::SetUp();
    chordSource = -1;
  }
  static void ExpectState(const std::string& text, LONG start, LONG end, CodePage view) {
    EXPECT_EQ(EditorText(), text);
    EXPECT_EQ(viewCodePage, view);
    // The control takes a UTF-8 view of its own accord; its tests see to that.
    if (view != Utf8) {
      EXPECT_EQ(SendMessageA(editorWindow, EM_GETVIEWCODEPAGE, 0, 0), view);
    }
    if (start < 0) return;  // not looked at
    EXPECT_EQ(Selection().cpMin, start);
    EXPECT_EQ(Selection().cpMax, end);
  }
};

// Each row: the view, text and selection before, the command, then the text,
// selection and view after. A text left as it was records nothing; one undo
// brings back the text and the view; on an empty text nothing changes.
TEST_F(TextTransform, EachCommandRewritesItsRangeSelectsTheResultAndUndoesInOneStep) {
  WriteSettingDword("RI", 20);
  const std::string rtf = "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 Arial;}}\\f0 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2\\par}";
  const struct { CodePage view; std::string before; LONG start, end; Command command; std::string after; LONG afterStart, afterEnd; CodePage viewAfter; } rows[] = {
      // Whole text: the view follows the target; a selection: the view stays.
      {Oem, oemWords, 3, 3, Command::RecodeToAnsi, ansiWords, 3, 3, Ansi},
      {Ansi, ansiWords, 7, 10, Command::RecodeToOem, ansiWords.substr(0, 7) + oemWords.substr(7), 7, 10, Ansi},
      {Ansi, ansiWords, 0, 0, Command::RecodeToKoi8, koi8Words, 0, 0, Koi8},
      {Oem, "\x8D\xAE\xE0\xA0 \xE0\xEB\xA1\xA0", 0, 0, Command::Fido, "H\xAEp\xA0 p\xEB\xA1\xA0", 0, 0, Oem},  // Нора рыба
      // Into Windows-1251 from its own view goes through DOS-866 (« has no place there); Fido from KOI8-R ends in DOS-866.
      {Ansi, "\xAB\xCF", 0, 0, Command::RecodeToAnsi, "<\xCF", 0, 0, Ansi},
      {Koi8, "\xEE\xCF\xD2\xC1 \xD2\xD9\xC2\xC1", 0, 0, Command::Fido, "H\xAEp\xA0 p\xEB\xA1\xA0", 0, 0, Oem},
      {Ansi, "\xD9\xF3\xEA\xE0 \xA8\xE6 \xDB \xFB \xFE", 0, 0, Command::Translit, "SHuka Ezh I y iu", 0, 16, Ansi},
      // From the UTF-8 view: straight into the target; Fido and Translit keep the text UTF-8.
      {Utf8, utf8Words, 0, 0, Command::RecodeToKoi8, koi8Words, 0, 0, Koi8},
      {Utf8, Utf8Bytes(u8"Нора рыба"), 0, 0, Command::Fido, "H\xD0\xBEp\xD0\xB0 p\xD1\x8B\xD0\xB1\xD0\xB0", 0, 0, Utf8},
      {Utf8, Utf8Bytes(u8"Щука Ёж Ы ы ю"), 0, 0, Command::Translit, "SHuka Ezh I y iu", 0, 16, Utf8},
      {Ansi, "=D8=E0 =d8 =G1 =", 0, 0, Command::EqualsEscapes, "\xD8\xE0 =d8 =G1 =", 0, 12, Ansi},
      {Ansi, "x a\rb y", 2, 5, Command::LineBreak, "x a\r\nb y", 2, 6, Ansi},
      // RTF always takes the whole text, and only with its exact signature.
      {Ansi, rtf, 0, 0, Command::RtfToAnsi, "\xCF\xF0\xE8\xE2\xE5\xF2\r\n", 0, 0, Ansi},
      {Ansi, " {\\rtf1 x}", 2, 5, Command::RtfToAnsi, " {\\rtf1 x}", -1, -1, Ansi},
      {Ansi, "{\\RTF1 x}", 2, 5, Command::RtfToAnsi, "{\\RTF1 x}", -1, -1, Ansi},
      // Alignment widens a selection to whole lines, the last one's break left
      // out, and leaves the caret at its start, or where it was for the whole text.
      {Ansi, "aaa\r\none two\r\nzzz", 6, 8, Command::AlignRight, "aaa\r\n" + std::string(14, ' ') + "one two\r\n\r\nzzz", 5, 5, Ansi},
      {Ansi, "one two\r\n", 4, 4, Command::Centre, std::string(6, ' ') + "one two\r\n", 4, 4, Ansi},
      {Ansi, "   a", 0, 0, Command::AlignLeft, "a\r\n", 0, 0, Ansi},
      // In the UTF-8 view the width counts characters, not their two bytes each.
      {Utf8, Utf8Bytes(u8"мир дом\r\nда\r\n"), 0, 0, Command::Justify,
       Utf8Bytes(u8"мир") + std::string(14, ' ') + Utf8Bytes(u8"дом\r\nда\r\n"), 0, 0, Utf8},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(Id(r.command));
    SetViewCodePage(r.view);
    SetEditorText(r.before);
    ClearUndoJournal();
    Select(r.start, r.end);
    SendCommand(r.command);
    ExpectState(r.after, r.afterStart, r.afterEnd, r.viewAfter);
    EXPECT_EQ(UndoJournalHoldsRecord(), r.after != r.before);
    SendCommand(Command::Undo);
    ExpectState(r.before, -1, -1, r.view);
    EXPECT_FALSE(UndoJournalHoldsRecord());
    SetEditorText("");
    SendCommand(r.command);
    ExpectState("", 0, 0, r.view);
    EXPECT_FALSE(UndoJournalHoldsRecord());
  }
}

// Ctrl+U in the chord: into and out of UTF-8 as iconv recodes, a whole text taking the view
// along and a selection selecting its result, one undo back; U twice only shows UTF-8.
TEST_F(TextTransform, ChordWithUtf8RecodesLikeIconvAndUndoesInOneStep) {
  using enum Command;
  const struct { CodePage view; std::string before; LONG start, end; Command first, second; std::string after; LONG afterEnd; CodePage viewAfter; } rows[] = {
      {Ansi, ansiWords, 0, 0, ChordAnsi, ChordUtf8, utf8Words, 0, Utf8},
      {Utf8, utf8Words, 2, 2, ChordUtf8, ChordKoi8, koi8Words, 2, Koi8},
      {Oem, oemWords, 0, 0, ChordOem, ChordUtf8, utf8Words, 0, Utf8},
      {Ansi, ansiWords, 7, 10, ChordAnsi, ChordUtf8, ansiWords.substr(0, 7) + Utf8Bytes(u8"мир"), 13, Ansi},
      {Utf8, utf8Words, 13, 19, ChordUtf8, ChordOem, utf8Words.substr(0, 13) + oemWords.substr(7), 16, Utf8},
      {Ansi, ansiWords, 0, 0, ChordUtf8, ChordUtf8, ansiWords, 0, Utf8},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.before + " " + std::to_string(Id(r.first)) + " " + std::to_string(Id(r.second)));
    SetViewCodePage(r.view);
    SetEditorText(r.before);
    ClearUndoJournal();
    Select(r.start, r.end);
    OnCodePageChord(r.first);
    OnCodePageChord(r.second);
    ExpectState(r.after, r.start, r.afterEnd, r.viewAfter);
    if (r.after == r.before) continue;
    SendCommand(Command::Undo);
    ExpectState(r.before, -1, -1, r.view);
    EXPECT_FALSE(UndoJournalHoldsRecord());
  }
}

// Only a new press of Ctrl: a Ctrl held down repeats its key-down, and the
// chord must survive a user who is slow to press the second key.
TEST_F(TextTransform, PressingCtrlAgainStartsANewChordHoldingItDoesNot) {
  SetEditorText(ansiWords);
  OnCodePageChord(Command::ChordAnsi);
  SendMessageA(editorWindow, WM_KEYDOWN, VK_CONTROL, 0x401D0001);  // repeated: the key was already down
  EXPECT_EQ(chordSource, Ansi);
  SendMessageA(editorWindow, WM_KEYDOWN, VK_CONTROL, 0x001D0001);
  OnCodePageChord(Command::ChordKoi8);
  EXPECT_EQ(EditorText(), ansiWords);
  EXPECT_EQ(chordSource, Koi8);
}

// Copy, Cut and Paste carry the view's bytes as Windows-1251 and DOS-866 text.
TEST_F(TextTransform, ClipboardTravelsInTheFormatOfTheViewCodePage) {
  SetViewCodePage(Koi8);
  SetEditorText(koi8Words);
  SendCommand(Command::SelectAll);
  SendCommand(Command::Copy);
  EXPECT_EQ(FromClipboard(CF_OEMTEXT), oemWords);
  EXPECT_EQ(FromClipboard(CF_TEXT), ansiWords);
  SetViewCodePage(Oem);
  PutOnClipboard(CF_TEXT, "\xCC\xE8\xF0");  // "Мир"
  Select(0, 6);
  SendCommand(Command::Paste);
  EXPECT_EQ(EditorText(), "\x8C\xA8\xE0" + koi8Words.substr(6));
  SendCommand(Command::Undo);
  EXPECT_EQ(EditorText(), koi8Words);  // the view switch kept the bytes
  SetEditorText(oemWords);
  Select(0, 2);
  SendCommand(Command::Cut);
  EXPECT_EQ(EditorText(), oemWords.substr(2));
  EXPECT_EQ(FromClipboard(CF_TEXT), ansiWords.substr(0, 2));
}

// The UTF-8 view: Copy offers UTF-16 and, for programs that read only CF_TEXT, Windows-1251
// with look-alikes; Paste takes UTF-16 first, else Windows-1251; a typed letter (Windows-1251
// from the keyboard) goes in as its UTF-8 bytes, over a whole character in overwrite mode;
// each is one undo step.
TEST_F(TextTransform, Utf8ViewExchangesUtf16AndTypesUtf8) {
  SetViewCodePage(Utf8);
  const std::string text = Utf8Bytes(u8"Привет \u2014 мир \U0001F600");
  SetEditorText(text);
  SendCommand(Command::SelectAll);
  SendCommand(Command::Copy);
  EXPECT_EQ(WideFromClipboard(), u"Привет \u2014 мир \U0001F600");
  EXPECT_EQ(FromClipboard(CF_TEXT), ansiWords.substr(0, 7) + "\x97 " + ansiWords.substr(7) + " ?");

  const std::u16string pasted = u"\u0401\u0436\U0001F600";  // "Ёж" and an emoji
  PutOnClipboard(CF_UNICODETEXT, std::string(reinterpret_cast<const char*>(pasted.c_str()), (pasted.size() + 1) * 2));
  Select(0, 12);  // "Привет"
  SendCommand(Command::Paste);
  const std::string afterPaste = Utf8Bytes(u8"\u0401\u0436\U0001F600 \u2014 мир \U0001F600");
  EXPECT_EQ(EditorText(), afterPaste);
  PutOnClipboard(CF_TEXT, "\xDF ");  // "Я "
  Select(0, 0);
  SendCommand(Command::Paste);
  EXPECT_EQ(EditorText(), Utf8Bytes(u8"Я ") + afterPaste);
  SendCommand(Command::Undo);
  SendCommand(Command::Undo);
  EXPECT_EQ(EditorText(), text);

  Select(0, 0);
  SendMessageA(editorWindow, WM_CHAR, 0xE6, 1);  // "ж"
  EXPECT_EQ(EditorText(), Utf8Bytes(u8"ж") + text);
  overwriteMode = true;
  SendMessageA(editorWindow, WM_CHAR, 0xDF, 1);  // "Я" over "П", both its bytes
  overwriteMode = false;
  EXPECT_EQ(EditorText(), Utf8Bytes(u8"жЯ") + text.substr(2));
  EXPECT_EQ(Selection().cpMin, 4);
  SendCommand(Command::Undo);
  EXPECT_EQ(EditorText(), Utf8Bytes(u8"ж") + text);
  SendCommand(Command::Undo);
  EXPECT_EQ(EditorText(), text);
}

}  // namespace
