#include "editor/view_commands.h"

#include <windows.h>

#include "base/globals.h"
#include "base/settings_store.h"
#include "editor/code_page_fonts.h"
#include "editor/view_format.h"
#include "editor/view_refresh.h"

void SetViewCodePage(CodePage codePage) {
  if (ViewIndex(codePage) < 0) return;
  viewCodePage = codePage;
  RefreshViewFormat();
}

void ChangeFontSize(int step) {
  const int view = ViewIndex(viewCodePage);
  if (view < 0) return;
  const char* name = fontSizeSettings[view];
  int32_t size = UsableFontSize(ReadSettingDword(name, defaultFontSize));
  if (step > 0 && size < largestFontSize) {
    WriteSettingDword(name, size + fontSizeStep);
  } else if (step < 0 && size > smallestFontSize) {
    WriteSettingDword(name, size - fontSizeStep);
  } else {
    return;
  }
  RefreshViewFormat();
}
