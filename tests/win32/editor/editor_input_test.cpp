// The editor's input as the message loop delivers it (TranslateMessage, then
// the editor's procedure). The soak: random keys and clicks, each also applied
// to a model (a bare engine with the same undo journal, driven by the editor's
// rules); after every step the bytes, the selection, the modified flag, Undo's
// availability, the view and the insert mode must agree. Alignment comes from
// the window, checked to move only blanks and line breaks. ZORN2_SOAK_SEED and
// ZORN2_SOAK_STEPS make another run. The keys: one of the accelerator table
// does what its command does, any other but the soak's edits does nothing,
// and one Ctrl+Z takes back any change a key made.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "app/accelerators.h"
#include "base/globals.h"
#include "chrome/status_bar.h"
#include "codepages/code_pages.h"
#include "codepages/recoding_routes.h"
#include "document_files.h"
#include "editor/code_page_chord.h"
#include "editor/editor_control.h"
#include "editor/engine_editor.h"
#include "editor/undo_commands.h"
#include "editor/undo_journal.h"
#include "editor/view_format.h"
#include "engine/document_engine.h"
#include "key_presses.h"

namespace {

constexpr char clip[] = "\xEA\xEB\xE8\xEF\r\n";                   // "клип" and a line break
constexpr unsigned char typed[] = {'a', ' ', '1', 0xE0, 0xDF, 0xB8};  // а Я ё among them

struct Model {
  DocumentEngine engine;
  EngineEditor editor{engine};
  CodePage view = Ansi;
  bool overwrite = false;
  Position goal = -1;  // the column a run of Up and Down aims at
  UndoJournal journal{editor, view, [] {}, [] {}};

  Model() {
    engine.SetTextLimit(MaxTextLength);
    engine.SetChangeListener([this](PositionRange replaced, Position inserted) {
      goal = -1;  // an edit forgets the column
      journal.NoteChange(replaced, inserted);
    });
  }
  PositionRange Selection() const { return engine.GetSelection(); }
  std::string Range(Position from, Position to) const { return engine.GetTextRange({from, to}); }
  void Select(PositionRange range) { engine.SetSelection(range.start, range.end); }
  Position LineStart(Position at) const { return engine.GetLineIndex(engine.GetLineFromPosition(at)); }
  // A CR LF pair is one step for the caret.
  Position Stop(Position at, bool right) const {
    if (right) return at >= engine.GetLength() ? at : at + (Range(at, at + 2) == "\r\n" ? 2 : 1);
    return at == 0 ? 0 : at - (at >= 2 && Range(at - 2, at) == "\r\n" ? 2 : 1);
  }
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
  // With Ctrl the journal deletes the word itself. A selection that starts
  // inside a line keeps the line break it ends with.
  void Delete(bool forward, bool word) {
    PositionRange s = Selection();
    if (word) return journal.RecordUndo(forward ? UndoDeleteWordRight : UndoDeleteWordLeft, 0);
    if (forward && s.end - s.start > 2 && engine.GetByte(s.end - 1) == '\n' && LineStart(s.start) != s.start)
      Select(s = {s.start, s.end - 2});
    if (s.end == s.start) {
      journal.RecordUndo(forward ? UndoDelete : UndoBackspace, 0);
      if (Stop(s.start, forward) == s.start) return;
      Select({s.start, Stop(s.start, forward)});
    } else {
      journal.RecordUndo(UndoReplace, 0);
    }
    Replace("");
  }
  void DeleteLine() {
    Position line = engine.GetLineFromPosition(Selection().start);
    Position from = engine.GetLineIndex(line), to = engine.GetLineIndex(line + 1);
    Select({from, to < 0 ? from + engine.GetLineLength(line) : to});
    journal.RecordUndo(UndoReplace, 0);
    Replace("");
  }
  void Paste(std::string bytes) {  // Enter too: its two bytes are one step
    bool enter = bytes == "\r\n";
    for (char& b : bytes) b = static_cast<char>(AnsiToView(static_cast<unsigned char>(b), view));
    journal.RecordUndo(enter ? UndoEnter : UndoReplace, static_cast<Position>(bytes.size()));
    Replace(bytes);
  }
  void Show(CodePage shown) {  // the view keeps the selection, not which end the caret is at
    if (shown != view) goal = -1;
    view = shown;
    Select(Selection());
  }
  // Ctrl with two of W, D and K: the same twice shows that code page; two
  // different ones recode the selection, or the whole text and the view.
  void Chord(CodePage source, CodePage target) {
    if (source == target) return Show(target);
    PositionRange s = Selection();
    bool whole = s.start == s.end;
    if (whole) Select({0, engine.GetLength()});
    std::string text = engine.GetSelectedText();
    if (text.empty()) return;
    RecodingRoute route = MenuRecodingRoute(static_cast<RecodingCommand>(RecodeToAnsi + static_cast<int>(target)), source);
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
    Select(s);
  }
  // Alignment: the whole text when nothing is selected, else the selection
  // grown to whole lines; the window's result gives what they became. The
  // caret ends where the range began, or where it was.
  void Align(const std::string& after) {
    PositionRange s = Selection(), range = s;
    Position first = LineStart(s.start), last = engine.GetLineFromPosition(s.end);
    if (s.start == s.end) range = {0, engine.GetLength()};
    else if (first != s.start) range = {first, engine.GetLineIndex(last) + engine.GetLineLength(last)};
    std::string aligned = after.substr(range.start, after.size() - (engine.GetLength() - range.end) - range.start);
    Select(range);
    journal.RecordUndo(UndoReplace, static_cast<Position>(aligned.size()));
    Replace(aligned);
    Select(s.start == s.end ? s : PositionRange{range.start, range.start});
  }
  // Arrows, Home and End; Ctrl+Home and Ctrl+End go to the ends of the text.
  // An arrow without Shift collapses a selection to its side; Up and Down keep
  // the column the run of them began at.
  void Move(WORD key, bool extend, bool ctrl) {
    PositionRange s = Selection();
    Position caret = engine.GetCaret(), anchor = Anchor();
    Position line = engine.GetLineFromPosition(caret), start = engine.GetLineIndex(line), target = caret;
    if (key != VK_UP && key != VK_DOWN) goal = -1;
    if (key == VK_LEFT || key == VK_RIGHT) {
      bool right = key == VK_RIGHT;
      target = !extend && s.start != s.end ? (right ? s.end : s.start) : Stop(caret, right);
    } else if (key == VK_HOME || key == VK_END) {
      bool end = key == VK_END;
      target = ctrl ? (end ? engine.GetLength() : 0) : end ? start + engine.GetLineLength(line) : start;
    } else {
      if (goal < 0) goal = caret - start;
      Position to = std::clamp<Position>(line + (key == VK_DOWN ? 1 : -1), 0, engine.GetLineCount() - 1);
      target = engine.GetLineIndex(to) + std::min(goal, engine.GetLineLength(to));
    }
    engine.SetSelection(extend ? anchor : target, target);
  }
  // A click puts the caret at its place (a place between CR and LF is the
  // line's end); with Shift the selection's anchor stays.
  void Click(Position at, bool extend) {
    goal = -1;
    if (at > 0 && Range(at - 1, at + 1) == "\r\n") --at;
    engine.SetSelection(extend ? Anchor() : at, at);
  }
  Position Anchor() const { return engine.GetCaret() == Selection().start ? Selection().end : Selection().start; }
};

std::string Words(std::string text) {
  std::erase_if(text, [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
  return text;
}

unsigned EnvNumber(const char* name, unsigned fallback) {
  const char* value = std::getenv(name);
  return value && *value ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : fallback;
}

// Commands that open a modal window or end the program; their keys are
// checked elsewhere with the window closed by another thread.
bool OpensAWindow(WORD id) {
  if (id == SC_CLOSE) return true;
  Command command = CommandFrom(id);
  return command == Command::Open || command == Command::Save || command == Command::Help || command == Command::Find ||
         command == Command::Replace || command == Command::FindNext;
}

class EditorInput : public DocumentFiles {
 protected:
  static constexpr char text[] = "\xEE\xE4\xE8\xED \xE4\xE2\xE0 \xF2\xF0\xE8\r\n\xF7\xE5\xF2\xFB\xF0\xE5\r\n";

  void SetUp() override {
    DocumentFiles::SetUp();
    if (!accelerators) accelerators = CreateAccelerators();
    useEditorUndo = false;
    ClearUndoJournal();
    PutOnClipboard(CF_TEXT, clip);
  }
  void TearDown() override {
    if (overwriteMode) Press(editorWindow, {VK_INSERT, Plain});
    SendCommand(Command::ViewAnsi);
    ClearUndoJournal();
    SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
    DocumentFiles::TearDown();
  }

  static void Start(Command viewCommand, CHARRANGE selection) {
    SendCommand(viewCommand);
    SetEditorText(text);
    ClearUndoJournal();
    ResetCodePageChord();
    PutOnClipboard(CF_TEXT, clip);  // a command may have cut or copied
    Select(selection.cpMin, selection.cpMax);
  }

  static WORD CommandOf(KeyPress press) {
    static std::vector<ACCEL> table = [] {
      std::vector<ACCEL> entries(CopyAcceleratorTableA(accelerators, nullptr, 0));
      CopyAcceleratorTableA(accelerators, entries.data(), static_cast<int>(entries.size()));
      return entries;
    }();
    BYTE wanted = FVIRTKEY | ((press.modifiers & Shift) ? FSHIFT : 0) | ((press.modifiers & Ctrl) ? FCONTROL : 0) |
                  ((press.modifiers & Alt) ? FALT : 0);
    for (const ACCEL& entry : table) {
      if (entry.key == press.key && (entry.fVirt & ~FNOINVERT) == wanted) return entry.cmd;
    }
    return 0;
  }

  // False when `at` is not in view, and nothing was clicked. Far right is at
  // the window's right edge, beyond the row that ends at `at`.
  static bool Click(Position at, bool extend, bool farRight) {
    POINTL point{-1, -1};
    SendMessageA(editorWindow, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), at);
    RECT client;
    GetClientRect(editorWindow, &client);
    LPARAM where = MAKELPARAM(farRight ? client.right - 3 : point.x + 1, point.y + 2);
    if (point.x < 0 || point.y < 0 || point.x + 2 >= client.right || point.y + 4 >= client.bottom) return false;
    HoldModifiers(extend ? Shift : Plain);
    PostMessageA(editorWindow, WM_LBUTTONDOWN, MK_LBUTTON | (extend ? MK_SHIFT : 0), where);
    PostMessageA(editorWindow, WM_LBUTTONUP, extend ? MK_SHIFT : 0, where);
    PumpMessages();
    HoldModifiers(Plain);
    return true;
  }
};
using EditorSoak = EditorInput;

TEST_F(EditorSoak, RandomStepsOnTheWindowKeepTheTextSelectionAndStateOfTheModel) {
  unsigned seed = EnvNumber("ZORN2_SOAK_SEED", 20261207);
  unsigned steps = EnvNumber("ZORN2_SOAK_STEPS", 2000);
  SCOPED_TRACE(testing::Message() << "ZORN2_SOAK_SEED=" << seed);
  std::mt19937 random(seed);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };

  // A zero byte too: the journal must copy and restore it like any other.
  const std::string start("\xCF\xF0\xE8\xE2\xE5\xF2,\0 \xEC\xE8\xF0\r\n\xE2\xF2\xEE\xF0\xE0\xFF \xF1\xF2\xF0\xEE\xEA\xE0\r\n", 29);
  SendCommand(Command::ViewAnsi);
  SetEditorText(start);
  SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
  ClearUndoJournal();
  ResetCodePageChord();
  Model model;
  model.engine.SetText(start);
  model.engine.SetModified(false);
  const WORD chordKeys[] = {'W', 'D', 'K'};
  const WORD moves[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END};

  for (unsigned step = 0; step < steps; ++step) {
    std::string before = model.engine.GetText();
    model.engine.SetCodePage(model.view);  // its letters make the words Ctrl+Delete takes
    int what = pick(20);
    if (what < 6) {
      unsigned char c = typed[pick(sizeof typed)];
      PostMessageA(editorWindow, WM_CHAR, c, 1);
      PumpMessages();
      model.Type(c);
    } else if (what == 6) {
      Press(editorWindow, {VK_RETURN, pick(3)});  // Shift and Ctrl too
      model.Paste("\r\n");
    } else if (what == 7 || what == 8) {
      bool forward = what == 7;
      int modifiers = pick(4);  // Shift+Delete is Cut
      if (forward && modifiers == Shift) modifiers = Plain;
      Press(editorWindow, {static_cast<WORD>(forward ? VK_DELETE : VK_BACK), modifiers});
      model.Delete(forward, modifiers & Ctrl);
    } else if (what == 9) {
      Press(editorWindow, {'Y', Ctrl | pick(2)});
      model.DeleteLine();
    } else if (what == 10) {
      Press(editorWindow, {VK_INSERT, Plain});
      model.overwrite = !model.overwrite;
    } else if (what == 11) {
      Press(editorWindow, {'V', Ctrl});
      model.Paste(clip);
    } else if (what == 12) {
      WORD key = moves[pick(6)];
      bool extend = pick(2) != 0, ctrl = (key == VK_HOME || key == VK_END) && pick(4) == 0;
      for (int times = 1 + pick(3); times > 0; --times) {  // runs of Up and Down aim at one column
        Press(editorWindow, {key, (extend ? Shift : Plain) | (ctrl ? Ctrl : Plain)});
        model.Move(key, extend, ctrl);
      }
    } else if (what == 13) {
      Position at = pick(static_cast<int>(before.size()) + 1);
      bool extend = pick(2) != 0, farRight = pick(4) == 0;
      if (farRight) at = model.LineStart(at) + model.engine.GetLineLength(model.engine.GetLineFromPosition(at));
      if (Click(at, extend, farRight)) model.Click(at, extend);
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
      if (!before.empty()) model.Align(after);
    } else if (what == 16) {
      int view = pick(3);
      Press(editorWindow, {VK_F2, view == 1 ? Ctrl : view == 2 ? Alt : Plain});
      model.Show(static_cast<CodePage>(view));
    } else {
      Press(editorWindow, {'Z', Ctrl});
      model.journal.UndoLast();
    }
    SCOPED_TRACE(testing::Message() << "step " << step << ", kind " << what);
    ASSERT_EQ(EditorText(), model.engine.GetText());
    ASSERT_EQ(Position{Selection().cpMin}, model.Selection().start);
    ASSERT_EQ(Position{Selection().cpMax}, model.Selection().end);
    ASSERT_EQ(SendMessageA(editorWindow, EM_GETMODIFY, 0, 0) != 0, model.engine.GetModified());
    ASSERT_EQ(CanUndo(), !model.journal.IsEmpty());
    ASSERT_EQ(viewCodePage, model.view);
    ASSERT_EQ(overwriteMode, model.overwrite);
    ASSERT_EQ(StatusPaneText(insertModePane), model.overwrite ? "Замена" : "Вставка");
    if (model.engine.GetLength() > 3000) {  // both record the reset as a step of its own
      SetEditorText(start);
      model.engine.SetText(start);
    }
  }
}

// Every edit of a key or a command in any of the four views, the view switched
// between the edit and its undo, undoes to the bytes before it, and a key's to
// the caret before it too. The text holds characters, stray and cut UTF-8
// sequences, a zero byte and =XX escapes; copies and pastes carry them.
TEST_F(EditorInput, EditsInEveryViewUndoToTheBytesAndCaretBeforeThem) {
  struct State {
    std::string text;
    CHARRANGE caret;  // {-1, -1} when the step's own selection decides
  };
  const std::string start("\xD0\x9C\xD0\xB8\xD1\x80! \xD0" "A\x90 \xC2x\xBB =D0=96=9\0\xE2\x82\r\n\xF0\x9F\x98\x80z", 33);
  SetEditorText(start);
  Press(editorWindow, {VK_F2, Shift});  // the whole text copied in the UTF-8 view pastes back byte for byte
  Select(0, -1);
  Press(editorWindow, {'C', Ctrl});
  Press(editorWindow, {'V', Ctrl});
  ASSERT_EQ(EditorText(), start);
  ClearUndoJournal();
  std::mt19937 random(EnvNumber("ZORN2_SOAK_SEED", 34));
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  std::vector<State> history;  // the state before each step that can still be undone
  auto undo = [&] {
    const std::string before = EditorText();
    Press(editorWindow, {'Z', Ctrl});
    const std::string now = EditorText();
    if (now == before) return;  // a step that changed nothing
    std::size_t j = history.size();
    while (j > 0 && history[j - 1].text != now) --j;
    ASSERT_GT(j, 0u) << "an undo left bytes no step began with";
    const CHARRANGE caret = history[j - 1].caret, selected = Selection();
    if (caret.cpMin >= 0) {
      EXPECT_EQ(std::pair(selected.cpMin, selected.cpMax), std::pair(caret.cpMin, caret.cpMax)) << "caret after an undo";
    }
    history.resize(j - 1);
  };
  const int views[] = {Plain, Ctrl, Alt, Shift};
  std::string copied = start;
  int copiedIn = Utf8;  // the view of the last copy
  for (int step = 0; step < 400 && !HasFatalFailure(); ++step) {
    SCOPED_TRACE(testing::Message() << "step " << step);
    const std::string before = EditorText();
    const CHARRANGE selection = Selection();
    bool key = false;  // a plain key, whose undo puts the caret back where it stood
    const int word = pick(4) ? Plain : Ctrl;
    switch (pick(12)) {
      case 0: PostMessageA(editorWindow, WM_CHAR, typed[pick(sizeof typed)], 1), PumpMessages(), key = true; break;
      case 1: Press(editorWindow, {VK_BACK, word}), key = word == Plain; break;
      case 2: Press(editorWindow, {VK_DELETE, word}), key = word == Plain; break;
      case 3: Press(editorWindow, {VK_INSERT, Plain}); break;
      case 4: Press(editorWindow, {VK_F2, views[pick(4)]}); break;
      case 5:  // in the view of the copy: a paste into another would count what it lacks in a box
        if (copiedIn != viewCodePage) continue;
        Press(editorWindow, {'V', Ctrl});
        EXPECT_EQ(EditorText(), before.substr(0, selection.cpMin) + copied + before.substr(selection.cpMax));
        break;
      case 6:
        if (selection.cpMin == selection.cpMax) continue;
        copied = before.substr(selection.cpMin, selection.cpMax - selection.cpMin), copiedIn = viewCodePage;
        Press(editorWindow, {static_cast<WORD>(pick(2) ? 'C' : 'X'), Ctrl});
        break;
      case 7: SendCommand(pick(2) ? Command::EqualsEscapes : Command::Translit); break;
      case 8: undo(); continue;
      default: {
        const LONG length = static_cast<LONG>(before.size()), at = pick(length + 1);
        Select(pick(3) ? at : pick(length + 1), at);  // anywhere, inside a character too
        continue;
      }
    }
    if (EditorText() == before) continue;
    const bool caretKnown = key && selection.cpMin == selection.cpMax;
    history.push_back({before, caretKnown ? selection : CHARRANGE{-1, -1}});
  }
  for (int left = 1000; left > 0 && CanUndo() && !HasFatalFailure(); --left) undo();
  EXPECT_FALSE(CanUndo());
  EXPECT_EQ(EditorText(), start);
  if (overwriteMode) Press(editorWindow, {VK_INSERT, Plain});
}

// Enter, Delete, Backspace and Ctrl+Y with their modifiers edit on their own.
bool OwnEdit(KeyPress press) {
  bool ctrl = (press.modifiers & Ctrl) != 0, shift = (press.modifiers & Shift) != 0;
  if (press.modifiers & Alt) return false;
  return (press.key == 'Y' && ctrl) || (press.key == VK_RETURN && !(ctrl && shift)) || press.key == VK_DELETE ||
         press.key == VK_BACK;
}

std::vector<KeyPress> AllPresses() {
  std::vector<KeyPress> presses;
  for (WORD letter = 'A'; letter <= 'Z'; ++letter) {
    for (int modifiers : {Ctrl, Ctrl | Shift, Alt}) presses.push_back({letter, modifiers});
  }
  for (WORD key : {VK_DELETE, VK_BACK, VK_INSERT, VK_RETURN}) {
    for (int modifiers : {Shift, Ctrl, Ctrl | Shift, Alt}) presses.push_back({key, modifiers});
  }
  // Alt+F4 closes the window, as everywhere; the plain keys of + and - type.
  for (WORD key : {VK_F2, VK_F3, VK_F4, VK_F5, VK_F7}) {
    for (int modifiers : {Plain, Ctrl, Alt}) {
      if (key != VK_F4 || modifiers != Alt) presses.push_back({key, modifiers});
    }
  }
  for (WORD key : {107, 109, 187, 189}) {
    for (int modifiers : {Ctrl, Alt}) presses.push_back({key, modifiers});
  }
  return presses;
}

TEST_F(EditorInput, EachKeyDoesWhatItsCommandDoesOrItsOwnEditAndOneUndoTakesItBack) {
  for (Command view : {Command::ViewAnsi, Command::ViewOem, Command::ViewKoi8}) {
    for (CHARRANGE selection : {CHARRANGE{6, 6}, CHARRANGE{2, 7}}) {
      for (KeyPress press : AllPresses()) {
        WORD command = CommandOf(press);
        if (OpensAWindow(command) || (!command && OwnEdit(press))) continue;
        Start(view, selection);
        std::string expected = text;  // a key outside the table and without its own edit does nothing
        if (command) {
          SendCommand(CommandFrom(command));
          expected = EditorText();
          Start(view, selection);
        }
        Press(editorWindow, press);
        SCOPED_TRACE(testing::Message() << "view " << Id(view) << ", selection " << selection.cpMin << "-"
                                        << selection.cpMax << ", key " << press.key << ", modifiers "
                                        << press.modifiers << ", command " << command);
        ASSERT_EQ(EditorText(), expected);
        ASSERT_FALSE(overwriteMode);  // only the plain Insert key switches it
        if (expected == text) continue;
        Press(editorWindow, {'Z', Ctrl});
        ASSERT_EQ(EditorText(), text);
      }
    }
  }
}

// Without the journal the control's own undo takes back the editor's own edits
// too; the journal's Ctrl+Delete and Ctrl+Backspace are the soak's.
TEST_F(EditorInput, WithTheEditorsOwnUndoWordDeletionIsTheControlsAndItsEditsUndo) {
  SetEditorText("один два три");
  useEditorUndo = true;
  Select(5, 5);
  Press(editorWindow, {VK_DELETE, Ctrl});
  Press(editorWindow, {VK_BACK, Ctrl});
  EXPECT_EQ(EditorText(), "три");
  EXPECT_FALSE(UndoJournalHoldsRecord());

  SetEditorText("one\r\ntwo");
  Select(1, 1);
  Press(editorWindow, {'Y', Ctrl});  // deletes the line
  EXPECT_EQ(EditorText(), "two");
  SendCommand(Command::Undo);  // Undo
  EXPECT_EQ(EditorText(), "one\r\ntwo");
  EXPECT_FALSE(UndoJournalHoldsRecord());

  useEditorUndo = false;
  Select(1, 5);  // from inside a line through its break: Delete keeps the break
  Press(editorWindow, {VK_DELETE, Plain});
  EXPECT_EQ(EditorText(), "o\r\ntwo");
}

TEST_F(EditorInput, DroppedFileOnAModifiedDocumentAsksFirstAndCancelKeepsIt) {
  // Named in no ANSI code page, as the shell hands it over (UTF-16).
  MakeFile("dropped.txt", "dropped");
  const std::wstring path = Wide(directory) + L"Ελληνικά 日本.txt";
  ASSERT_TRUE(MoveFileW(Wide(PathOf("dropped.txt")).c_str(), path.c_str()));
  auto drop = [&] {
    const std::size_t size = (path.size() + 2) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + size);
    auto* files = static_cast<DROPFILES*>(GlobalLock(block));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), path.data(), path.size() * sizeof(wchar_t));
    GlobalUnlock(block);
    SendMessageA(editorWindow, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);
  };
  SetEditorText("mine");
  SendMessageA(editorWindow, EM_SETMODIFY, TRUE, 0);
  EXPECT_TRUE(RunClosingDialog(drop, IDCANCEL).appeared);
  EXPECT_EQ(EditorText(), "mine");
  RunClosingDialog(drop, IDNO);
  EXPECT_EQ(EditorText(), "dropped");
  EXPECT_EQ(DocumentPathText(), path);
  DeleteFileW(path.c_str());
}

}  // namespace
