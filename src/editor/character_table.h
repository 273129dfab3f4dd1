// The character table (Command::CharacterTable): every byte from 32 to 255 in the view code
// page's font; the chosen characters go into the document, and on request to
// the clipboard too.
#pragma once
#include <windows.h>

constexpr int characterTableDialogResource = 6;

// Control and buttons of the dialog.
enum CharacterTableControl : int {
  CharacterTableInsert = IDOK,  // "Копировать напрямую": insert and stay open
  CharacterTableClose = IDCANCEL,
  CharacterTableGrid = 101,
  CharacterTableCopy = 102,  // clipboard, insert, close
};

void ShowCharacterTable();

INT_PTR CALLBACK CharacterTableDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
