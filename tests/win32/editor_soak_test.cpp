// Thousands of random steps on the real editor window, as keys and clicks
// reach it, each also applied to a model: a bare engine with the same undo
// journal, driven the way the editor's rules say. After every step the bytes,
// the view code page and the insert mode must agree. The selection is taken
// from the window (it is what the user sees); alignment is taken from the
// window too, checked to move nothing but blanks and line breaks.
// The run is the same every time; ZORN2_SOAK_SEED and ZORN2_SOAK_STEPS make
// another one, or a longer one, and a failure names its seed.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <cstdlib>
#include <random>
#include <string>

#include "app/globals.h"
#include "conversion/code_page_chord.h"
#include "conversion/code_pages.h"
#include "conversion/recoding_routes.h"
#include "conversion/undo_commands.h"
#include "conversion/undo_journal.h"
#include "conversion/view_format.h"
#include "document_files.h"
#include "editor/editor_control.h"
#include "editor/engine/document_engine.h"
#include "editor/engine_editor.h"
#include "key_presses.h"

namespace {

constexpr char clip[] = "\xEA\xEB\xE8\xEF\r\n";                   // "клип" and a line break
constexpr unsigned char typed[] = {'a', ' ', '1', 0xE0, 0xDF, 0xB8};  // а Я ё among them

struct Model {
  DocumentEngine engine;
  EngineEditor editor{engine};
  CodePage view = Ansi;
  bool overwrite = false;
  UndoJournal journal{editor, view, [] {}, [] {}};

  Model() {
    engine.SetTextLimit(MaxTextLength);
    engine.SetChangeListener([this](PositionRange replaced, Position inserted) { journal.NoteChange(replaced, inserted); });
  }
  PositionRange Selection() const { return engine.GetSelection(); }
  std::string Range(Position from, Position to) const { return engine.GetTextRange({from, to}); }
  void Select(PositionRange range) { engine.SetSelection(range.start, range.end); }
  void Replace(const std::string& bytes) { engine.ReplaceSelection(bytes); }

  void Type(unsigned char c) {
    PositionRange s = Selection();
    bool spared = s.end - s.start > 2 && Range(s.end - 2, s.end) == "\r\n";
    if (spared) Select({s.start, s.end - 2});
    journal.RecordUndo(overwrite ? UndoOverwrite : UndoTyping, 1);
    s = Selection();
    unsigned char next = engine.GetByte(s.start);
    if (overwrite && s.start == s.end && s.start < engine.GetLength() && next != '\r' && next != '\n')
      Select({s.start, s.start + 1});
    bool smallA = !spared && view == Oem && c == 0xE0;
    Replace(std::string(1, static_cast<char>(smallA ? 0xA0 : AnsiToView(c, view))));
  }
  void Enter() {
    journal.RecordUndo(UndoEnter, 2);
    Replace("\r\n");
  }
  // A selection that starts inside a line keeps the line break it ends with.
  void Delete(bool forward) {
    PositionRange s = Selection();
    if (forward && s.end - s.start > 2 && engine.GetByte(s.end - 1) == '\n' &&
        engine.GetLineIndex(engine.GetLineFromPosition(s.start)) != s.start)
      Select({s.start, s.end - 2});
    s = Selection();
    if (s.end > s.start) {
      journal.RecordUndo(UndoReplace, 0);
      Replace("");
      return;
    }
    journal.RecordUndo(forward ? UndoDelete : UndoBackspace, 0);
    if (forward ? s.start >= engine.GetLength() : s.start == 0) return;
    Position size = Range(forward ? s.start : s.start - 2, forward ? s.start + 2 : s.start) == "\r\n" ? 2 : 1;
    Select(forward ? PositionRange{s.start, s.start + size} : PositionRange{s.start - size, s.start});
    Replace("");
  }
  void DeleteLine() {
    Position line = engine.GetLineFromPosition(Selection().start);
    Position from = engine.GetLineIndex(line), to = engine.GetLineIndex(line + 1);
    Select({from, to < 0 ? from + engine.GetLineLength(line) : to});
    journal.RecordUndo(UndoReplace, 0);
    Replace("");
  }
  void Paste() {
    std::string bytes = clip;
    for (char& b : bytes) b = static_cast<char>(AnsiToView(static_cast<unsigned char>(b), view));
    journal.RecordUndo(UndoReplace, static_cast<Position>(bytes.size()));
    Replace(bytes);
  }
  // Ctrl with two of W, D and K: the same twice shows that code page; two
  // different ones recode the selection, or the whole text and the view.
  void Chord(CodePage source, CodePage target) {
    if (source == target) {
      view = target;
      return;
    }
    PositionRange s = Selection();
    bool whole = s.start == s.end;
    if (whole) Select({0, engine.GetLength()});
    std::string text = engine.GetSelectedText();
    if (text.empty()) return;
    RecodingRoute route = MenuRecodingRoute(RecodeToAnsi + static_cast<int>(target), source);
    RecodeBytes(reinterpret_cast<unsigned char*>(text.data()), text.size(), route.fromTable, route.toTable);
    if (whole) {
      Select(s);
      journal.RecordUndo(UndoSnapshot, 0);
      view = target;
      Select({0, engine.GetLength()});
    } else {
      journal.RecordUndo(UndoReplace, static_cast<Position>(text.size()));
    }
    Replace(text);
  }
  // Alignment as the window did it: one step over the whole text.
  void Adopt(const std::string& aligned) {
    Select({0, engine.GetLength()});
    journal.RecordUndo(UndoReplace, static_cast<Position>(aligned.size()));
    Replace(aligned);
  }
};

std::string Words(const std::string& text) {
  std::string words;
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') words += c;
  }
  return words;
}

unsigned EnvNumber(const char* name, unsigned fallback) {
  const char* value = std::getenv(name);
  return value && *value ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : fallback;
}

class EditorSoak : public DocumentFiles {
 protected:
  void SetUp() override {
    DocumentFiles::SetUp();
    if (!accelerators) accelerators = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    useEditorUndo = false;
    PutOnClipboard(CF_TEXT, clip);
  }
  void TearDown() override {
    if (overwriteMode) Press(editorWindow, {VK_INSERT, Plain});
    Command(16);
    ClearUndoJournal();
    DocumentFiles::TearDown();
  }

  static void Click(Position at, bool extend) {
    POINTL point{};
    SendMessageA(editorWindow, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), at);
    LPARAM where = MAKELPARAM(point.x + 1, point.y + 2);
    HoldModifiers(extend ? Shift : Plain);
    PostMessageA(editorWindow, WM_LBUTTONDOWN, MK_LBUTTON | (extend ? MK_SHIFT : 0), where);
    PostMessageA(editorWindow, WM_LBUTTONUP, extend ? MK_SHIFT : 0, where);
    PumpMessages();
    HoldModifiers(Plain);
  }
};

TEST_F(EditorSoak, RandomStepsOnTheWindowKeepTheBytesOfTheModel) {
  unsigned seed = EnvNumber("ZORN2_SOAK_SEED", 20261207);
  unsigned steps = EnvNumber("ZORN2_SOAK_STEPS", 2000);
  SCOPED_TRACE(testing::Message() << "ZORN2_SOAK_SEED=" << seed);
  std::mt19937 random(seed);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };

  const std::string start = "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0\r\n\xE2\xF2\xEE\xF0\xE0\xFF \xF1\xF2\xF0\xEE\xEA\xE0\r\n";
  Command(16);
  SetEditorText(start);
  ClearUndoJournal();
  ResetCodePageChord();
  Model model;
  model.engine.SetText(start);
  const WORD chordKeys[] = {'W', 'D', 'K'};
  const WORD moves[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END};

  for (unsigned step = 0; step < steps; ++step) {
    CHARRANGE shown{};
    SendMessageA(editorWindow, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&shown));
    model.Select({shown.cpMin, shown.cpMax});
    std::string before = EditorText();
    int what = pick(20);
    if (what < 6) {
      unsigned char c = typed[pick(sizeof typed)];
      PostMessageA(editorWindow, WM_CHAR, c, 1);
      PumpMessages();
      model.Type(c);
    } else if (what == 6) {
      Press(editorWindow, {VK_RETURN, Plain});
      model.Enter();
    } else if (what == 7 || what == 8) {
      bool forward = what == 7;
      Press(editorWindow, {static_cast<WORD>(forward ? VK_DELETE : VK_BACK), Plain});
      model.Delete(forward);
    } else if (what == 9) {
      Press(editorWindow, {'Y', Ctrl});
      model.DeleteLine();
    } else if (what == 10) {
      Press(editorWindow, {VK_INSERT, Plain});
      model.overwrite = !model.overwrite;
    } else if (what == 11) {
      Press(editorWindow, {'V', Ctrl});
      model.Paste();
    } else if (what == 12) {
      Press(editorWindow, {moves[pick(6)], pick(2) ? Shift : Plain});
    } else if (what == 13) {
      Click(pick(static_cast<int>(before.size()) + 1), pick(2) != 0);
    } else if (what == 14) {
      int source = pick(3), target = pick(3);
      PostMessageA(editorWindow, WM_KEYDOWN, VK_CONTROL, 1);  // a fresh Ctrl starts a chord
      Press(editorWindow, {chordKeys[source], Ctrl});
      Press(editorWindow, {chordKeys[target], Ctrl});
      model.Chord(static_cast<CodePage>(source), static_cast<CodePage>(target));
    } else if (what == 15) {
      Press(editorWindow, {static_cast<WORD>("JELR"[pick(4)]), Ctrl});
      std::string after = EditorText();
      ASSERT_EQ(Words(after), Words(before)) << "step " << step << ": alignment moved more than blanks";
      if (!before.empty()) model.Adopt(after);
    } else if (what == 16) {
      int view = pick(3);
      Press(editorWindow, {VK_F2, view == 1 ? Ctrl : view == 2 ? Alt : Plain});
      model.view = static_cast<CodePage>(view);
    } else {
      Press(editorWindow, {'Z', Ctrl});
      model.journal.UndoLast();
    }
    ASSERT_EQ(EditorText(), model.engine.GetText()) << "step " << step << ", kind " << what;
    ASSERT_EQ(viewCodePage, model.view) << "step " << step;
    ASSERT_EQ(overwriteMode, model.overwrite) << "step " << step;
    if (model.engine.GetLength() > 3000) {  // both record the reset as a step of its own
      SetEditorText("");
      model.engine.SetText("");
    }
  }
}

}  // namespace
