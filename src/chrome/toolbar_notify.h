// What the toolbar, its tooltips and its customisation dialog ask of the main
// window: texts, the offered buttons, saving and restoring the arrangement.
#pragma once
#include <windows.h>

// True when `header` was the toolbar's to answer, with the answer in `result`.
bool OnToolbarNotify(NMHDR* header, LRESULT* result);
