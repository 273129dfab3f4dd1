// Dragging the selected text away with OLE: inside the control it is moved
// (copied with Ctrl) by the control's drop target; elsewhere the taker gets
// the text in every clipboard text format.
#pragma once
#include "control/control_state.h"

// Runs the drag of the selection until it is dropped or given up.
void StartTextDrag(DocumentControl& control);
