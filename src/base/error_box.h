// The program's one error report: the system's text for the last error.
#pragma once
#include <string>

// Shows the text of the calling thread's last error code (error 10 when the
// code is 0) in a message box owned by the main window, captioned "ZORN2";
// `more`, when given, follows it on a line of its own.
void ShowLastError(const char* more = nullptr);
void ShowLastError(const std::wstring& more);

// The system's words for running out of memory (an edit the editor refused).
void ReportOutOfMemory();
