// The undo journal on the engine, where the random model cannot see: how typing
// coalesces into records, an undo the text limit refuses, text changed behind
// the journal, lack of memory and the editor-undo switch.
#include <gtest/gtest.h>

#include <string>

#include "undo_keys.h"

using namespace std::string_literals;

namespace {

// Undoes once per state given and expects each in turn.
void ExpectUndos(UndoKeys& keys, std::initializer_list<std::pair<std::string, PositionRange>> states) {
  for (const auto& [text, selection] : states) {
    keys.journal.UndoLast();
    EXPECT_EQ(keys.Text(), text);
    EXPECT_EQ(keys.Selection(), selection) << text;
  }
}

}  // namespace

// What each undo gives back is compared with a model on random edits; here, what
// the steps cost: a run of typing or of Enter is one record, whatever its length.
TEST(UndoJournal, RunsOfOneKindAtOneCaretShareARecord) {
  UndoKeys keys;
  keys.Start("x", 1, 1);
  keys.Paste("--");
  for (char c : "abc"s) keys.Type(c);
  EXPECT_EQ(keys.journal.RecordCount(), 2u);
  for (int unit = 0; unit < 4; ++unit) keys.journal.UndoLast();  // a unit at a time
  EXPECT_EQ(keys.Text(), "x");
  EXPECT_TRUE(keys.journal.IsEmpty());

  keys.Enter();
  keys.Enter();
  EXPECT_EQ(keys.journal.RecordCount(), 1u);
  keys.Type('y');  // a different kind starts a record of its own
  keys.engine.SetSelection(1, 1);
  keys.Type('b');  // and so does typing elsewhere
  EXPECT_EQ(keys.journal.RecordCount(), 3u);
  keys.journal.UndoLast();
  keys.Type('p');
  keys.Type('q');
  keys.journal.UndoLast();
  keys.Type('r');  // continuing after an undo does not
  EXPECT_EQ(keys.journal.RecordCount(), 3u);
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
  ExpectUndos(keys, {{"xz", {0, 0}}});
  keys.engine.SetTextLimit(100);
  ExpectUndos(keys, {{"xyz", {1, 2}}});
  keys.journal.UndoLast();
  keys.engine.SetTextLimit(3);
  ExpectUndos(keys, {{"xy", {2, 2}}});
  keys.engine.SetTextLimit(100);
  ExpectUndos(keys, {{"abcdef", {0, 6}}});
}

// A change no step announced becomes a step of its own, so every older step
// still finds its text; after a snapshot, restoring it takes the change back.
// A new document forgets the steps; the same text put back keeps them.
TEST(UndoJournal, TextChangedBehindTheJournalIsUndoneInItsTurn) {
  UndoKeys keys;
  keys.Start("0123", 4, 4);
  keys.Type('a');
  keys.Type('b');
  keys.engine.SetSelection(1, 3);
  keys.engine.ReplaceSelection("zzz");
  keys.Type('c');
  EXPECT_EQ(keys.Text(), "0zzzc3ab");
  ExpectUndos(keys, {{"0zzz3ab", {4, 4}}, {"0123ab", {1, 3}}, {"0123a", {5, 5}}, {"0123", {4, 4}}});
  EXPECT_TRUE(keys.journal.IsEmpty());

  keys.InsertWithSnapshot("x");
  keys.engine.SetSelection(0, 0);
  keys.engine.ReplaceSelection("yy");
  EXPECT_EQ(keys.journal.RecordCount(), 1u);
  keys.journal.UndoLast();
  EXPECT_EQ(keys.Text(), "0123");

  keys.Type('d');
  keys.journal.ExpectUnrecordedChange(UndoJournal::UnrecordedChange::SameText);
  keys.engine.SetText(keys.Text());
  EXPECT_EQ(keys.journal.RecordCount(), 1u);
  keys.journal.ExpectUnrecordedChange(UndoJournal::UnrecordedChange::NewDocument);
  keys.engine.SetText("new");
  EXPECT_TRUE(keys.journal.IsEmpty());
}

// Lack of memory loses the steps but not the edit; the editor's own undo switches the journal off and empties it.
TEST(UndoJournal, LackOfMemoryAndTheEditorsOwnUndoEmptyTheJournal) {
  UndoKeys keys;
  keys.Start("one two", 0, 0);
  keys.Type('a');
  keys.editor.failCopies = true;
  keys.InsertWithSnapshot("big");
  keys.DeleteWord(UndoDeleteWordRight);
  keys.engine.SetSelection(0, 2);
  keys.Paste("z");
  EXPECT_EQ(keys.errors, 3);
  EXPECT_EQ(keys.Text(), "zigtwo");
  EXPECT_TRUE(keys.journal.IsEmpty());
  keys.editor.failCopies = false;
  keys.Backspace();
  ExpectUndos(keys, {{"zigtwo", {1, 1}}});

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
