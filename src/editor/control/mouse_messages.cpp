#include "editor/control/control_messages.h"

bool HandleMouseMessage(DocumentControl&, UINT, WPARAM, LPARAM, LRESULT&) { return false; }
