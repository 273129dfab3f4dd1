#include "editor/control/control_editing.h"

#include "editor/control/control_view.h"

namespace {

// Rows from `row` to the end of its text line, counted no further than `most`.
int RowsToLineEnd(const RowLayout& layout, Row row, int most) {
  int count = 1;
  while (!row.hardEnd && count <= most && layout.NextRow(row, row)) ++count;
  return count;
}

}  // namespace

bool ReplaceSelection(DocumentControl& control, std::string_view text, UndoAction undo) {
  DocumentEngine& engine = control.engine;
  PositionRange selection = engine.GetSelection();
  Position topBefore = control.top.start;
  int most = PartlyVisibleRows(control);
  // What an edit inside one line can change: from the row before it (a word
  // may now fit there) to the end of the line, unless the line's rows grow or
  // shrink and move everything below.
  Position repaintFrom;
  int rowsBefore;
  {
    RowLayout layout = control.Layout();
    Row row = layout.RowAt(selection.start), previous;
    repaintFrom = layout.PreviousRow(row, previous) ? previous.start : row.start;
    rowsBefore = RowsToLineEnd(layout, row, most);
  }
  bool linesChange = text.find_first_of("\r\n") != std::string_view::npos ||
                     engine.GetLineFromPosition(selection.start) != engine.GetLineFromPosition(selection.end);
  if (!engine.ReplaceSelection(text, undo)) return false;
  AfterReplace(control, selection.start, selection.end - selection.start, static_cast<Position>(text.size()));
  control.goalX = -1;
  EnsureCaretVisible(control);
  if (control.top.start != topBefore || linesChange) {
    RefreshView(control);
    return true;
  }
  RowLayout layout = control.Layout();
  Row row = layout.RowAt(selection.start);
  int rowsAfter = RowsToLineEnd(layout, row, most);
  if (rowsAfter != rowsBefore || rowsAfter > most) {
    RefreshRows(control, repaintFrom, -1);
  } else {
    Row last = row;
    layout.MoveRows(last, rowsAfter - 1);
    RefreshRows(control, repaintFrom, last.start);
  }
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
