// Ctrl+W, Ctrl+D and Ctrl+K pressed in pairs with Ctrl held: the same key
// twice shows the text in that code page, two different keys recode the
// selection (or the whole text) from the first code page into the second.
#pragma once
#include <cstdint>

constexpr int firstChordCommand = 100;  // Ctrl+W Windows-1251, 101 Ctrl+D DOS-866, 102 Ctrl+K KOI8-R

// The code page of the chord's first key; -1 while no chord is in progress.
extern int32_t chordSource;

// Commands 100-102.
void OnCodePageChord(int command);

// A fresh press of Ctrl starts a new chord.
void ResetCodePageChord();
