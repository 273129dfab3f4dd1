// The control as an OLE drop target: dragged text lands at the drop caret
// (moved or, with Ctrl, copied when it is the control's own selection), and
// dropped files reach a control with WS_EX_ACCEPTFILES as WM_DROPFILES, as
// they would without a drop target.
#pragma once
#include "control/control_state.h"

// Registers the control's drop target; without OLE in the thread nothing
// happens and files still come as WM_DROPFILES from the system.
void RegisterDropTarget(DocumentControl& control);
void RevokeDropTarget(DocumentControl& control);
