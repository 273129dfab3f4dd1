// What the parts below the chrome tell the status bar, which stands above them.
// The bar installs its receiver while it exists; with no bar a report goes nowhere.
#pragma once

enum class StatusPane : int { Caret = 0, Keyboard = 1, CodePage = 2, InsertMode = 3, Path = 4 };

// Shows `text` in `pane`; given no text, draws the pane again from the state it
// shows (the keyboard language, the view code page, the file path).
using StatusReceiver = void (*)(StatusPane pane, const wchar_t* text);

void SetStatusReceiver(StatusReceiver receiver);  // nullptr: the bar is gone
bool StatusBarShown();
void ReportStatus(StatusPane pane, const wchar_t* text = nullptr);
