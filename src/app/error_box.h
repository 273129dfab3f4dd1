// The program's one error report: the system's text for the last error.
#pragma once

// Shows the text of the calling thread's last error code (error 10 when the
// code is 0) in a message box owned by the main window, captioned "ZORN2".
void ShowLastError();
