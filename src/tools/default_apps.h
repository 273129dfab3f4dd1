// Windows' own page where the user chooses the default program of a file type:
// the program may offer Zorn2 there, never choose for the user.
#pragma once

// Settings' Default apps page (Windows 10 and 11), else the association window
// of Windows 7 and 8 for Zorn2. False when the system has neither; the user
// loses nothing then, the program is offered under "Open with" all the same.
bool OpenDefaultAppsPage();

// What the associations dialog calls; tests see through it whether the page was asked for.
extern bool (*openDefaultAppsPage)();
