// Streams between the editor and open files: the document's bytes as they are.
#pragma once
#include <windows.h>
#include <richedit.h>

#include <string>

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

// Opens `path` for reading. INVALID_HANDLE_VALUE with the last error set when
// it cannot be opened (ERROR_DIRECTORY for a directory) or, with `*tooLarge`
// set and ERROR_FILE_TOO_LARGE, when it holds more than `textLimit` bytes;
// sizes of 4 GB and more are compared whole; ERROR_NOT_ENOUGH_MEMORY when the
// path cannot be copied. A path into System32 reaches the file named there
// (base/file_names.h).
HANDLE OpenWithinTextLimit(const std::wstring& path, bool* tooLarge);

// The error box for a file OpenWithinTextLimit refused: the system's reason,
// the file's name and, for a file too large, how much the editor holds.
void ReportUnopenedFile(const std::wstring& path, bool tooLarge) noexcept;
