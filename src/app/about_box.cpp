#include "app/about_box.h"

#include <shellapi.h>

#include "base/globals.h"
#include "base/ui_texts.h"

void ShowAboutBox(HWND owner) { ShellAboutW(owner, aboutApplicationText, aboutOtherText, appIcon); }
