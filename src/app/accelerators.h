// The command keys: the editor's input procedure translates them with the main
// window as target, so they work while the editor has the focus.
#pragma once
#include <windows.h>

// The table, in lookup order; made once at start-up and kept for the run.
HACCEL CreateAccelerators();
