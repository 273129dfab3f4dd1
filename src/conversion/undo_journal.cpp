#include "conversion/undo_journal.h"

UndoRecord* undoJournal;

// Nothing is recorded yet, so there is nothing to take back or free.
void RecordUndo(UndoKind, int32_t) {}
void UndoLast() {}
void ClearUndoJournal() {}
