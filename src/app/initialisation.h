// The one-time initialisation of the shared state, child windows and images.
#pragma once
#include <windows.h>

// In order: custom colours, the document control's class (an error box and a
// quit code of 255 when it cannot be registered), settings, the file-dialog
// record, margins, the text limit, common controls, status bar, editor,
// toolbar and images.
void InitialiseSharedState(HINSTANCE instance);

// The system's menu font and metrics.
void ReadMenuMetrics();
