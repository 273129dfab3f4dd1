// Changes of the text made through the control, keeping the view in step with
// the engine: the top row, the caret in sight and the picture.
#pragma once
#include <string_view>

#include "control/control_state.h"

// Replaces the selection; false when the text limit refuses it.
bool ReplaceSelection(DocumentControl& control, std::string_view text, UndoAction undo);
// Replaces the whole text (WM_SETTEXT); false when the text limit refuses it.
bool ReplaceWholeText(DocumentControl& control, std::string_view text);
// The control's own one-step undo.
bool UndoLastChange(DocumentControl& control);
