// Ctrl+W, Ctrl+D, Ctrl+K and Ctrl+U pressed in pairs with Ctrl held: the same key
// twice shows the text in that code page, two different keys recode the
// selection (or the whole text) from the first code page into the second.
#pragma once
#include <cstdint>

#include "base/commands.h"

// The code page of the chord's first key; -1 while no chord is in progress.
extern int32_t chordSource;

// Command::ChordAnsi, ChordOem, ChordKoi8, ChordUtf8.
void OnCodePageChord(Command command);

// A fresh press of Ctrl starts a new chord.
void ResetCodePageChord();
