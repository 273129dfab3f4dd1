// The program's own multi-level undo history of edits.
#pragma once
#include <cstdint>

enum UndoKind : unsigned char {
  UndoTyping = 0,
  UndoEnter = 1,
  UndoDelete = 2,
  UndoBackspace = 3,
  UndoReplace = 4,
  UndoDeleteWordRight = 5,
  UndoSnapshot = 6,
  UndoDeleteWordLeft = 7,
  UndoOverwrite = 8,
};

struct UndoRecord;
extern UndoRecord* undoJournal;  // newest record; null when the journal is empty

void RecordUndo(UndoKind kind, int32_t length);
void UndoLast();
void ClearUndoJournal();
