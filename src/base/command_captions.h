// The texts of the menu bar: its eight menus and the commands 1 to 56, in
// Windows-1251; "&" marks the mnemonic letter. The toolbar's tooltips reuse them.
#pragma once

constexpr int popupMenuCount = 8;
constexpr int lastCaptionedCommand = 56;

extern const char* const menuCaptions[popupMenuCount];  // by menu index, "&Файл" first

// The caption of `command`, or the empty string for a command without one
// (5, and anything outside 1..56).
const char* CommandCaption(int command);
