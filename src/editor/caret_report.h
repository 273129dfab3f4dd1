// What the status bar shows of the editor: caret position and insert mode.
#pragma once

// Pane 0 as "%4u:%u", column then line, both from 1; nothing when the
// selection is the one last reported or there is no status bar.
void ReportCaretPosition();

// The same, even for the selection last reported: its text may have changed
// before it, or the pane may be new.
void ReportCaretPositionAfresh();

// Pane 3: "Вставка" in insert mode, "Замена" in overwrite mode.
void ReportInsertMode();
