#include "base/error_box.h"

#include <windows.h>

#include <string>

#include "base/globals.h"
#include "base/ui_texts.h"
#include "base/wide_strings.h"

// The reports run where memory has just run out: a text that cannot be built
// gives way to the system's own words, never to an exception.
void ShowInformation(std::wstring_view text) noexcept {
  try {
    const std::wstring whole(text);
    MessageBoxW(mainWindow, whole.c_str(), programCaption, MB_ICONINFORMATION);
  } catch (...) {
    MessageBoxW(mainWindow, outOfMemoryText, programCaption, MB_ICONINFORMATION);
  }
}

void ShowLastError(std::wstring_view more) noexcept {
  DWORD code = GetLastError();
  if (code == 0) code = ERROR_BAD_ENVIRONMENT;
  wchar_t* system = nullptr;
  DWORD flags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS;
  if (!FormatMessageW(flags, nullptr, code, 0, reinterpret_cast<wchar_t*>(&system), 0, nullptr)) system = nullptr;
  try {
    // The whole system text, however long; a code without one is shown by number.
    std::wstring text = system ? std::wstring(system) : FillText(errorNumberText, {std::to_wstring(code)});
    if (!more.empty()) text.append(L"\r\n").append(more);
    ShowInformation(text);
  } catch (...) {
    ShowInformation(system ? std::wstring_view(system) : std::wstring_view(outOfMemoryText));
  }
  if (system) LocalFree(system);
}

void ReportOutOfMemory() noexcept {
  SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  ShowLastError();
}
