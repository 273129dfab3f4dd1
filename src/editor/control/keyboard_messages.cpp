#include "editor/control/control_messages.h"

bool HandleKeyboardMessage(DocumentControl&, UINT, WPARAM, LPARAM, LRESULT&) { return false; }
