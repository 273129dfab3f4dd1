// Editing keys of the editor input procedure: each records its undo step
// before the control (or the journal) changes the text.
#pragma once
#include <windows.h>

// True when the key was dealt with here and the control must not see it.
bool HandleEditingKey(WPARAM key, LPARAM keyData);
