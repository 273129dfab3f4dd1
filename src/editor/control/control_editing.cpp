#include "editor/control/control_editing.h"

#include "editor/control/control_view.h"

bool ReplaceSelection(DocumentControl& control, std::string_view text, UndoAction undo) {
  PositionRange selection = control.engine.GetSelection();
  if (!control.engine.ReplaceSelection(text, undo)) return false;
  AfterReplace(control, selection.start, selection.end - selection.start, static_cast<Position>(text.size()));
  control.goalX = -1;
  EnsureCaretVisible(control);
  RefreshView(control);
  return true;
}

bool ReplaceWholeText(DocumentControl& control, std::string_view text) {
  if (!control.engine.SetText(text)) return false;
  AfterWholeText(control);
  RefreshView(control);
  return true;
}

bool UndoLastChange(DocumentControl& control) {
  Position before = control.engine.GetLength();
  if (!control.engine.Undo()) return false;
  // The step put back the selected bytes; whatever stood there went.
  PositionRange restored = control.engine.GetSelection();
  Position inserted = restored.end - restored.start;
  Position removed = inserted - (control.engine.GetLength() - before);
  AfterReplace(control, restored.start, removed, inserted);
  control.goalX = -1;
  EnsureCaretVisible(control);
  RefreshView(control);
  return true;
}
