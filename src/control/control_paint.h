// Drawing the document control: each visible row, byte by byte through the
// view code page, with Unicode GDI calls into an off-screen bitmap.
#pragma once
#include "control/control_state.h"

// Room kept right of the widest row for the caret.
inline constexpr int CaretWidthMargin = 4;

// Draws the whole client area and copies the `update` part to `target`.
void PaintControl(DocumentControl& control, HDC target, const RECT& update);
void OnPaint(DocumentControl& control);
void OnPrintClient(DocumentControl& control, HDC dc);
