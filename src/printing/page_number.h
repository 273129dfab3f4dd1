// The page number, "-N-", centred in the top margin: a hidden document control
// of its own lays it out and draws it in the editor's character format.
#pragma once
#include <windows.h>

#include "printing/page_geometry.h"

// Gives `number` the face, character set, colour and style of the editor's
// selection, the control's own default height, and the background "Bk".
void MatchPageNumberFormat(HWND number);

// Puts page `page` into `number` and lays it out on `target` in the top margin
// of `geometry`, drawing it on `dc` too when `render` is set; returns the
// number's rectangle in twips.
RECT LayOutPageNumber(HWND number, HDC dc, HDC target, const PageGeometry& geometry, unsigned page, bool render);
