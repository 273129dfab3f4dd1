// The program's boxes: the system's text for the last error, and information.
// None of them throws: they are shown where memory has just run out.
#pragma once
#include <string_view>

// Shows the text of the calling thread's last error code (error 10 when the
// code is 0) in a message box owned by the main window, captioned "ZORN2";
// `more`, when given, follows it on a line of its own.
void ShowLastError(std::wstring_view more = {}) noexcept;

// The system's words for running out of memory (an edit the editor refused).
void ReportOutOfMemory() noexcept;

// `text` in an information box owned by the main window, captioned "ZORN2".
void ShowInformation(std::wstring_view text) noexcept;
