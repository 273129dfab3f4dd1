#include "editor/conversion_report.h"

#include <windows.h>

#include <string>

#include "base/globals.h"
#include "base/ui_texts.h"
#include "base/view_code_pages.h"
#include "base/wide_strings.h"

namespace {

// In a box of its own: the status bar may be hidden.
void ReportCount(const wchar_t* text, std::size_t count, CodePage page) {
  if (count == 0) return;
  const std::wstring filled = FillText(text, {WideFromUtf8(CodePageDisplayName(page)), std::to_wstring(count)});
  MessageBoxW(mainWindow, filled.c_str(), programCaption, MB_OK | MB_ICONINFORMATION);
}

}  // namespace

void ReportReplacedCharacters(std::size_t count, CodePage page) { ReportCount(replacedCharactersText, count, page); }

void ReportUndefinedBytes(std::size_t count, CodePage page) { ReportCount(undefinedBytesText, count, page); }
