// The program's one undo journal, working on the document control.
#pragma once
#include <cstdint>

#include "editor/undo_journal.h"

// Records the step the caller is about to perform (kinds 5 and 7 perform it).
// Does nothing while `useEditorUndo` is set.
void RecordUndo(UndoKind kind, int32_t length);
// Whole-text work, paste and insertion: false when the step cannot be recorded
// for lack of memory (the journal stays as it was; the caller changes nothing
// and says so). WithdrawUndoStep takes the step back when the edit then fails,
// TakeBackUndoStep the edit too when it failed half made.
bool RecordUndoOrRefuse(UndoKind kind, int32_t length);
void WithdrawUndoStep();
// Whole-text work that hands the text over to the control instead of copying
// it (UndoJournal::RecordHandOver): false while the control's own undo is used,
// and then the caller edits as before.
bool RecordHandOver(UndoKind kind);
void KeepReplacedText(TextStorage&& replaced);
bool TakeBackUndoStep();
// Takes back the newest step (Command::Undo while the journal is used).
void UndoLast();
// Forgets every step: a new or loaded document, Save As, the journal switched off.
void ClearUndoJournal();
// Every change of the document, just before it happens (the control's
// EN_TEXTCHANGING): a change no step announced becomes a step of its own.
void NoteDocumentChange(PositionRange replaced, Position inserted);
// The next change loads a new document (the steps go) or puts the same text
// into a re-created control (the steps stay).
void ExpectUnrecordedChange(UndoJournal::UnrecordedChange change);
// What enables the Save button while the journal is used.
bool UndoJournalHoldsRecord();
// Command::Undo, and whether it can act: the control's own undo while
// `useEditorUndo` is set, the journal otherwise.
void UndoCommand();
bool CanUndo();
