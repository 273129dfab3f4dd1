// Copy and Paste: the copied bytes go out as text other programs read
// (editor/text_clipboard.h) and exactly, in the program's own format
// (editor/own_clipboard.h); a paste takes its own bytes back in the view they
// were copied in, and any other text into the view code page.
#pragma once
#include <windows.h>

// Command::Copy; Cut sends it before deleting. Nothing selected: the clipboard stays.
void CopyCommand();
// Command::Paste: replaces the selection, one undo step.
void PasteCommand();
// Puts `length` bytes of the view code page on the clipboard as Copy does;
// false, and the clipboard left alone, when the block or the clipboard cannot be had.
bool CopyBytesToClipboard(const char* bytes, long length);
