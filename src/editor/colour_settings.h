// The three stored colours: editor background "Bk", text "Cl" and HTML tags
// "HTML". A value of another type or size, or no colour at all (a high byte
// set), reads as the default.
#pragma once
#include <windows.h>

COLORREF StoredBackgroundColour();  // default: the system window colour
COLORREF StoredTextColour();        // default: 8, practically black
COLORREF StoredTagColour();         // default: pure blue
