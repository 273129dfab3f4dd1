#include "app/error_box.h"

#include <windows.h>

#include "app/globals.h"

void ShowLastError() {
  DWORD code = GetLastError();
  if (code == 0) code = ERROR_BAD_ENVIRONMENT;
  // The whole system text, however long; a code without one is shown by number.
  char* text = nullptr;
  DWORD flags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS;
  if (FormatMessageA(flags, nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr)) {
    MessageBoxA(mainWindow, text, mainClassName, MB_ICONINFORMATION);
    LocalFree(text);
    return;
  }
  char number[32];
  wsprintfA(number, "Ошибка %lu", code);
  MessageBoxA(mainWindow, number, mainClassName, MB_ICONINFORMATION);
}
