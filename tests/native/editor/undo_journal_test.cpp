// The undo journal on the engine, driven as the program's key and command handlers drive it: record the
// step, then edit the way the control does. Random edits of every kind, changes behind the journal's back
// and text limits that refuse edits and undos must each undo to the text, selection and view before their
// step; the examples cover what random runs cannot see: records, lack of memory, the editor-undo switch.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "codepages/code_pages.h"
#include "editor/engine_editor.h"
#include "editor/undo_journal.h"
#include "engine/document_engine.h"
#define FAILING_ALLOCATOR_COUNTER_ONLY  // engine_memory_test.cpp replaces operator new
#include "failing_allocator.h"

using namespace std::string_literals;

namespace {

struct UndoKeys {
  DocumentEngine engine;
  EngineEditor editor{engine};
  CodePage view = Ansi;
  int refreshes = 0;
  int errors = 0;
  UndoJournal journal{editor, view, [this] { ++refreshes; }, [this] { ++errors; }};

  // The journal hears of every change, as the program's main window tells it.
  UndoKeys() {
    engine.SetTextLimit(MaxTextLength);
    engine.SetChangeListener([this](PositionRange replaced, Position inserted) { journal.NoteChange(replaced, inserted); });
  }

  void Start(std::string_view text, Position start, Position end) {
    engine.SetText(text);
    engine.SetSelection(start, end);
  }
  std::string Text() const { return engine.GetText(); }
  PositionRange Selection() const { return engine.GetSelection(); }
  bool Selected() const { return Selection().end > Selection().start; }
  Position Caret() const { return Selection().start; }

  // Each returns whether the text was edited (an empty paste counts).
  bool Insert(UndoKind kind, std::string_view text) {
    journal.RecordUndo(kind, static_cast<Position>(text.size()));
    return engine.ReplaceSelection(text);
  }
  bool Type(char c) { return Insert(UndoTyping, std::string(1, c)); }
  bool Enter() { return Insert(UndoEnter, "\r\n"); }
  bool Paste(std::string_view text) { return Insert(UndoReplace, text); }
  // The control overwrites a character of its view (in UTF-8 several bytes), never a line break.
  bool Overwrite(char c) {
    bool selected = Selected();
    journal.RecordUndo(UndoOverwrite, 1);
    unsigned char next = engine.GetByte(Caret());
    if (!selected && Caret() < engine.GetLength() && next != '\r' && next != '\n')
      engine.SetSelection(Caret(), engine.NextCharacter(Caret()));
    return engine.ReplaceSelection(std::string(1, c));
  }
  bool Delete() { return DeleteKey(UndoDelete); }
  bool Backspace() { return DeleteKey(UndoBackspace); }
  bool DeleteWord(UndoKind kind) {
    std::string before = Text();
    journal.RecordUndo(kind, 0);
    return Text() != before;
  }
  // Whole-text recoding: the bytes and the view change, the selection stays.
  void Convert(CodePage target) {
    const PositionRange selection = Selection();
    journal.RecordUndo(UndoSnapshot, 0);
    std::string text = Text();
    RecodeBytes(reinterpret_cast<unsigned char*>(text.data()), text.size(), toOemTable[view], fromOemTable[target]);
    view = target;
    engine.SetText(text);
    engine.SetSelection(selection.start, selection.end);
  }
  // Whole-text work that hands the text over: the new text in blocks of its
  // own is exchanged for the old one, which the step keeps. A recoding takes
  // the view along (a snapshot); any other result replaces the whole text
  // selected. False when the text limit refused it.
  bool HandOver(UndoKind kind, std::string_view result, std::optional<CodePage> newView = {}) {
    if (!journal.RecordHandOver(kind)) return false;
    TextStorage text;
    text.Append(reinterpret_cast<const unsigned char*>(result.data()), static_cast<Position>(result.size()));
    const PositionRange selection = Selection();
    if (!editor.ExchangeWholeText(text)) {
      journal.WithdrawStep();
      return false;
    }
    journal.KeepReplacedText(std::move(text));
    if (newView) view = *newView;
    engine.SetSelection(selection.start, kind == UndoSnapshot ? selection.end : 0);
    return true;
  }
  bool ConvertHandedOver(CodePage target) {
    std::string text = Text();
    RecodeBytes(reinterpret_cast<unsigned char*>(text.data()), text.size(), toOemTable[view], fromOemTable[target]);
    return HandOver(UndoSnapshot, text, target);
  }
  // Replace all in one pass, the old text handed over to a snapshot step.
  bool ReplaceAll(std::string_view pattern, std::string_view replacement, std::uint32_t options) {
    if (!journal.RecordHandOver(UndoSnapshot)) return false;
    TextStorage replaced;
    Position count = editor.ReplaceAll(Caret(), pattern, options, replacement, replaced);
    if (count < 0) {
      journal.WithdrawStep();
      return false;
    }
    journal.KeepReplacedText(std::move(replaced));
    return count > 0;
  }
  // A file inserted or text dropped: a snapshot, then a change of any length.
  void InsertWithSnapshot(std::string_view text) {
    journal.RecordUndo(UndoSnapshot, 0);
    engine.ReplaceSelection(text);
  }

 private:
  // Without a selection the control removes a CR LF pair whole, else a character of its view.
  bool DeleteKey(UndoKind kind) {
    if (Selected()) {
      journal.RecordUndo(UndoReplace, 0);
      engine.ClearSelection();
      return true;
    }
    journal.RecordUndo(kind, 0);
    Position caret = Caret();
    bool forward = kind == UndoDelete;
    if (forward ? caret >= engine.GetLength() : caret == 0) return false;
    PositionRange pair = forward ? PositionRange{caret, caret + 2} : PositionRange{caret - 2, caret};
    bool lineBreak = engine.GetTextRange(pair) == "\r\n";
    Position to = lineBreak ? (forward ? caret + 2 : caret - 2) : forward ? engine.NextCharacter(caret) : engine.PreviousCharacter(caret);
    engine.SetSelection(std::min(caret, to), std::max(caret, to));
    engine.ClearSelection();
    return true;
  }
};

struct State {
  std::string text;
  PositionRange selection;
  CodePage view = Ansi;
  bool snapshot = false;  // the step that left this state was a snapshot
};

void ExpectSame(const State& now, const State& expected, int step) {
  EXPECT_EQ(std::tie(now.text, now.selection, now.view), std::tie(expected.text, expected.selection, expected.view))
      << "step " << step;
}

class UndoModel {
 public:
  explicit UndoModel(unsigned seed) : random_(seed) {}

  void Run(int steps) {
    keys_.view = static_cast<CodePage>(Pick(2));
    keys_.Start(RandomText(Pick(60)), 0, 0);
    Move();
    original_ = Now();
    for (step_ = 0; step_ < steps && !::testing::Test::HasFailure(); ++step_) Step();
    keys_.engine.SetTextLimit(MaxTextLength);
    while (!history_.empty() && !::testing::Test::HasFailure()) Undo(Now());
    keys_.journal.UndoLast();  // a refused last edit may leave its step
    EXPECT_TRUE(keys_.journal.IsEmpty());
    ExpectSame(Now(), original_, step_);
    EXPECT_EQ(keys_.errors, 0);
  }

 private:
  void Step() {
    State before = Now();
    bool changed = false;
    bool snapshot = false;
    switch (Pick(18)) {
      case 0: Move(); return;
      case 1: Undo(before); return;
      case 2:
      case 3:
        for (int n = 1 + Pick(4); n > 0; --n) {
          State unitBefore = Now();  // taken before the key, not in an argument list of unspecified order
          Record(keys_.Type(RandomByte()), false, std::move(unitBefore));
        }
        return;
      case 4: changed = keys_.Enter(); break;
      case 5: changed = OnCharacters([&] { return keys_.Overwrite(RandomByte()); }); break;
      case 6: changed = OnCharacters([&] { return keys_.Delete(); }); break;
      case 7: changed = OnCharacters([&] { return keys_.Backspace(); }); break;
      case 8: changed = keys_.DeleteWord(UndoDeleteWordRight); break;
      case 9: changed = keys_.DeleteWord(UndoDeleteWordLeft); break;
      case 10: changed = keys_.Paste(RandomText(Pick(8))); break;
      case 11:
        if (keys_.engine.GetLength() == 0) return;  // an empty text is not converted
        keys_.Convert(static_cast<CodePage>(Pick(2)));
        changed = snapshot = true;
        break;
      case 12:
        keys_.InsertWithSnapshot(RandomText(Pick(12)));
        changed = snapshot = true;
        break;
      case 14:
        if (keys_.engine.GetLength() == 0) return;
        changed = snapshot = keys_.ConvertHandedOver(static_cast<CodePage>(Pick(2)));
        break;
      case 15:  // transliteration and the like over the whole text selected; an empty text is not touched
        if (keys_.engine.GetLength() == 0) return;
        keys_.engine.SetSelection(0, -1);
        before = Now();
        changed = keys_.HandOver(UndoReplace, RandomText(Pick(40)));
        break;
      case 16:
        changed = snapshot = keys_.ReplaceAll(RandomText(1 + Pick(1)), RandomText(Pick(3)), Pick(1) ? FindWholeWord : 0u);
        break;
      case 13:  // a limit near the text's length, now and then none
        keys_.engine.SetTextLimit(Pick(3) == 0 ? MaxTextLength : keys_.engine.GetLength() + Pick(20) - 10);
        return;
      default:
        // A change no step announced is a step of its own, or part of a snapshot before it. Without an
        // older step, or after a step that changed nothing (refused, or an empty paste), the journal
        // cannot tell it from the change that step announced.
        if (history_.empty() || !performed_) return;
        keys_.engine.SetSelection(keys_.Caret(), keys_.Caret() + Pick(3));
        before = Now();
        changed = keys_.engine.ReplaceSelection(RandomText(1 + Pick(2)));
        snapshot = history_.back().snapshot;
        break;
    }
    Record(changed, snapshot, before);
  }

  // A key that takes a character, now and then of the UTF-8 view: its bytes are as many as the control says.
  template <class Key>
  bool OnCharacters(Key key) {
    keys_.engine.SetCodePage(Pick(1) ? Utf8 : Ansi);
    bool changed = key();
    keys_.engine.SetCodePage(Ansi);
    return changed;
  }

  // A step that changed nothing recorded nothing; snapshots in a row are one step.
  void Record(bool changed, bool snapshot, State before) {
    performed_ = changed && keys_.Text() != before.text;
    if (!changed || (snapshot && !history_.empty() && history_.back().snapshot)) return;
    before.snapshot = snapshot;
    if (history_.empty()) original_ = before;  // a selection made for the step goes back with it
    history_.push_back(std::move(before));
  }

  // An undo the text limit refuses (it would lengthen the text past it) changes nothing and keeps its step.
  void Undo(const State& now) {
    keys_.journal.UndoLast();
    performed_ = true;
    const auto limit = static_cast<std::size_t>(keys_.engine.GetTextLimit());
    if (history_.empty() || history_.back().text.size() > std::max(now.text.size(), limit)) {
      ExpectSame(Now(), now, step_);
      return;
    }
    ExpectSame(Now(), history_.back(), step_);
    history_.pop_back();
  }

  void Move() {
    Position length = keys_.engine.GetLength();
    Position anchor = Pick(length);
    Position caret = Pick(2) == 0 ? Pick(length) : anchor;  // mostly a bare caret
    if (Pick(8) == 0) anchor = caret = Pick(1) == 0 ? 0 : length;
    keys_.engine.SetSelection(anchor, caret);
  }

  State Now() const { return {keys_.Text(), keys_.Selection(), keys_.view, false}; }

  char RandomByte() {
    static const std::string bytes = std::string("ab xy.,\t\r\n\r\n") + '\0' + "\xE0\xC1\xA0\x8F\xD0\xD0\x96";
    return bytes[static_cast<std::size_t>(Pick(static_cast<Position>(bytes.size()) - 1))];
  }
  std::string RandomText(Position size) {
    std::string text;
    for (Position i = 0; i < size; ++i) text += RandomByte();
    return text;
  }
  // 0..most inclusive.
  Position Pick(Position most) { return std::uniform_int_distribution<Position>(0, most)(random_); }

  UndoKeys keys_;
  std::mt19937 random_;
  State original_;              // where undoing every step ends
  std::vector<State> history_;  // the state before each undoable step, newest last
  bool performed_ = false;       // the last step changed the text
  int step_ = 0;
};

}  // namespace

class UndoJournalModel : public ::testing::TestWithParam<unsigned> {};

TEST_P(UndoJournalModel, RandomEditsAllUndoToTheStatesTheyLeft) { UndoModel(GetParam()).Run(3000); }

INSTANTIATE_TEST_SUITE_P(Seeds, UndoJournalModel, ::testing::Range(1u, 13u));

// What each undo gives back is the random runs' part; here, what
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

  for (int n = 0; n < 2; ++n) keys.Enter();
  EXPECT_EQ(keys.journal.RecordCount(), 1u);
  keys.Type('y');  // a different kind starts a record of its own
  keys.engine.SetSelection(1, 1);
  keys.Type('b');  // and so does typing elsewhere
  EXPECT_EQ(keys.journal.RecordCount(), 3u);
  keys.journal.UndoLast();
  for (char c : "pq"s) keys.Type(c);
  keys.journal.UndoLast();
  keys.Type('r');  // continuing after an undo does not
  EXPECT_EQ(keys.journal.RecordCount(), 3u);
}

// Lack of memory loses the steps but not the edit; the editor's own undo switches the journal off and empties it.
TEST(UndoJournal, LackOfMemoryAndTheEditorsOwnUndoEmptyTheJournal) {
  UndoKeys keys;
  keys.Start("one two", 0, 0);
  keys.Type('a');
  // The journal's first allocation fails: growing its records (each loss empties them) or copying text.
  failing_allocator::allocationsBeforeFailure = 0;
  keys.InsertWithSnapshot("big");
  failing_allocator::allocationsBeforeFailure = 0;
  keys.DeleteWord(UndoDeleteWordRight);
  keys.engine.SetSelection(0, 2);
  failing_allocator::allocationsBeforeFailure = 0;
  keys.Paste("z");
  EXPECT_EQ(keys.errors, 3);
  EXPECT_EQ(keys.Text(), "zigtwo");
  EXPECT_TRUE(keys.journal.IsEmpty());
  keys.Backspace();
  keys.journal.UndoLast();
  EXPECT_EQ(keys.Text(), "zigtwo");

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
  // The same text put back keeps the steps; a new document forgets them.
  keys.journal.ExpectUnrecordedChange(UndoJournal::UnrecordedChange::SameText);
  keys.engine.SetText(keys.Text());
  EXPECT_EQ(keys.journal.RecordCount(), 1u);
  keys.journal.ExpectUnrecordedChange(UndoJournal::UnrecordedChange::NewDocument);
  keys.engine.SetText("new");
  EXPECT_TRUE(keys.journal.IsEmpty());
}

// Work that copies much asks first: a step it has no memory for leaves the journal as it was (nothing
// reported, the caller tells), and one whose edit then fails or runs out half way goes again, the edit
// with it; a snapshot that joined the one before is not another's to withdraw.
TEST(UndoJournal, RefusedAndWithdrawnStepsLeaveTheJournalAsItWas) {
  UndoKeys keys;
  keys.Start("one two", 0, 0);
  keys.Type('a');
  failing_allocator::allocationsBeforeFailure = 0;
  EXPECT_FALSE(keys.journal.RecordUndoOrRefuse(UndoSnapshot, 0));
  failing_allocator::allocationsBeforeFailure = -1;
  EXPECT_EQ(std::pair(keys.journal.RecordCount(), keys.errors), std::pair(std::size_t{1}, 0));
  keys.engine.SetSelection(1, 4);
  keys.engine.ReplaceSelection("X");  // not announced: recorded as a step of its own
  EXPECT_EQ(keys.journal.RecordCount(), 2u);

  keys.Convert(Oem);
  ASSERT_TRUE(keys.journal.RecordUndoOrRefuse(UndoSnapshot, 0));  // joins the conversion's
  keys.journal.WithdrawStep();
  EXPECT_EQ(keys.journal.RecordCount(), 3u);

  keys.Type('b');
  const std::string before = keys.Text();
  ASSERT_TRUE(keys.journal.RecordUndoOrRefuse(UndoSnapshot, 0));
  keys.engine.SetSelection(0, 1);
  keys.engine.ReplaceSelection("zz");
  keys.engine.ReplaceSelection("y");
  EXPECT_TRUE(keys.journal.TakeBackStep());
  EXPECT_EQ(std::pair(keys.Text(), keys.journal.RecordCount()), std::pair(before, std::size_t{4}));
  keys.journal.UndoLast();  // the "b"
  keys.journal.UndoLast();  // the conversion, the view along
  EXPECT_EQ(std::pair(keys.Text(), keys.view), std::pair(std::string("aX two"), Ansi));
  keys.journal.UndoLast();
  keys.journal.UndoLast();
  EXPECT_EQ(keys.Text(), "one two");
}
