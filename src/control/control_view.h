// The document control's view on its text: where rows go on screen, which row
// is at the top, the scroll bars, and keeping the caret in sight.
#pragma once
#include "control/control_state.h"

// Width of the selection bar (ES_SELECTIONBAR) and the blank inset of the text.
inline constexpr int SelectionBarWidth = 8;
inline constexpr int TextInsetX = 2;
inline constexpr int TextInsetY = 1;

// The client area the text is drawn in, and its first text pixel column.
RECT TextArea(const DocumentControl& control);
int TextLeft(const DocumentControl& control);
// Whole rows that fit (at least 1), and rows that show at least partly.
int VisibleRows(const DocumentControl& control);
int PartlyVisibleRows(const DocumentControl& control);
// The width rows wrap at, or 0 when they do not wrap.
int WrapWidth(const DocumentControl& control);

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

// Where `position` is drawn (the left edge of its caret, top of its row), or
// false when it is not in view.
bool PointOfPosition(const DocumentControl& control, Position position, POINT& point);
// The caret position under a client point; rows above or below the view count.
Position PositionOfPoint(const DocumentControl& control, POINT point);
// The row shown at a client y.
Row RowOfPoint(const DocumentControl& control, int y);

// Selects from `anchor` to `caret` as the user does: the caret is brought into
// view and the picture follows. `keepGoal` keeps the column Up and Down aim at.
void SelectByUser(DocumentControl& control, Position anchor, Position caret, bool keepGoal = false);
// The other end of the selection from the caret.
Position SelectionAnchor(const DocumentControl& control);
