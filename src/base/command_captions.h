// The texts of the menu bar: its eight menus and the commands Cut to Associations, in
// UTF-16; "&" marks the mnemonic letter. The toolbar's tooltips reuse them.
#pragma once
#include "base/commands.h"

constexpr int popupMenuCount = 8;

extern const wchar_t* const menuCaptions[popupMenuCount];  // by menu index, "&Файл" first

// The caption of `command`, or the empty string for a command without one
// (5, and anything outside Cut..Associations).
const wchar_t* CommandCaption(Command command);
