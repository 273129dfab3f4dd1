// The program's editing paths as its key and command handlers drive them:
// record the undo step, then edit through the engine the way the control
// does. Copies can be made to fail as if memory ran out.
#pragma once
#include <new>
#include <string>
#include <string_view>

#include "conversion/code_pages.h"
#include "conversion/undo_journal.h"
#include "editor/engine/document_engine.h"
#include "editor/engine_editor.h"

class FailingEditor final : public EditorOperations {
 public:
  explicit FailingEditor(DocumentEngine& engine) : inner_(engine) {}
  bool failCopies = false;

  Position GetTextLength() const override { return inner_.GetTextLength(); }
  PositionRange GetSelection() const override { return inner_.GetSelection(); }
  void SetSelection(PositionRange range) override { inner_.SetSelection(range); }
  std::string GetTextRange(PositionRange range) const override { return Copy(inner_.GetTextRange(range)); }
  std::string GetSelectedText() const override { return Copy(inner_.GetSelectedText()); }
  bool ReplaceSelection(std::string_view bytes) override { return inner_.ReplaceSelection(bytes); }
  void ClearSelection() override { inner_.ClearSelection(); }
  Position FindWordBreak(WordMove move, Position position) const override {
    return inner_.FindWordBreak(move, position);
  }
  Position FindInRange(PositionRange range, std::string_view pattern, std::uint32_t options) const override {
    return inner_.FindInRange(range, pattern, options);
  }
  Position FindLastInRange(PositionRange range, std::string_view pattern, std::uint32_t options) const override {
    return inner_.FindLastInRange(range, pattern, options);
  }
  std::string GetWholeText() const override { return Copy(inner_.GetWholeText()); }
  bool ReplaceWholeText(std::string_view bytes) override { return inner_.ReplaceWholeText(bytes); }

 private:
  std::string Copy(std::string bytes) const {
    if (failCopies) throw std::bad_alloc();
    return bytes;
  }
  EngineEditor inner_;
};

struct UndoKeys {
  DocumentEngine engine;
  FailingEditor editor{engine};
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
  bool Type(char c) {
    journal.RecordUndo(UndoTyping, 1);
    return engine.ReplaceSelection(std::string(1, c));
  }
  bool Enter() {
    journal.RecordUndo(UndoEnter, 2);
    return engine.ReplaceSelection("\r\n");
  }
  // The control overwrites any byte but a line break's.
  bool Overwrite(char c) {
    bool selected = Selected();
    journal.RecordUndo(UndoOverwrite, 1);
    unsigned char next = engine.GetByte(Caret());
    if (!selected && Caret() < engine.GetLength() && next != '\r' && next != '\n')
      engine.SetSelection(Caret(), Caret() + 1);
    return engine.ReplaceSelection(std::string(1, c));
  }
  bool Delete() { return DeleteKey(UndoDelete); }
  bool Backspace() { return DeleteKey(UndoBackspace); }
  bool DeleteWord(UndoKind kind) {
    std::string before = Text();
    journal.RecordUndo(kind, 0);
    return Text() != before;
  }
  bool Paste(std::string_view text) {
    journal.RecordUndo(UndoReplace, static_cast<Position>(text.size()));
    return engine.ReplaceSelection(text);
  }
  // Whole-text recoding: the bytes and the view change, the selection stays.
  void Convert(CodePage target) {
    PositionRange selection = Selection();
    journal.RecordUndo(UndoSnapshot, 0);
    std::string text = Text();
    RecodeBytes(reinterpret_cast<unsigned char*>(text.data()), text.size(), toOemTable[view], fromOemTable[target]);
    view = target;
    engine.SetText(text);
    engine.SetSelection(selection.start, selection.end);
  }
  // A file inserted or text dropped: a snapshot, then a change of any length.
  void InsertWithSnapshot(std::string_view text) {
    journal.RecordUndo(UndoSnapshot, 0);
    engine.ReplaceSelection(text);
  }

 private:
  // Without a selection the control removes a CR LF pair whole, else one byte.
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
    Position size = engine.GetTextRange(pair) == "\r\n" ? 2 : 1;
    engine.SetSelection(forward ? caret : caret - size, forward ? caret + size : caret);
    engine.ClearSelection();
    return true;
  }
};
