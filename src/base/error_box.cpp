#include "base/error_box.h"

#include <windows.h>

#include <string>

#include "base/globals.h"

namespace {

void ShowText(const char* text, const char* more) {
  if (!more) {
    MessageBoxA(mainWindow, text, mainClassName, MB_ICONINFORMATION);
    return;
  }
  std::string whole = std::string(text) + "\r\n" + more;
  MessageBoxA(mainWindow, whole.c_str(), mainClassName, MB_ICONINFORMATION);
}

}  // namespace

void ShowLastError(const char* more) {
  DWORD code = GetLastError();
  if (code == 0) code = ERROR_BAD_ENVIRONMENT;
  // The whole system text, however long; a code without one is shown by number.
  char* text = nullptr;
  DWORD flags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS;
  if (FormatMessageA(flags, nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr)) {
    ShowText(text, more);
    LocalFree(text);
    return;
  }
  char number[32];
  wsprintfA(number, "Ошибка %lu", code);
  ShowText(number, more);
}

void ReportOutOfMemory() {
  SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  ShowLastError();
}
