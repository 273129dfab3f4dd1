#include "editor/undo_commands.h"

#include <windows.h>
#include <richedit.h>

#include <utility>

#include "base/error_box.h"
#include "base/globals.h"
#include "editor/control_editor.h"
#include "editor/editor_control.h"
#include "editor/view_format.h"
#include "editor/view_refresh.h"

namespace {

// `useEditorUndo` is the switch the options change; the journal follows it on every use.
UndoJournal& Journal() {
  static ControlEditor editor;
  static UndoJournal journal(editor, viewCodePage, RefreshViewFormat, ReportOutOfMemory);
  if (journal.UsesEditorUndo() != useEditorUndo) journal.SetUseEditorUndo(useEditorUndo);
  return journal;
}

}  // namespace

void RecordUndo(UndoKind kind, int32_t length) { Journal().RecordUndo(kind, length); }

bool RecordUndoOrRefuse(UndoKind kind, int32_t length) { return Journal().RecordUndoOrRefuse(kind, length); }

void WithdrawUndoStep() { Journal().WithdrawStep(); }

bool RecordHandOver(UndoKind kind) { return Journal().RecordHandOver(kind); }

void KeepReplacedText(TextStorage&& replaced) { Journal().KeepReplacedText(std::move(replaced)); }

bool TakeBackUndoStep() { return Journal().TakeBackStep(); }

void UndoLast() { Journal().UndoLast(); }

void ClearUndoJournal() { Journal().ClearUndoJournal(); }

void NoteDocumentChange(PositionRange replaced, Position inserted) { Journal().NoteChange(replaced, inserted); }

void ExpectUnrecordedChange(UndoJournal::UnrecordedChange change) { Journal().ExpectUnrecordedChange(change); }

bool UndoJournalHoldsRecord() { return !Journal().IsEmpty(); }

void UndoCommand() {
  if (useEditorUndo) {
    SendMessageA(editorWindow, EM_UNDO, 0, 0);
  } else {
    UndoLast();
  }
}

bool CanUndo() {
  if (!useEditorUndo) return UndoJournalHoldsRecord();
  return editorWindow && SendMessageA(editorWindow, EM_CANUNDO, 0, 0) != 0;
}
