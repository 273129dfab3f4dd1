// Sizes where a 32-bit size_t wraps: position lists of millions of entries and
// an engine of three million lines and about 80 MB. A product of two counts
// of a few million passes 4 GB, so these cases matter in the 32-bit build
// (preset native32); natively they take seconds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "codepages/alignment.h"
#include "engine/position_list.h"
#include "engine_test_support.h"
#include "native/engine_program.h"

namespace {

using List = PositionList<std::uint32_t>;
using Entry = List::Entry;

constexpr Position entryCount = 3'000'000;
constexpr Position entryGap = 3;

// What the list must hold: its entries in order and the positions it covers.
struct ListModel {
  std::vector<Entry> entries;
  Position span = 0;
};

struct Lists {
  List list;
  ListModel model;
  std::mt19937 random{7};

  Lists() : list(entryCount * entryGap + 1) {
    model.span = list.Span();
    model.entries.reserve(entryCount);
    for (Position k = 0; k < entryCount; ++k) Push({1 + k * entryGap, static_cast<std::uint32_t>(random())});
  }

  void Push(Entry entry) {
    list.PushBack(entry.position, entry.value);
    model.entries.push_back(entry);
  }

  void Erase(Position from, Position to) {
    list.Erase(from, to);
    std::erase_if(model.entries, [&](const Entry& e) { return e.position >= from && e.position < to; });
  }

  // Erases all but the first `kept` positions of every `period`, one range at a time.
  void Thin(Position period, Position kept) {
    Position end = 0;
    for (; end + period < model.span; end += period) list.Erase(end + kept, end + period);
    std::erase_if(model.entries, [&](const Entry& e) { return e.position < end && e.position % period >= kept; });
  }

  // What the line index does on an edit: [at, at + removed) became `inserted`
  // positions holding an entry every `gap`, all of them in one block.
  void Replace(Position at, Position removed, Position inserted, Position gap) {
    Erase(at, at + removed + 1);
    list.Adjust(at, removed, inserted);
    for (Entry& e : model.entries) {
      if (e.position > at) e.position += inserted - removed;
    }
    model.span += inserted - removed;
    std::vector<Entry> fresh;
    for (Position p = at + 1; p <= at + inserted; p += gap) fresh.push_back({p, static_cast<std::uint32_t>(random())});
    list.InsertSorted(fresh.data(), fresh.size());
    auto where = std::lower_bound(model.entries.begin(), model.entries.end(), at + 1,
                                  [](const Entry& e, Position p) { return e.position < p; });
    model.entries.insert(where, fresh.begin(), fresh.end());
  }

  void ExpectAgree() const {
    ASSERT_EQ(list.Count(), static_cast<Position>(model.entries.size()));
    ASSERT_EQ(list.Span(), model.span);
    for (std::size_t i = 0; i < model.entries.size(); ++i) {
      const Entry e = list.At(static_cast<Position>(i));
      ASSERT_TRUE(e.position == model.entries[i].position && e.value == model.entries[i].value) << "entry " << i;
    }
    for (Position p = 0; p < model.span; p += 7919) {
      auto before = std::lower_bound(model.entries.begin(), model.entries.end(), p,
                                     [](const Entry& e, Position q) { return e.position < q; });
      ASSERT_EQ(list.CountBefore(p), static_cast<Position>(before - model.entries.begin())) << "position " << p;
    }
  }
};

}  // namespace

// Each case ends in one block of millions of entries that is cut into blocks.
TEST(PositionListScale, MillionsOfEntriesJoinedAndSplitAsAPlainVectorHoldsThem) {
  const struct {
    const char* name;
    std::function<void(Lists&)> run;
  } cases[] = {
      {"everything replaced by 3.5 million entries",
       [](Lists& l) { l.Replace(0, l.model.span - 1, 7'000'000, 2); }},
      {"the middle replaced: the blocks at its ends join the new entries",
       [](Lists& l) { l.Replace(1'000'000, 7'000'000, 7'500'000, 3); }},
      {"every block thinned below the minimum and merged, then refilled", [](Lists& l) {
         l.Thin(3000, 150);
         l.ExpectAgree();
         l.Replace(2'000'000, 10, 9'000'000, 3);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Lists lists;
    c.run(lists);
    lists.ExpectAgree();
  }
}

namespace {

// Three million lines of about 28 bytes, the breaks mixed: CR LF, LF and a lone CR.
std::string ManyLines(unsigned seed) {
  static const char* const words[] = {"\xF1\xEB\xEE\xE2\xEE", "text", "\xC0\xE1\xE2", "12345", "x", "\xB8\xEB\xEA\xE0"};
  static const char* const breaks[] = {"\r\n", "\r\n", "\n", "\r"};
  std::mt19937 random(seed);
  std::string text;
  text.reserve(90'000'000);
  for (Position line = 0; line < entryCount; ++line) {
    for (unsigned n = random() % 12; n > 0; --n) text.append(words[random() % std::size(words)]).push_back(' ');
    text.append(breaks[random() % std::size(breaks)]);
  }
  return text;
}

// The engine's lines against those of `text`: every line start and a sample of positions.
void ExpectLinesOf(const DocumentEngine& engine, const std::string& text) {
  const std::vector<Position> starts = NaiveLineStarts(text);
  ASSERT_EQ(engine.GetLength(), static_cast<Position>(text.size()));
  ASSERT_EQ(engine.GetLineCount(), static_cast<Position>(starts.size()));
  for (std::size_t line = 0; line < starts.size(); ++line) {
    ASSERT_EQ(engine.GetLineIndex(static_cast<Position>(line)), starts[line]) << "line " << line;
  }
  for (std::size_t line = 0; line < starts.size(); line += 997) {
    ASSERT_EQ(engine.GetLineFromPosition(starts[line]), static_cast<Position>(line)) << "line " << line;
  }
}

void Edit(DocumentEngine& engine, std::string& text, Position at, Position removed, const std::string& bytes) {
  engine.SetSelection(at, at + removed);
  ASSERT_TRUE(engine.ReplaceSelection(bytes));
  text.replace(static_cast<std::size_t>(at), static_cast<std::size_t>(removed), bytes);
}

}  // namespace

// Streamed in, edited at both ends, then replaced whole twice: by other lines
// and by the justified lines of all but the first line (as Ctrl+A, Ctrl+J do).
TEST(EngineScale, ThreeMillionLinesStreamedEditedAndReplaced) {
  DocumentEngine engine;
  engine.SetTextLimit(MaxTextLength);
  std::string text = ManyLines(1);
  {
    engine_program::StreamScript script{text, {}, std::size_t{1} << 20};
    EngineStream stream{reinterpret_cast<std::uintptr_t>(&script), 0, engine_program::Transfer};
    engine.StreamIn(stream, StreamText);
    ASSERT_EQ(stream.error, StreamErrorNone);
  }
  ExpectLinesOf(engine, text);
  // A CR LF pair cut and joined near the start, lines added near the end.
  const auto pair = static_cast<Position>(text.find("\r\n"));
  Edit(engine, text, pair + 1, 0, "a\r\rb\n");
  Edit(engine, text, 3, 2, "\r");
  Edit(engine, text, static_cast<Position>(text.size()) - 4, 1, "\n\r\nc\r");
  ExpectLinesOf(engine, text);

  std::string().swap(text);
  text = ManyLines(2);
  engine.SetSelection(0, -1);
  ASSERT_TRUE(engine.ReplaceSelection(text));
  engine.EmptyUndoBuffer();
  ExpectLinesOf(engine, text);

  // Every line but the first changes: the old text is cut, not dropped whole. Justified in pieces
  // into a string of about its size, and without an undo step, which would hold a third copy.
  const auto first = static_cast<std::size_t>(engine.GetLineIndex(1));
  std::string justified = text.substr(0, first);
  justified.reserve(text.size() / 10 * 13);
  ASSERT_TRUE(AlignTextInPieces(std::string_view(text).substr(first), AlignJustify, {32, 0, 0, false},
                                [&](std::string_view piece) { return justified.append(piece), true; }));
  std::string().swap(text);
  engine.SetSelection(static_cast<Position>(first), -1);
  ASSERT_TRUE(engine.ReplaceSelection(std::string_view(justified).substr(first), UndoAction::None));
  ExpectLinesOf(engine, justified);
}
