#include "editor/view_commands.h"

#include <windows.h>

#include "base/globals.h"
#include "base/settings_store.h"
#include "editor/code_page_fonts.h"
#include "conversion_dialogs/font_dialog.h"
#include "codepages/font_sample.h"
#include "editor/view_format.h"
#include "editor/view_refresh.h"

void SetViewCodePage(CodePage codePage) {
  if (codePage >= viewCodePageCount) return;
  viewCodePage = codePage;
  RefreshViewFormat();
}

void ChangeFontSize(int step) {
  const char* name = fontSizeSettings[viewCodePage];
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

void EditCodePageFont(CodePage codePage) {
  if (codePage >= viewCodePageCount) return;
  fontDialogSize = UsableFontSize(ReadSettingDword(fontSizeSettings[codePage], defaultFontSize));
  fontDialogEffects = ReadSettingDword(fontEffectsSettings[codePage], 0);
  fontDialogCharset = ReadSettingDword(fontCharsetSettings[codePage], defaultFontCharsets[codePage]);
  ReadSettingStringCut(fontFaceSettings[codePage], fontDialogFace, sizeof fontDialogFace);
  lstrcpynA(fontSampleText, FontSampleText(codePage).c_str(), sizeof fontSampleText);
  if (DialogBoxParamA(appInstance, MAKEINTRESOURCEA(fontDialogResource), mainWindow, FontDialogProc, codePage) !=
      FontDialogOk) {
    return;
  }
  WriteSettingString(fontFaceSettings[codePage], fontDialogFace);
  WriteSettingDword(fontCharsetSettings[codePage], fontDialogCharset);
  WriteSettingDword(fontEffectsSettings[codePage], fontDialogEffects);
  WriteSettingDword(fontSizeSettings[codePage], fontDialogSize);
  RefreshViewFormat();
}
