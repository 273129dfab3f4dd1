// The Find/Replace dialog: what to search for and replace it with, as text or
// as hexadecimal bytes, the options, and the history of search texts.
#pragma once
#include <windows.h>

#include "search/search_state.h"

// The dialog's controls.
enum FindReplaceControl : int {
  searchTextBox = 101,     // combo box: the search text, the word at the caret, the history
  wholeWordBox = 102,
  matchCaseBox = 103,
  wholeTextBox = 104,
  backwardsBox = 105,
  searchHexField = 107,
  hexSwitch = 108,         // push-like check box: hex mode while it is on
  replaceTextField = 109,
  replaceHexField = 110,
  confirmBox = 111,
  replaceAllButton = 6,
};

// Dialog resource 1, modal to `owner`, in the mode `state.replaceMode` says.
// 1 after OK or "Все" with `state` filled (typed text in the view code page,
// the search text added to the history); 2 after "Отмена", Esc or closing.
int FindReplaceDialog(HWND owner, SearchState& state);
