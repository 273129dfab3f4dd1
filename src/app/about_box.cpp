#include "app/about_box.h"

#include <shellapi.h>

#include "base/globals.h"

// The shell shows the part before "#" in the title and the rest as the first line.
const char aboutApplicationText[] = "Zorn2.1.6#Редактор текстов в кодировках Windows-1251, DOS-866 и KOI8-R";
const char aboutOtherText[] = "Автор: ZovaV";

void ShowAboutBox(HWND owner) { ShellAboutA(owner, aboutApplicationText, aboutOtherText, appIcon); }
