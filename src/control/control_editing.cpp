#include "control/control_editing.h"

#include <new>
#include <vector>

#include "control/control_geometry.h"
#include "control/control_view.h"

namespace {

// Starts of the rows from the one holding `from` to the end of the text line
// that holds `edit` (from lies at most one row before it), at most `most`.
std::vector<Position> RowStarts(const RowLayout& layout, Position from, Position edit, int most) {
  std::vector<Position> starts;
  Row row = layout.RowAt(from);
  for (;;) {
    starts.push_back(row.start);
    bool lineDone = row.hardEnd && row.next > edit;
    if (lineDone || static_cast<int>(starts.size()) >= most || !layout.NextRow(row, row)) return starts;
  }
}

// Repaints what an edit inside one text line changed: from the row before it
// (a word may now fit there) to the first row that only moved by the bytes
// inserted or removed; everything below when the line's rows changed in
// number or the view ends first.
void RefreshEditedRows(DocumentControl& control, const std::vector<Position>& before, PositionRange replaced,
                       Position delta) {
  std::vector<Position> after =
      RowStarts(control.Layout(), before.front(), replaced.start, PartlyVisibleRows(control) + 1);
  for (std::size_t i = 1; i < before.size() && i < after.size(); ++i) {
    if (before[i] >= replaced.end && after[i] == before[i] + delta) {
      RefreshRows(control, before.front(), after[i - 1]);
      return;
    }
  }
  bool sameRows = before.size() == after.size() && static_cast<int>(after.size()) <= PartlyVisibleRows(control);
  RefreshRows(control, before.front(), sameRows ? after.back() : -1);
}

}  // namespace

bool ReplaceSelection(DocumentControl& control, std::string_view text, UndoAction undo) {
  DocumentEngine& engine = control.engine;
  PositionRange selection = engine.GetSelection();
  Position topBefore = control.top.start;
  std::int64_t xBefore = control.xOffset;
  std::vector<Position> rowsBefore;
  if (control.redraw) {  // the rows to repaint; nothing is painted while drawing is off
    RowLayout layout = control.Layout();
    Row row = layout.RowAt(selection.start), previous;
    Position from = layout.PreviousRow(row, previous) ? previous.start : row.start;
    rowsBefore = RowStarts(layout, from, selection.start, PartlyVisibleRows(control) + 1);
  }
  bool linesChange = text.find_first_of("\r\n") != std::string_view::npos ||
                     engine.GetLineFromPosition(selection.start) != engine.GetLineFromPosition(selection.end);
  if (!engine.ReplaceSelection(text, undo)) return false;
  KeepSelectionOnCharacters(control);  // bytes on either side may have joined into one character
  control.goalX = -1;
  // The text has changed: a view that cannot follow for lack of memory is
  // drawn afresh, and the caller still learns that its bytes went in.
  try {
    auto inserted = static_cast<Position>(text.size());
    AfterReplace(control, selection.start, selection.end - selection.start, inserted);
    EnsureCaretVisible(control);
    if (!control.redraw) return true;
    if (control.top.start != topBefore || control.xOffset != xBefore || linesChange) {
      RefreshView(control);
    } else {
      RefreshEditedRows(control, rowsBefore, selection, inserted - (selection.end - selection.start));
    }
  } catch (const std::bad_alloc&) {
    RecoverView(control);
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
  KeepSelectionOnCharacters(control);
  control.goalX = -1;
  EnsureCaretVisible(control);
  RefreshView(control);
  return true;
}
