// Command::Options: the options dialog, which switches the bars, the button size,
// the undo mode, what is remembered and the alignment's paragraph values.
#pragma once

// Writes the settings and applies them at once when the dialog ends with OK.
void RunOptionsDialog();
