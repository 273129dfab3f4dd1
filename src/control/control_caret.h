// The caret of the document control and what focus does to it and to the
// selection's highlight.
#pragma once
#include "control/control_state.h"

inline constexpr int CaretWidth = 2;  // at 96 dpi

// Moves the system caret to the caret position (hidden when it is out of view).
void PlaceCaret(DocumentControl& control);
// A caret of the height of the current font.
void ResizeCaret(DocumentControl& control);
void OnSetFocus(DocumentControl& control);
void OnKillFocus(DocumentControl& control);
// EM_HIDESELECTION: hide or show the selection; `changeStyle` makes it the
// rule for unfocused times too.
void HideSelection(DocumentControl& control, bool hide, bool changeStyle);
// The caret that shows where dragged text would land while it hovers; an
// unfocused control makes a caret of its own when the thread has none.
void ShowDropCaret(DocumentControl& control, Position position);
// Back to the caret of the selection, or none without the focus.
void HideDropCaret(DocumentControl& control);
