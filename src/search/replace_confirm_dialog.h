// "Заменить?": asked before each replacement while "&Запрос" is on.
#pragma once
#include <windows.h>

// Dialog resource 3, modal to `owner`: the id of the button pressed (a
// ReplaceAnswer; 2 also for Esc and closing), or what DialogBoxParamW gives
// when the dialog cannot be shown (0 or -1).
int ReplaceConfirmDialog(HWND owner);
