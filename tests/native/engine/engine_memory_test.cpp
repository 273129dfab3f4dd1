// Running out of memory in the middle of an edit: for every allocation an
// operation makes, the test makes exactly that one fail. The operation must
// then either throw with the document as it was (text, lines, selection, flag
// and undo step) or finish with the document it would have had anyway.
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <string>
#include <vector>

#include "engine_test_support.h"
#include "failing_allocator.h"
#include "native/engine_program.h"

using failing_allocator::allocationsBeforeFailure;

namespace {

struct Snapshot {
  std::string text;
  PositionRange selection;
  bool modified = false;
  std::string afterUndo;  // the text one Undo gives; it tells the undo step
  bool operator==(const Snapshot&) const = default;
};

// The engine's state, checking its line index against the text on the way.
Snapshot Take(DocumentEngine& engine) {
  Snapshot snapshot{engine.GetText(), engine.GetSelection(), engine.GetModified(), {}};
  std::vector<Position> starts = NaiveLineStarts(snapshot.text);
  EXPECT_EQ(engine.GetLineCount(), static_cast<Position>(starts.size()));
  for (std::size_t line = 0; line < starts.size(); line += 1 + starts.size() / 64) {
    EXPECT_EQ(engine.GetLineIndex(static_cast<Position>(line)), starts[line]) << "line " << line;
  }
  if (engine.CanUndo()) {
    engine.Undo();
    snapshot.afterUndo = engine.GetText();
    engine.Undo();  // the undo of the undo restores the text
  }
  EXPECT_EQ(engine.GetText(), snapshot.text);
  engine.SetSelection(snapshot.selection.start, snapshot.selection.end);
  engine.SetModified(snapshot.modified);
  return snapshot;
}

std::string Lines(int count, const char* breakBytes) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "строка " + std::to_string(i) + breakBytes;
  return text;
}

void StreamIn(DocumentEngine& engine, const std::string& bytes, std::uint32_t format) {
  engine_program::StreamScript script{bytes, {}, 100000};
  EngineStream stream{reinterpret_cast<std::uintptr_t>(&script), 0, engine_program::Transfer};
  engine.StreamIn(stream, format);
  ASSERT_EQ(stream.error, StreamErrorNone);
}

struct Case {
  const char* name;
  bool allocates;  // typing into a block with room takes no memory at all
  std::function<void(DocumentEngine&)> prepare;  // runs with memory to spare
  std::function<void(DocumentEngine&)> operation;
};

// Base: 3000 lines (≈ 40 KB, several blocks) with a typed step to undo.
void Base(DocumentEngine& engine) {
  engine.SetText(Lines(3000, "\r\n"));
  engine.SetSelection(20000, 20000);
  engine.ReplaceSelection("ab", UndoAction::Typing);
  engine.SetSelection(100, 30000);
}

const std::string bigInsert = Lines(8000, "\n") + Lines(100, "\r");

const Case cases[] = {
    {"typing extends the step", false, [](DocumentEngine& e) { Base(e); e.SetSelection(20002, 20002); },
     [](DocumentEngine& e) { e.ReplaceSelection("x", UndoAction::Typing); }},
    {"a big insert over a selection", true, Base, [](DocumentEngine& e) { e.ReplaceSelection(bigInsert); }},
    {"a deletion across blocks", true, Base, [](DocumentEngine& e) { e.ClearSelection(); }},
    {"the whole text replaced", true, [](DocumentEngine& e) { Base(e); e.SetSelection(0, -1); },
     [](DocumentEngine& e) { e.ReplaceSelection(bigInsert); }},
    {"a replacement taken back", true, [](DocumentEngine& e) { Base(e); e.ReplaceSelection(bigInsert); },
     [](DocumentEngine& e) { e.Undo(); }},
    {"a whole text taken back", true, [](DocumentEngine& e) { Base(e); e.SetSelection(0, -1); e.ReplaceSelection("x\r\n"); },
     [](DocumentEngine& e) { e.Undo(); }},
    {"a stream into the selection", true, Base,
     [](DocumentEngine& e) { StreamIn(e, bigInsert, StreamText | StreamSelection); }},
    {"a whole text streamed in", true, Base, [](DocumentEngine& e) { StreamIn(e, bigInsert, StreamText); }},
    {"an edit inside painted runs", true,
     [](DocumentEngine& e) {
       Base(e);
       for (Position at = 50; at < 30000; at += 97) e.SetRangeFormat({at, at + 40}, Coloured(0xFF0000), FormatColour);
       e.SetSelection(5000, 25000);
     },
     [](DocumentEngine& e) { e.ReplaceSelection(bigInsert); }},
};

TEST(EngineMemory, EveryAllocationFailingLeavesTheDocumentWholeAndAsBeforeOrAsAfter) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto prepared = [&c] {
      DocumentEngine engine;
      engine.SetTextLimit(MaxTextLength);
      c.prepare(engine);
      return engine;
    };
    DocumentEngine untouched = prepared(), reference = prepared();  // Take itself changes the undo step's kind
    c.operation(reference);
    const Snapshot before = Take(untouched), after = Take(reference);
    long failures = 0;
    for (long k = 0;; ++k) {
      DocumentEngine engine = prepared();
      allocationsBeforeFailure = k;
      bool threw = false;
      try {
        c.operation(engine);
      } catch (const std::bad_alloc&) {
        threw = true;
      }
      bool reachedK = allocationsBeforeFailure < 0;
      allocationsBeforeFailure = -1;
      Snapshot now = Take(engine);
      ASSERT_EQ(now, threw ? before : after) << "allocation " << k << (threw ? " threw" : " absorbed");
      failures += threw;
      if (!reachedK) break;  // the operation made fewer than k + 1 allocations
    }
    EXPECT_EQ(failures > 0, c.allocates);
  }
}

}  // namespace
