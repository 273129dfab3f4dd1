#include "editor/control/control_messages.h"

bool HandleClipboardMessage(DocumentControl&, UINT, WPARAM, LPARAM, LRESULT&) { return false; }
