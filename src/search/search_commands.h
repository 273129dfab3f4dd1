// Find (13), Replace (14) and Find next (28) on the document control.
#pragma once
#include "search/search_state.h"

enum SearchCommand : int { findCommand = 13, replaceCommand = 14, findNextCommand = 28 };

// The program's one search state.
extern SearchState searchState;

// The dialog, then the search or replace run it asks for.
void RunFindReplace();
// Find next: in find mode a failed step opens the dialog again.
void FindNext();
// False for commands that are not the search's.
bool RunSearchCommand(int command);
