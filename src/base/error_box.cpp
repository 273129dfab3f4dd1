#include "base/error_box.h"

#include <windows.h>

#include <string>

#include "base/globals.h"
#include "base/ui_texts.h"
#include "base/wide_strings.h"

void ShowInformation(std::wstring_view text) {
  const std::wstring whole(text);
  MessageBoxW(mainWindow, whole.c_str(), programCaption, MB_ICONINFORMATION);
}

void ShowLastError(std::wstring_view more) {
  DWORD code = GetLastError();
  if (code == 0) code = ERROR_BAD_ENVIRONMENT;
  // The whole system text, however long; a code without one is shown by number.
  std::wstring text;
  wchar_t* system = nullptr;
  DWORD flags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS;
  if (FormatMessageW(flags, nullptr, code, 0, reinterpret_cast<wchar_t*>(&system), 0, nullptr) && system) {
    text = system;
    LocalFree(system);
  } else {
    text = FillText(errorNumberText, {std::to_wstring(code)});
  }
  if (!more.empty()) text.append(L"\r\n").append(more);
  ShowInformation(text);
}

void ShowLastError(const char* more) {
  DWORD code = GetLastError();
  std::wstring wide = more ? WideFromBytes(more, CP_ACP) : std::wstring();
  SetLastError(code);
  ShowLastError(wide);
}

void ReportOutOfMemory() {
  SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  ShowLastError();
}
