// The view code page chosen for a text just loaded.
#pragma once

// Guesses the code page from the start of the editor's text (UTF-8 when the start
// is UTF-8 with a letter beyond ASCII, else one of the three single-byte pages) and
// shows the text in it when that differs from the view's. Skipped when no sample block can be had.
void GuessViewAfterLoad();
