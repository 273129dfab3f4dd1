// Measuring and drawing the owner-drawn menu items: a picture column at the
// left (16 pixels at 96 dpi, growing with the window's DPI), then the caption
// (or a recent file's label).
#pragma once
#include <windows.h>

// Both answer WM_MEASUREITEM / WM_DRAWITEM for ODT_MENU and return TRUE.
BOOL MeasureMenuItem(MEASUREITEMSTRUCT* item);
BOOL DrawMenuItem(const DRAWITEMSTRUCT* item);
