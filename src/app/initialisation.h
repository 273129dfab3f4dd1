// The one-time initialisation of the shared state, child windows and images.
#pragma once
#include <windows.h>

// In order: custom colours, the document control's class (an error box and a
// quit code of 255 when it cannot be registered), settings, the file-dialog
// record, margins, the text limit, common controls, the window's DPI, menu
// pictures, status bar, editor and toolbar.
void InitialiseSharedState(HINSTANCE instance);

// The system's menu font and metrics at the window's DPI.
void ReadMenuMetrics();
// The menus' and the status bar's pictures at the window's DPI.
void LoadMenuPictures();
