// The document control's view on its text: which row is at the top, the
// scroll bars, following changes, and keeping the caret in sight.
#pragma once
#include "control/control_state.h"

// Keeps the top row a row start and no lower than needed to show the end.
void ClampTop(DocumentControl& control);
// Moves the top by `rows` rows (negative: up) and returns how far it moved.
std::int64_t ScrollRows(DocumentControl& control, std::int64_t rows);
// Sets the horizontal scroll (no word wrap), never below 0.
void ScrollToX(DocumentControl& control, std::int64_t x);
// The first visible line as EM_GETFIRSTVISIBLELINE counts it: screen lines.
// Without wrap that is the text line. With wrap, all rows above the view are
// never counted: near the previous answer the rows in between are counted, so
// that two answers differ by the rows EM_LINESCROLL needs between them; far
// from it the answer starts afresh from the text line of the top row.
Position FirstVisibleLine(DocumentControl& control);
// How far from the previous answer rows are still counted.
inline constexpr Position NearViewBytes = 1 << 20;

// Scrolls as little as possible to show the caret.
void EnsureCaretVisible(DocumentControl& control);

// The view after [at, at + removed) became `inserted` bytes, after a whole
// new text, and after anything that changes how rows break (font, code page,
// width).
void AfterReplace(DocumentControl& control, Position at, Position removed, Position inserted);
void AfterWholeText(DocumentControl& control);
void AfterLayoutChange(DocumentControl& control);

// Scroll bars, caret and picture after a change (nothing while drawing is off).
void RefreshView(DocumentControl& control);
// The view found afresh after running out of memory half way through
// following a change; failing that too, at least painted anew.
void RecoverView(DocumentControl& control) noexcept;
void UpdateScrollBars(DocumentControl& control);
// Like RefreshView, but repaints only the rows from the one holding `from` to
// the one holding `to`, or to the bottom of the view when `to` is -1.
void RefreshRows(DocumentControl& control, Position from, Position to);

// Selects from `anchor` to `caret` as the user does: the caret is brought into
// view and the picture follows. `keepGoal` keeps the column Up and Down aim at.
void SelectByUser(DocumentControl& control, Position anchor, Position caret, bool keepGoal = false);
// The other end of the selection from the caret.
Position SelectionAnchor(const DocumentControl& control);
// Moves an end of the selection that stands inside a UTF-8 character (after
// the view changed, or an edit joined bytes into one) back to its start.
void KeepSelectionOnCharacters(DocumentControl& control);
