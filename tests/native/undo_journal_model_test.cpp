// Random edits of every kind through the program's editing paths, with undos
// among them: every undo must give back the text, selection and view from
// before its step, and undoing everything the state the run started from.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "undo_keys.h"

namespace {

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
  UndoModel(unsigned seed, Position limit) : random_(seed), limit_(limit) {}

  void Run(int steps) {
    keys_.view = static_cast<CodePage>(Pick(2));
    keys_.Start(RandomText(Pick(60)), 0, 0);
    keys_.engine.SetTextLimit(limit_ > 0 ? limit_ : MaxTextLength);
    Move();
    State original = Now();
    for (step_ = 0; step_ < steps && !::testing::Test::HasFailure(); ++step_) Step();
    while (!history_.empty() && !::testing::Test::HasFailure()) Undo(Now());
    keys_.journal.UndoLast();  // a refused last edit may leave its step
    EXPECT_TRUE(keys_.journal.IsEmpty());
    ExpectSame(Now(), original, step_);
    EXPECT_EQ(keys_.errors, 0);
  }

 private:
  void Step() {
    State before = Now();
    bool changed = false;
    bool snapshot = false;
    switch (Pick(13)) {
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
      case 5: changed = keys_.Overwrite(RandomByte()); break;
      case 6: changed = keys_.Delete(); break;
      case 7: changed = keys_.Backspace(); break;
      case 8: changed = keys_.DeleteWord(UndoDeleteWordRight); break;
      case 9: changed = keys_.DeleteWord(UndoDeleteWordLeft); break;
      case 10: changed = keys_.Paste(RandomText(Pick(8))); break;
      case 11:
        if (keys_.engine.GetLength() == 0) return;  // an empty text is not converted
        keys_.Convert(static_cast<CodePage>(Pick(2)));
        changed = snapshot = true;
        break;
      default:
        keys_.InsertWithSnapshot(RandomText(Pick(12)));
        changed = snapshot = true;
        break;
    }
    Record(changed, snapshot, before);
  }

  // A step that changed nothing recorded nothing; snapshots in a row are one step.
  void Record(bool changed, bool snapshot, State before) {
    if (!changed || (snapshot && !history_.empty() && history_.back().snapshot)) return;
    before.snapshot = snapshot;
    history_.push_back(std::move(before));
  }

  void Undo(const State& now) {
    keys_.journal.UndoLast();
    if (history_.empty()) {
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
    static const std::string bytes = std::string("ab xy.,\t\r\n\r\n") + '\0' + "\xE0\xC1\xA0\x8F";
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
  Position limit_;
  std::vector<State> history_;  // the state before each undoable step, newest last
  int step_ = 0;
};

}  // namespace

// Seed, and a text limit (0: none) near which typing and pasting get refused.
class UndoJournalModel : public ::testing::TestWithParam<std::tuple<unsigned, Position>> {};

TEST_P(UndoJournalModel, RandomEditsAllUndoToTheStatesTheyLeft) {
  UndoModel model(std::get<0>(GetParam()), std::get<1>(GetParam()));
  model.Run(3000);
}

INSTANTIATE_TEST_SUITE_P(Seeds, UndoJournalModel,
                         ::testing::Combine(::testing::Values(1u, 2u, 3u, 4u, 5u, 6u), ::testing::Values(0, 70)));
