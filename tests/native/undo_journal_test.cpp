// The undo journal on the engine: coalescing, the ends of the text, line-break
// halves, zero bytes, the text limit, lack of memory and the editor-undo switch.
#include <gtest/gtest.h>

#include <string>

#include "undo_keys.h"

using namespace std::string_literals;

namespace {

void ExpectState(const UndoKeys& keys, const std::string& text, PositionRange selection) {
  EXPECT_EQ(keys.Text(), text);
  EXPECT_EQ(keys.Selection(), selection);
}

}  // namespace

TEST(UndoJournal, TypingAndEnterRunsCostOneRecordAndUndoOneUnitAtATime) {
  UndoKeys keys;
  keys.Start("x", 1, 1);
  keys.Paste("--");
  for (char c : "abc"s) keys.Type(c);
  EXPECT_EQ(keys.journal.RecordCount(), 2u);
  keys.journal.UndoLast();
  ExpectState(keys, "x--ab", {5, 5});
  keys.journal.UndoLast();
  keys.journal.UndoLast();
  ExpectState(keys, "x--", {3, 3});
  keys.journal.UndoLast();  // the paste before the typing
  ExpectState(keys, "x", {1, 1});
  EXPECT_TRUE(keys.journal.IsEmpty());

  keys.Enter();
  keys.Enter();
  EXPECT_EQ(keys.journal.RecordCount(), 1u);
  keys.journal.UndoLast();
  ExpectState(keys, "x\r\n", {3, 3});
  keys.Type('y');  // a different kind starts a record of its own
  EXPECT_EQ(keys.journal.RecordCount(), 2u);
}

TEST(UndoJournal, TypingAfterMovingTheCaretStartsANewRecordButContinuingAfterAnUndoDoesNot) {
  UndoKeys keys;
  keys.Start("0123", 4, 4);
  keys.Type('a');
  keys.engine.SetSelection(1, 1);
  keys.Type('b');
  EXPECT_EQ(keys.journal.RecordCount(), 2u);
  keys.journal.UndoLast();
  ExpectState(keys, "0123a", {1, 1});
  keys.journal.UndoLast();
  ExpectState(keys, "0123", {4, 4});

  keys.Type('p');
  keys.Type('q');
  keys.journal.UndoLast();
  keys.Type('r');
  EXPECT_EQ(keys.journal.RecordCount(), 1u);
  keys.journal.UndoLast();
  keys.journal.UndoLast();
  ExpectState(keys, "0123", {4, 4});
}

TEST(UndoJournal, DeleteAndBackspaceAtTheEndsOfTheText) {
  UndoKeys keys;
  keys.Start("ab", 2, 2);
  keys.Delete();
  keys.engine.SetSelection(0, 0);
  keys.Backspace();
  EXPECT_TRUE(keys.journal.IsEmpty());

  keys.engine.SetSelection(1, 1);  // Delete with one character left
  keys.Delete();
  EXPECT_EQ(keys.Text(), "a");
  keys.journal.UndoLast();
  ExpectState(keys, "ab", {1, 1});

  keys.Backspace();  // Backspace at position 1
  EXPECT_EQ(keys.Text(), "b");
  keys.journal.UndoLast();
  ExpectState(keys, "ab", {1, 1});
  EXPECT_TRUE(keys.journal.IsEmpty());
}

TEST(UndoJournal, LineBreakPairsComeBackWholeAndLoneHalvesAlone) {
  UndoKeys keys;
  keys.Start("a\r\nb", 3, 3);
  keys.Backspace();
  EXPECT_EQ(keys.Text(), "ab");
  keys.journal.UndoLast();
  ExpectState(keys, "a\r\nb", {3, 3});
  keys.engine.SetSelection(1, 1);
  keys.Delete();
  keys.journal.UndoLast();
  ExpectState(keys, "a\r\nb", {1, 1});

  // LF then CR is no pair: each key takes one byte, and undo puts back only it.
  keys.Start("a\n\rb", 3, 3);
  keys.Backspace();
  EXPECT_EQ(keys.Text(), "a\nb");
  keys.journal.UndoLast();
  ExpectState(keys, "a\n\rb", {3, 3});
  keys.engine.SetSelection(1, 1);
  keys.Delete();
  EXPECT_EQ(keys.Text(), "a\rb");
  keys.journal.UndoLast();
  ExpectState(keys, "a\n\rb", {1, 1});

  // The caret between CR and LF.
  keys.Start("a\r\nb", 2, 2);
  keys.Delete();
  keys.Backspace();
  EXPECT_EQ(keys.Text(), "ab");
  keys.journal.UndoLast();
  keys.journal.UndoLast();
  ExpectState(keys, "a\r\nb", {2, 2});
}

TEST(UndoJournal, ZeroBytesAreRestoredLikeAnyOther) {
  UndoKeys keys;
  keys.Start("a\0b\0"s, 1, 1);
  keys.Delete();
  keys.engine.SetSelection(2, 2);
  keys.Overwrite('x');
  keys.engine.SetSelection(1, 3);
  keys.Paste("\0"s);
  EXPECT_EQ(keys.Text(), "a\0"s);
  keys.journal.UndoLast();
  ExpectState(keys, "abx", {1, 3});
  keys.journal.UndoLast();
  keys.journal.UndoLast();
  ExpectState(keys, "a\0b\0"s, {1, 1});
}

TEST(UndoJournal, OverwriteTakesBackTheByteItReplacedOrTheOneItAdded) {
  UndoKeys keys;
  keys.Start("ab\r\n", 1, 1);
  keys.Overwrite('x');
  keys.Overwrite('y');  // on the CR: inserted
  EXPECT_EQ(keys.Text(), "axy\r\n");
  keys.engine.SetSelection(5, 5);
  keys.Overwrite('z');  // at the end: appended
  EXPECT_EQ(keys.journal.RecordCount(), 3u);
  keys.journal.UndoLast();
  ExpectState(keys, "axy\r\n", {5, 5});
  keys.journal.UndoLast();
  ExpectState(keys, "ax\r\n", {2, 2});
  keys.journal.UndoLast();
  ExpectState(keys, "ab\r\n", {1, 1});

  keys.Start("a\nb", 1, 1);  // a lone LF is a line break too
  keys.Overwrite('x');
  keys.journal.UndoLast();
  ExpectState(keys, "a\nb", {1, 1});

  keys.Start("ab\r\n", 0, 2);
  keys.Overwrite('q');  // over a selection: a replacement
  EXPECT_EQ(keys.Text(), "q\r\n");
  keys.journal.UndoLast();
  ExpectState(keys, "ab\r\n", {0, 2});
}

TEST(UndoJournal, WordDeletionsAreDoneByTheJournalUpToTheEndsOfTheText) {
  UndoKeys keys;
  keys.Start("one two", 7, 7);
  EXPECT_FALSE(keys.DeleteWord(UndoDeleteWordRight));
  keys.engine.SetSelection(0, 0);
  EXPECT_FALSE(keys.DeleteWord(UndoDeleteWordLeft));
  EXPECT_TRUE(keys.journal.IsEmpty());

  keys.engine.SetSelection(4, 4);
  keys.DeleteWord(UndoDeleteWordRight);  // the last word, up to the end
  EXPECT_EQ(keys.Text(), "one ");
  keys.DeleteWord(UndoDeleteWordLeft);  // back to position 0
  ExpectState(keys, "", {0, 0});
  keys.journal.UndoLast();
  ExpectState(keys, "one ", {4, 4});
  keys.journal.UndoLast();
  ExpectState(keys, "one two", {4, 4});

  keys.engine.SetSelection(1, 5);  // a selection is what goes
  keys.DeleteWord(UndoDeleteWordLeft);
  EXPECT_EQ(keys.Text(), "owo");
  keys.journal.UndoLast();
  ExpectState(keys, "one two", {1, 5});
}

TEST(UndoJournal, SnapshotsInARowUndoAtOnceWithTheirViewCodePage) {
  UndoKeys keys;
  std::string oem = "\x8F\xE0\xA8\xA2\xA5\xE2";  // a Russian word in DOS-866
  keys.view = Oem;
  keys.Start(oem, 2, 4);
  keys.Convert(Ansi);
  keys.Convert(Koi8);
  keys.InsertWithSnapshot("tail");
  EXPECT_EQ(keys.journal.RecordCount(), 1u);
  EXPECT_NE(keys.Text(), oem);
  keys.journal.UndoLast();
  ExpectState(keys, oem, {2, 4});
  EXPECT_EQ(keys.view, Oem);
  EXPECT_EQ(keys.refreshes, 1);

  keys.Start("", 0, 0);  // an empty snapshot empties the text; the same view needs no refresh
  keys.InsertWithSnapshot("abc");
  keys.journal.UndoLast();
  ExpectState(keys, "", {0, 0});
  EXPECT_EQ(keys.refreshes, 1);
}

TEST(UndoJournal, EditsRefusedByTheTextLimitAreNeverTakenBack) {
  UndoKeys keys;
  keys.Start("limit", 2, 2);
  keys.engine.SetTextLimit(7);
  keys.Type('a');
  keys.Type('b');
  EXPECT_FALSE(keys.Type('c'));
  EXPECT_FALSE(keys.Type('d'));
  EXPECT_FALSE(keys.Enter());
  EXPECT_FALSE(keys.Paste("xyz"));
  keys.journal.UndoLast();
  keys.journal.UndoLast();
  ExpectState(keys, "limit", {2, 2});
  keys.journal.UndoLast();
  ExpectState(keys, "limit", {2, 2});
  EXPECT_TRUE(keys.journal.IsEmpty());

  keys.engine.SetSelection(0, 5);  // a lengthening transformation of the whole text
  EXPECT_FALSE(keys.Paste("longer text"));
  keys.engine.SetSelection(1, 1);
  keys.Delete();
  keys.journal.UndoLast();
  keys.journal.UndoLast();
  ExpectState(keys, "limit", {1, 1});
}

TEST(UndoJournal, AnUndoTheTextLimitRefusesKeepsItsStepAndTheSelection) {
  UndoKeys keys;
  keys.Start("abcdef", 0, 6);
  keys.InsertWithSnapshot("xy");
  keys.Type('z');
  keys.engine.SetSelection(1, 2);
  keys.Delete();  // "xz"
  keys.engine.SetTextLimit(2);
  keys.engine.SetSelection(0, 0);
  keys.journal.UndoLast();
  ExpectState(keys, "xz", {0, 0});
  keys.engine.SetTextLimit(100);
  keys.journal.UndoLast();
  ExpectState(keys, "xyz", {1, 2});
  keys.journal.UndoLast();

  keys.engine.SetTextLimit(3);
  keys.journal.UndoLast();
  ExpectState(keys, "xy", {2, 2});
  keys.engine.SetTextLimit(100);
  keys.journal.UndoLast();
  ExpectState(keys, "abcdef", {0, 6});
}

TEST(UndoJournal, TextChangedBehindTheJournalEmptiesIt) {
  UndoKeys keys;
  keys.Start("0123", 4, 4);
  keys.Type('a');
  keys.Type('b');
  keys.engine.ReplaceSelection("zz");
  keys.journal.UndoLast();
  EXPECT_EQ(keys.Text(), "0123abzz");
  EXPECT_TRUE(keys.journal.IsEmpty());
}

TEST(UndoJournal, LackOfMemoryLosesTheStepsButNotTheEdit) {
  UndoKeys keys;
  keys.Start("one two", 0, 0);
  keys.Type('a');
  keys.editor.failCopies = true;
  keys.InsertWithSnapshot("big");
  EXPECT_TRUE(keys.journal.IsEmpty());
  keys.DeleteWord(UndoDeleteWordRight);
  keys.engine.SetSelection(0, 2);
  keys.Paste("z");
  EXPECT_EQ(keys.errors, 3);
  EXPECT_EQ(keys.Text(), "zigtwo");
  EXPECT_TRUE(keys.journal.IsEmpty());

  keys.editor.failCopies = false;
  keys.Backspace();
  keys.journal.UndoLast();
  ExpectState(keys, "zigtwo", {1, 1});
}

TEST(UndoJournal, TheEditorsOwnUndoSwitchesTheJournalOffAndEmptiesIt) {
  UndoKeys keys;
  keys.Start("one two", 3, 3);
  keys.Type('x');
  keys.journal.SetUseEditorUndo(true);
  EXPECT_TRUE(keys.journal.IsEmpty());
  keys.Type('y');
  keys.Convert(Oem);
  EXPECT_FALSE(keys.DeleteWord(UndoDeleteWordLeft));  // the control's own key then
  EXPECT_TRUE(keys.journal.IsEmpty());

  keys.journal.SetUseEditorUndo(false);
  keys.Delete();
  EXPECT_EQ(keys.journal.RecordCount(), 1u);
  keys.journal.ClearUndoJournal();
  EXPECT_TRUE(keys.journal.IsEmpty());
}
