// Copy and Paste in the clipboard format of the view code page: the document
// holds bytes of the view code page, other programs expect Windows-1251
// (CF_TEXT) or DOS-866 (CF_OEMTEXT), and the system converts between the two.
// The UTF-8 view exchanges UTF-16 (editor/utf8_clipboard.h). Beside either
// goes the program's own format with the bytes exactly (editor/own_clipboard.h).
#pragma once
#include <windows.h>

// Command::Copy; Cut sends it before deleting. Nothing selected: the clipboard stays.
void CopyCommand();
// Command::Paste: replaces the selection, one undo step.
void PasteCommand();
// Puts `length` bytes of the view code page on the clipboard as Copy does;
// false, and the clipboard left alone, when the block or the clipboard cannot be had.
bool CopyBytesToClipboard(const char* bytes, long length);
