#include "base/error_box.h"

#include <windows.h>

#include "base/globals.h"

namespace {

std::wstring WideFromAnsi(const char* text) {
  int size = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  std::wstring wide(size > 0 ? size : 0, L'\0');
  if (size > 0) MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), size);
  wide.resize(size > 0 ? size - 1 : 0);
  return wide;
}

// The whole system text for `code`, however long; a code without one by number.
std::wstring SystemText(DWORD code) {
  wchar_t* text = nullptr;
  DWORD flags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS;
  if (!FormatMessageW(flags, nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr)) {
    return L"Ошибка " + std::to_wstring(code);
  }
  std::wstring whole = text;
  LocalFree(text);
  return whole;
}

}  // namespace

void ShowLastError(const std::wstring& more) {
  DWORD code = GetLastError();
  if (code == 0) code = ERROR_BAD_ENVIRONMENT;
  std::wstring text = SystemText(code);
  if (!more.empty()) text += L"\r\n" + more;
  MessageBoxW(mainWindow, text.c_str(), L"ZORN2", MB_ICONINFORMATION);
}

void ShowLastError(const char* more) { ShowLastError(more ? WideFromAnsi(more) : std::wstring()); }

void ReportOutOfMemory() {
  SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  ShowLastError();
}
