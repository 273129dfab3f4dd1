// Where the document control's text lies in its window: the text area, the
// rows that fit in it, the width rows wrap at, and the way between a text
// position and a client point.
#pragma once
#include "base/display_scale.h"
#include "control/control_state.h"

// At 96 dpi: width of the selection bar (ES_SELECTIONBAR) and the blank inset of the text.
inline constexpr int SelectionBarWidth = 8;
inline constexpr int TextInsetX = 2;
inline constexpr int TextInsetY = 1;

// `pixels` at 96 dpi at the control's DPI.
inline int AtDpi(const DocumentControl& control, int pixels) { return Scaled(pixels, control.dpi); }

// The client area the text is drawn in, and its first text pixel column.
RECT TextArea(const DocumentControl& control);
int TextLeft(const DocumentControl& control);
// Whole rows that fit (at least 1), and rows that show at least partly.
int VisibleRows(const DocumentControl& control);
int PartlyVisibleRows(const DocumentControl& control);
// The width rows wrap at, or 0 when they do not wrap.
int WrapWidth(const DocumentControl& control);

// Where `position` is drawn (the left edge of its caret, top of its row), or
// false when it is not in view.
bool PointOfPosition(const DocumentControl& control, Position position, POINT& point);
// The caret position under a client point; rows above or below the view count.
Position PositionOfPoint(const DocumentControl& control, POINT point);
// The row shown at a client y.
Row RowOfPoint(const DocumentControl& control, int y);
