// Process entry of zorn2.exe.
#include <windows.h>

#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { ExitProcess(static_cast<UINT>(RunZorn2(instance))); }
