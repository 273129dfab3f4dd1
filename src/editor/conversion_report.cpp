#include "editor/conversion_report.h"

#include <windows.h>

#include <string>

#include "base/globals.h"
#include "base/ui_texts.h"
#include "base/view_code_pages.h"
#include "base/wide_strings.h"

// In a box of its own: the status bar may be hidden.
void ReportReplacedCharacters(std::size_t count, CodePage page) {
  if (count == 0) return;
  const std::wstring text = std::wstring(replacedCharactersText) + WideFromUtf8(CodePageDisplayName(page)) + L": " +
                            std::to_wstring(count) + L". " + replacedCharactersHint;
  MessageBoxW(mainWindow, text.c_str(), programCaption, MB_OK | MB_ICONINFORMATION);
}
