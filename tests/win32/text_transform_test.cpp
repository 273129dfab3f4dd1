// The text transformations on the real control: bytes in, bytes out, the
// view code page a whole-text recoding switches to, the selection left
// behind, one undo for each, and the Ctrl+W / Ctrl+D / Ctrl+K chord.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <string>

#include "app/globals.h"
#include "app/settings_store.h"
#include "conversion/alignment.h"
#include "conversion/code_page_chord.h"
#include "conversion/text_transform.h"
#include "conversion/undo_commands.h"
#include "conversion/view_commands.h"
#include "conversion/view_format.h"
#include "editor/control/document_control.h"
#include "editor/editor_control.h"
#include "program_windows.h"

namespace {

// "Привет мир" in each code page.
const std::string ansiWords = "\xCF\xF0\xE8\xE2\xE5\xF2 \xEC\xE8\xF0";
const std::string oemWords = "\x8F\xE0\xA8\xA2\xA5\xE2 \xAC\xA8\xE0";
const std::string koi8Words = "\xF0\xD2\xC9\xD7\xC5\xD4 \xCD\xC9\xD2";

class TextTransform : public FreshDocument {
 protected:
  void SetUp() override {
    FreshDocument::SetUp();
    chordSource = -1;
  }

  static void ExpectSelection(LONG start, LONG end) {
    CHARRANGE range = Selection();
    EXPECT_EQ(range.cpMin, start);
    EXPECT_EQ(range.cpMax, end);
  }
  static void ExpectView(CodePage codePage) {
    EXPECT_EQ(viewCodePage, codePage);
    EXPECT_EQ(SendMessageA(editorWindow, EM_GETVIEWCODEPAGE, 0, 0), codePage);
  }
};

// Whole text: the view follows the target; a selection: the view stays, as it does for Fido.
TEST_F(TextTransform, RecodingSwitchesTheViewForTheWholeTextAndOneUndoBringsAllBack) {
  const struct { CodePage view; std::string text; LONG start, end; int command; std::string after; CodePage viewAfter; } cases[] = {
      {Oem, oemWords, 3, 3, 29, ansiWords, Ansi},
      {Ansi, ansiWords, 7, 10, 30, ansiWords.substr(0, 7) + oemWords.substr(7), Ansi},
      {Oem, "\x8D\xAE\xE0\xA0 \xE0\xEB\xA1\xA0", 0, 0, 32, "H\xAEp\xA0 p\xEB\xA1\xA0", Oem},  // Нора рыба
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    SetViewCodePage(c.view);
    SetEditorText(c.text);
    ClearUndoJournal();
    Select(c.start, c.end);
    RecodeFromView(c.command);
    EXPECT_EQ(EditorText(), c.after);
    ExpectView(c.viewAfter);
    ExpectSelection(c.start, c.end);
    UndoLast();
    EXPECT_EQ(EditorText(), c.text);
    ExpectView(c.view);
    ExpectSelection(c.start, c.end);
    EXPECT_FALSE(UndoJournalHoldsRecord());
  }
}

// Each menu command reaches its transformation and one Undo takes it back; on
// an empty text it changes neither text nor view and records nothing. What
// each makes of the text is tested natively.
TEST_F(TextTransform, EachCommandRewritesTheBytesAndUndoesInOneStep) {
  const std::string rtf = "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 Arial;}}\\f0 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2\\par}";
  const std::string words = "один два три четыре пять шесть семь восемь девять десять одиннадцать двенадцать";
  const struct { CodePage view; int command; std::string before, after; } cases[] = {
      {Ansi, translitCommand, "\xD9\xF3\xEA\xE0 \xA8\xE6 \xDB \xFB \xFE", "SHuka Ezh I y iu"},
      {Ansi, equalsEscapesCommand, "=D8=E0 =d8 =G1 =", "\xD8\xE0 =d8 =G1 ="},
      {Ansi, lineBreakCommand, "a\rb\r\nc", "a\r\nb\r\nc"},
      {Ansi, rtfToTextCommand, rtf, "\xCF\xF0\xE8\xE2\xE5\xF2\r\n"},
      // Alignment and recoding: only that they act.
      {Ansi, 19, words, ""}, {Ansi, 20, "a", ""}, {Ansi, 21, "   a", ""}, {Ansi, 22, "a", ""},
      {Oem, 29, "\x8F", ""}, {Ansi, 30, "П", ""}, {Ansi, 31, "П", ""}, {Ansi, 32, "Нр", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    SetViewCodePage(c.view);
    SetEditorText(c.before);
    ClearUndoJournal();
    Command(c.command);
    const std::string after = EditorText();
    EXPECT_NE(after, c.before);
    if (!c.after.empty()) {
      EXPECT_EQ(after, c.after);
    }
    Command(4);
    EXPECT_EQ(EditorText(), c.before);
    SetEditorText("");
    ClearUndoJournal();
    Command(c.command);
    EXPECT_EQ(EditorText(), "");
    ExpectView(c.view);
    EXPECT_FALSE(UndoJournalHoldsRecord());
  }
}

// A transformation of a selection that changes its length selects its
// result; the RTF command acts only on the exact signature.
TEST_F(TextTransform, SelectionTransformsSelectTheirResultAndRtfNeedsItsSignature) {
  const struct { std::string before; int command; std::string after; LONG end; } cases[] = {
      {"x a\rb y", lineBreakCommand, "x a\r\nb y", 6}, {" {\\rtf1 x}", rtfToTextCommand, " {\\rtf1 x}", 0},
      {"{\\RTF1 x}", rtfToTextCommand, "{\\RTF1 x}", 0}, {"plain", rtfToTextCommand, "plain", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before);
    SetEditorText(c.before);
    ClearUndoJournal();
    Select(2, 5);
    TransformText(c.command, NoTable, NoTable);
    EXPECT_EQ(EditorText(), c.after);
    ExpectView(Ansi);
    EXPECT_EQ(UndoJournalHoldsRecord(), c.after != c.before);
    if (c.after != c.before) ExpectSelection(2, c.end);
  }
}

TEST_F(TextTransform, AlignmentWidensASelectionToWholeLinesAndLeavesTheCaretAtItsStart) {
  WriteSettingDword("RI", 20);
  const std::string before = "aaa\r\none two\r\nzzz";
  SetEditorText(before);
  Select(6, 8);
  TransformText(AlignRight, NoTable, NoTable);
  // The range "one two" ends without its line break: its last byte is not measured.
  EXPECT_EQ(EditorText(), "aaa\r\n" + std::string(14, ' ') + "one two\r\n\r\nzzz");
  ExpectSelection(5, 5);
  UndoLast();
  EXPECT_EQ(EditorText(), before);

  SetEditorText("one two\r\n");
  Select(4, 4);
  TransformText(AlignCentre, NoTable, NoTable);
  EXPECT_EQ(EditorText(), std::string(6, ' ') + "one two\r\n");
  ExpectSelection(4, 4);
}

TEST_F(TextTransform, ChordOfTwoKeysRecodesFromTheFirstIntoTheSecondAndOfOneKeySwitchesTheView) {
  SetViewCodePage(Oem);
  SetEditorText(ansiWords);
  OnCodePageChord(100);  // Ctrl+W
  EXPECT_EQ(EditorText(), ansiWords);
  OnCodePageChord(102);  // Ctrl+K
  EXPECT_EQ(EditorText(), koi8Words);
  ExpectView(Koi8);
  EXPECT_EQ(chordSource, -1);

  ClearUndoJournal();
  OnCodePageChord(101);  // the same key twice only switches the view
  OnCodePageChord(101);
  EXPECT_EQ(EditorText(), koi8Words);
  ExpectView(Oem);
  EXPECT_FALSE(UndoJournalHoldsRecord());
  EXPECT_EQ(chordSource, -1);
}

// Only a new press of Ctrl: a Ctrl held down repeats its key-down, and the
// chord must survive a user who is slow to press the second key.
TEST_F(TextTransform, PressingCtrlAgainStartsANewChordHoldingItDoesNot) {
  SetEditorText(ansiWords);
  OnCodePageChord(100);
  SendMessageA(editorWindow, WM_KEYDOWN, VK_CONTROL, 0x401D0001);  // repeated: the key was already down
  EXPECT_EQ(chordSource, Ansi);
  SendMessageA(editorWindow, WM_KEYDOWN, VK_CONTROL, 0x001D0001);
  OnCodePageChord(102);
  EXPECT_EQ(EditorText(), ansiWords);
  ExpectView(Ansi);
  EXPECT_EQ(chordSource, Koi8);
}

}  // namespace
