// Streams between the editor and open files: the document's bytes as they are.
#pragma once
#include <windows.h>
#include <richedit.h>

// EDITSTREAM callbacks; the cookie is the file handle. Reading reports 0 bytes
// and returns 1 when the read fails; writing returns 2 when fewer bytes were
// written than given (0 reported when the write failed).
DWORD CALLBACK ReadFileChunk(DWORD_PTR cookie, BYTE* buffer, LONG requested, LONG* transferred);
DWORD CALLBACK WriteFileChunk(DWORD_PTR cookie, BYTE* buffer, LONG given, LONG* transferred);

// The file's bytes replace the text (SF_TEXT) or the selection (SFF_SELECTION | SF_TEXT).
// False after a read error.
bool StreamFileIn(HANDLE file, WPARAM format);

// The whole text as plain bytes; false after a write error.
bool StreamFileOut(HANDLE file);

// Opens `path` for reading. INVALID_HANDLE_VALUE when it cannot be opened (a
// directory included) or, with `*tooLarge` set, when it holds more than
// `textLimit` bytes; sizes of 4 GB and more are compared whole.
HANDLE OpenWithinTextLimit(const char* path, bool* tooLarge);
