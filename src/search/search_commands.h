// Find, Replace and Find next on the document control.
#pragma once
#include "base/commands.h"
#include "search/search_state.h"

// The program's one search state.
extern SearchState searchState;

// The dialog, then the search or replace run it asks for.
void RunFindReplace();
// Find next: in find mode a failed step opens the dialog again.
void FindNext();
// False for commands that are not the search's.
bool RunSearchCommand(Command command);
