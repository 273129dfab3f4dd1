// The program's own multi-level undo: every editing path records a step just
// before it changes the text, and Undo takes back the newest step. The journal
// sees the document only through EditorOperations, so it works on the editor
// window and on a bare engine alike.
//
// What the journal expects of the edit that follows a record:
// - UndoTyping and UndoEnter insert `length` bytes at the caret.
// - UndoDelete and UndoBackspace remove what the control takes for one step
//   after or before the caret (a CR LF pair, a character of the view, a byte);
//   UndoOverwrite replaces what follows the caret by a typed character, or
//   inserts it. The journal does not foresee these: it keeps what the change
//   that follows them replaces, as NoteChange hears of it.
// - UndoReplace replaces the selection by `length` bytes.
// An edit that is refused (the text limit) leaves the text length other than
// the step expects; such a step is dropped unseen, so an Undo never applies a
// step to a text it does not fit. A step that cannot be recorded for lack of
// memory empties the journal: its edit still happens, unrecorded. Whole-text
// work instead records with RecordUndoOrRefuse and leaves the text alone when
// that fails, and withdraws its step when its edit then fails.
//
// The journal is also told of every change just before it happens
// (NoteChange). A change that no step announced is recorded there and then as
// a step of its own, so it can be undone and every older step still finds its
// text where it left it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "codepages/code_pages.h"
#include "editor/editor_operations.h"
#include "engine/text_storage.h"

enum UndoKind : unsigned char {
  UndoTyping = 0,           // a character typed in insert mode, length 1
  UndoEnter = 1,            // a line break, length 2
  UndoDelete = 2,           // Delete without a selection
  UndoBackspace = 3,        // Backspace without a selection
  UndoReplace = 4,          // the selection replaced by `length` bytes
  UndoDeleteWordRight = 5,  // Ctrl+Delete: the journal deletes, stored as UndoReplace
  UndoSnapshot = 6,         // the whole text, its selection and the view code page
  UndoDeleteWordLeft = 7,   // Ctrl+Backspace: the journal deletes, stored as UndoReplace
  UndoOverwrite = 8,        // a character typed in overwrite mode, length 1
};

class UndoJournal {
 public:
  // `viewCodePage` is the program's own, restored by the undo of a snapshot,
  // after which `refreshViewFormat` re-applies the view. `reportError` is
  // called when a step cannot be recorded, or taken back, for lack of memory.
  UndoJournal(EditorOperations& editor, CodePage& viewCodePage, std::function<void()> refreshViewFormat,
              std::function<void()> reportError);

  // Records the step the caller is about to perform; kinds 5 and 7 perform it.
  // `length` is the length of the typed unit (kinds 0 and 1) or of the new
  // text (kind 4); other kinds ignore it. Kinds 0-3 and 8 over a selection
  // become UndoReplace; kinds 5 and 7 then delete the selection. Does nothing
  // while the editor's own undo is used.
  void RecordUndo(UndoKind kind, Position length);
  // The same for work that copies much (a whole text, a replacement): a step
  // that cannot be recorded for lack of memory leaves the journal as it was
  // and returns false, and the caller then leaves the text alone.
  bool RecordUndoOrRefuse(UndoKind kind, Position length);
  // Whole-text work that hands the text over (ExchangeWholeText, ReplaceAll)
  // instead of copying it: records a step of `kind` (UndoSnapshot, or
  // UndoReplace over the whole text) that copies nothing now and keeps the
  // text the edit hands back, given to KeepReplacedText. Otherwise like
  // RecordUndoOrRefuse, WithdrawStep included. A snapshot that joins the one
  // before it keeps nothing. False while the editor's own undo is used, whose
  // step the handover would drop, and without memory for the record: the
  // caller then edits as before.
  bool RecordHandOver(UndoKind kind);
  void KeepReplacedText(TextStorage&& replaced);
  // The edit announced by the newest RecordUndoOrRefuse did not happen (out of
  // memory, the text limit): the journal is again as it was before it.
  void WithdrawStep();
  // That edit was made only in part (a replace run that ran out of memory):
  // it is undone when it has a step of its own. True when the text is again
  // as it was; a snapshot that joined an older one cannot tell the text
  // between them, and the part made stays.
  bool TakeBackStep();
  // Takes back the newest step and restores the selection from before it; a
  // run of typing or of Enters goes back one unit at a time. A step that
  // cannot be taken back for lack of memory stays, and the error is reported.
  void UndoLast();
  void ClearUndoJournal();

  // Every change of the text, just before it happens, while the bytes of
  // `replaced` can still be read.
  void NoteChange(PositionRange replaced, Position inserted);
  // What the next change means when no step announces it: a new document
  // (the steps go with the old one) or the same text put back into a new
  // control (the steps stay as they are). None takes such an expectation
  // back when the change it was for did not come (a load that failed).
  enum class UnrecordedChange : unsigned char { NewDocument, SameText, None };
  void ExpectUnrecordedChange(UnrecordedChange change);

  // An empty journal greys out Undo; a step whose edit has not come yet does not count.
  bool IsEmpty() const { return RecordCount() == 0; }
  std::size_t RecordCount() const { return records_.size() - (!records_.empty() && records_.back().awaitsChange); }

  // True while the control's own undo is used instead; switching to it empties the journal.
  void SetUseEditorUndo(bool useEditorUndo);
  bool UsesEditorUndo() const { return useEditorUndo_; }

 private:
  struct Record {
    UndoKind kind = UndoReplace;
    // Where the step's result stands: a run's start and the position of its
    // last unit; otherwise the bytes that `text` replaces on undo.
    Position start = 0;
    Position end = 0;
    Position unit = 0;               // a run's unit length
    std::int64_t lengthAfter = -1;   // text length the step leaves (a refused one may pass 2 GB); -1: not checked
    PositionRange selection;         // the selection before the step
    CodePage codePage = Ansi;        // snapshots: the view code page
    std::string text;                // what undo puts back: removed text, or the whole text
    std::unique_ptr<TextStorage> handedOver;  // or the whole text an edit handed over, put back by exchange
    bool awaitsChange = false;       // a deletion or overwrite: filled in from the change that follows
  };
  struct EditorState {
    Position length = 0;
    PositionRange selection;
  };

  enum class Expected : unsigned char { Nothing, RecordedStep, NewDocument, SameText };
  // What WithdrawStep goes back to.
  struct Withdrawal {
    std::size_t recordCount = 0;
    Expected expected = Expected::Nothing;
  };

  void RecordStep(UndoKind kind, Position length, const EditorState& state);
  void DropUnperformedStep();
  void RecordUnannounced(PositionRange replaced, Position inserted);
  bool AgreesWithText() const;
  void LoseStep();
  void RecordRun(UndoKind kind, Position unit, const EditorState& state);
  void RecordAwaitingChange(UndoKind kind, const EditorState& state);
  void CompleteAwaitedStep(PositionRange replaced, Position inserted);
  void RecordReplace(Position length, const EditorState& state);
  void RecordSnapshot(const EditorState& state);
  void DeleteWord(UndoKind kind, const EditorState& state);
  void UndoUnit(Record& record);
  bool PutBack(const Record& record);
  bool RestoreSnapshot(const Record& record);
  bool ExchangeBack(Record& record);

  EditorOperations& editor_;
  CodePage& viewCodePage_;
  std::function<void()> refreshViewFormat_;
  std::function<void()> reportError_;
  bool useEditorUndo_ = false;
  Expected expected_ = Expected::Nothing;  // what the next change is
  bool undoing_ = false;                   // the changes are Undo's own
  Withdrawal withdrawal_;
  bool awaitsHandOver_ = false;  // the newest record waits for KeepReplacedText
  std::vector<Record> records_;  // newest last
};
