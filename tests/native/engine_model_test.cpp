// A long random sequence of edits, each checked against a plain string: text,
// lines, find, colours and undo.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "editor/engine/char_classes.h"
#include "editor/engine/document_engine.h"
#include "engine_reference.h"

namespace {

class RandomEdits {
 public:
  explicit RandomEdits(unsigned seed) : random_(seed) {
    engine_.SetTextLimit(MaxTextLength);
    engine_.SetCodePage(Ansi);
  }

  void Run(int steps, Position typicalInsert, Position initialSize) {
    typical_ = typicalInsert;
    text_ = RandomBytes(initialSize);
    colours_.assign(text_.size(), base_);
    ASSERT_TRUE(engine_.SetText(text_));
    for (int step = 0; step < steps; ++step) {
      Step();
      CheckText(step);
      CheckLines(step);
      CheckFind(step);
      CheckColours(step);
      if (HasFailure()) return;
    }
  }

 private:
  static bool HasFailure() { return ::testing::Test::HasFailure(); }

  Position Pick(Position below) { return below <= 0 ? 0 : static_cast<Position>(random_() % static_cast<unsigned>(below)); }

  // Bytes rich in line breaks, Cyrillic capitals and small letters, Yo and 0.
  std::string RandomBytes(Position size) {
    static const char alphabet[] = {'\r', '\n', '\r', 'a', 'A', ' ', '.', '\0', '\xC0', '\xE0', '\xA8', '\xB8', 'x', '1'};
    std::string bytes;
    for (Position i = 0; i < size; ++i) bytes += alphabet[random_() % sizeof alphabet];
    return bytes;
  }

  void Step() {
    Position length = static_cast<Position>(text_.size());
    Position a = Pick(length + 1);
    Position reach = random_() % 16 == 0 ? 20 * typical_ : typical_;
    Position b = random_() % 3 == 0 ? a : std::min(length, a + Pick(reach));
    switch (random_() % 8) {
      case 0:
        Undo();
        return;
      case 1:
        Paint(a, b);
        return;
      case 2: {  // typing at the caret
        engine_.SetSelection(a, a);
        std::string typed = RandomBytes(1 + Pick(3));
        for (char c : typed) {
          Replace(a, a, std::string(1, c), UndoAction::Typing);
          ++a;
        }
        return;
      }
      default:
        engine_.SetSelection(b, a);  // caret before anchor now and then
        Replace(a, b, RandomBytes(random_() % 16 == 0 ? Pick(20 * typical_) : Pick(typical_)), UndoAction::Separate);
        return;
    }
  }

  void Replace(Position from, Position to, const std::string& bytes, UndoAction action) {
    if (from > to) std::swap(from, to);
    engine_.SetSelection(from, to);
    if (from == to && bytes.empty()) {  // no change: nothing to remember
      ASSERT_TRUE(engine_.ReplaceSelection(bytes, action));
      return;
    }
    bool joins = action == UndoAction::Typing && from == to && typingEnd_ == from;
    if (!joins) undoText_ = text_;
    typingEnd_ = action == UndoAction::Typing ? from + static_cast<Position>(bytes.size()) : -1;
    // Colours: the new bytes take the colour before them, or after them at 0.
    Colour inherited = from > 0 ? colours_[static_cast<std::size_t>(from - 1)]
                       : to < static_cast<Position>(text_.size()) ? colours_[static_cast<std::size_t>(to)]
                                                                   : base_;
    text_.replace(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from), bytes);
    colours_.erase(colours_.begin() + from, colours_.begin() + to);
    colours_.insert(colours_.begin() + from, bytes.size(), inherited);
    ASSERT_TRUE(engine_.ReplaceSelection(bytes, action));
    ASSERT_EQ(engine_.GetSelection(), (PositionRange{from + static_cast<Position>(bytes.size()), from + static_cast<Position>(bytes.size())}));
  }

  void Undo() {
    ASSERT_EQ(engine_.CanUndo(), undoText_.has_value());
    if (!undoText_) return;
    ASSERT_TRUE(engine_.Undo());
    std::string before = text_;
    text_ = *undoText_;
    undoText_ = before;
    typingEnd_ = -1;
    // Colours after an undo are whatever the engine's edit rules give; take
    // them over rather than re-derive the step's exact range here.
    colours_.assign(text_.size(), base_);
    for (Position p = 0; p < static_cast<Position>(text_.size());) {
      DocumentEngine::ColourRun run = engine_.GetColourRun(p);
      ASSERT_GT(run.end, p);
      for (; p < run.end; ++p) colours_[static_cast<std::size_t>(p)] = run.colour;
    }
  }

  void Paint(Position from, Position to) {
    CharFormat format;
    format.colour = 1 + random_() % 3;
    engine_.SetRangeFormat({from, to}, format, FormatColour);
    if (from == 0 && to == static_cast<Position>(text_.size())) {
      base_ = format.colour;
      colours_.assign(text_.size(), base_);
      return;
    }
    for (Position p = from; p < to; ++p) colours_[static_cast<std::size_t>(p)] = format.colour;
  }

  void CheckText(int step) {
    ASSERT_EQ(engine_.GetLength(), static_cast<Position>(text_.size())) << "step " << step;
    if (step % 25 == 0 || text_.size() < 2000) {
      ASSERT_EQ(engine_.GetText(), text_) << "step " << step;
    }
    Position from = Pick(static_cast<Position>(text_.size()) + 1);
    Position to = from + Pick(50);
    ASSERT_EQ(engine_.GetTextRange({from, to}), text_.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from)));
  }

  void CheckLines(int step) {
    std::vector<Position> starts = NaiveLineStarts(text_);
    auto lines = static_cast<Position>(starts.size());
    ASSERT_EQ(engine_.GetLineCount(), lines) << "step " << step;
    ASSERT_EQ(engine_.GetLineIndex(lines), -1);
    bool everyLine = step % 25 == 0 || lines < 200;
    for (int probe = 0; probe < (everyLine ? lines : 20); ++probe) {
      Position line = everyLine ? probe : Pick(lines);
      Position start = starts[static_cast<std::size_t>(line)];
      ASSERT_EQ(engine_.GetLineIndex(line), start) << "step " << step << " line " << line;
      Position next = line + 1 < lines ? starts[static_cast<std::size_t>(line + 1)] : static_cast<Position>(text_.size()) + 1;
      Position position = start + Pick(next - start);
      ASSERT_EQ(engine_.GetLineFromPosition(position), line) << "step " << step << " position " << position;
      Position size = static_cast<Position>(text_.size()) - start;
      if (line + 1 < lines) {
        bool pair = text_[static_cast<std::size_t>(next - 1)] == '\n' && next - 2 >= start && text_[static_cast<std::size_t>(next - 2)] == '\r';
        size = next - start - (pair ? 2 : 1);
      }
      ASSERT_EQ(engine_.GetLineLength(line), size) << "step " << step << " line " << line;
    }
  }

  void CheckFind(int step) {
    auto length = static_cast<Position>(text_.size());
    if (length == 0) return;
    Position at = Pick(length);
    std::string pattern = text_.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(1 + Pick(6)));
    if (random_() % 4 == 0) pattern = RandomBytes(1 + Pick(4));
    Position from = Pick(length);
    Position to = random_() % 4 == 0 ? -1 : from + Pick(length - from + 1);
    std::uint32_t options = static_cast<std::uint32_t>(random_() % 8) & (FindMatchCase | FindWholeWord);
    for (bool last : {false, true}) {
      Position expected = NaiveFind(text_, from, to < 0 ? length : to, pattern, (options & FindMatchCase) != 0,
                                    (options & FindWholeWord) != 0, CharClassesFor(Ansi), last);
      Position found = last ? engine_.FindLast({from, to}, pattern, options) : engine_.Find({from, to}, pattern, options);
      ASSERT_EQ(found, expected) << "step " << step << " options " << options << " last " << last;
    }
  }

  void CheckColours(int step) {
    auto length = static_cast<Position>(text_.size());
    for (int probe = 0; probe < 5 && length > 0; ++probe) {
      Position p = Pick(length);
      DocumentEngine::ColourRun run = engine_.GetColourRun(p);
      ASSERT_EQ(run.colour, colours_[static_cast<std::size_t>(p)]) << "step " << step << " position " << p;
      ASSERT_TRUE(run.start <= p && p < run.end);
      // Runs are maximal: the bytes on either side have another colour.
      ASSERT_TRUE(run.start == 0 || colours_[static_cast<std::size_t>(run.start - 1)] != run.colour);
      ASSERT_TRUE(run.end == length || colours_[static_cast<std::size_t>(run.end)] != run.colour);
      for (Position q = run.start; q < run.end; q += 1 + (run.end - run.start) / 8) {
        ASSERT_EQ(colours_[static_cast<std::size_t>(q)], run.colour);
      }
    }
  }

  std::mt19937 random_;
  DocumentEngine engine_;
  std::string text_;
  std::vector<Colour> colours_;
  Colour base_ = 0;
  std::optional<std::string> undoText_;
  Position typingEnd_ = -1;
  Position typical_ = 8;
};

}  // namespace

// Short texts: every line checked after every step.
TEST(EngineModel, SmallTextsFollowAStringThroughRandomEdits) {
  RandomEdits(1).Run(3000, 8, 0);
}

// Texts of a few hundred kilobytes: storage blocks and line blocks split,
// join and are crossed by single edits.
TEST(EngineModel, LargeTextsFollowAStringThroughRandomEdits) {
  RandomEdits(2).Run(600, 3000, 300000);
}
