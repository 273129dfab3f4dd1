#include "editor/view_format.h"

#include <windows.h>
#include <richedit.h>

#include "base/commands.h"
#include "base/globals.h"
#include "base/settings_store.h"
#include "base/status_reports.h"
#include "control/document_control.h"
#include "editor/code_page_fonts.h"
#include "editor/colour_settings.h"
#include "editor/editor_control.h"

CodePage viewCodePage = Ansi;

namespace {

int CALLBACK NoteFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM param) {
  *reinterpret_cast<bool*>(param) = true;
  return 0;
}

// The stored font of view code page `codePage` and the common text colour.
CHARFORMATA ViewCharFormat(CodePage codePage) {
  const int view = ViewIndex(codePage);
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_CHARSET | CFM_BOLD | CFM_ITALIC;
  format.crTextColor = StoredTextColour();
  format.yHeight = UsableFontSize(ReadSettingDword(fontSizeSettings[view], defaultFontSize));
  format.bCharSet = static_cast<BYTE>(ReadSettingDword(fontCharsetSettings[view], defaultFontCharsets[view]));
  format.dwEffects = static_cast<DWORD>(ReadSettingDword(fontEffectsSettings[view], 0));
  // A face that is no longer installed leaves the choice to the control, as no face does.
  ReadViewFontFace(codePage, format.szFaceName, sizeof format.szFaceName);
  if (!IsInstalledFace(format.szFaceName)) format.szFaceName[0] = '\0';
  format.bPitchAndFamily = format.szFaceName[0] == '\0' ? FF_MODERN : 0;
  return format;
}

// The control must not hold the focus while its character set changes; the
// user's input language survives the change.
void SetFormatAwayFromFocus(CHARFORMATA& format) {
  HKL layout = GetKeyboardLayout(0);
  editorFocusForward = false;
  if (mainWindow) SetFocus(mainWindow);
  SendMessageA(editorWindow, EM_SETVIEWCODEPAGE, viewCodePage, 0);
  SendMessageA(editorWindow, EM_SETCHARFORMAT, 0, reinterpret_cast<LPARAM>(&format));
  SendMessageA(editorWindow, EM_SETCHARFORMAT, SCF_SELECTION | SCF_ALL, reinterpret_cast<LPARAM>(&format));
  editorFocusForward = true;
  SetFocus(editorWindow);
  ActivateKeyboardLayout(layout, 0);
}

}  // namespace

void ReadViewFontFace(CodePage codePage, char* face, unsigned size) {
  const int view = ViewIndex(codePage);
  if (size == 0 || view < 0) return;
  DWORD type = REG_NONE, stored = 0;
  if (!DescribeSetting(fontFaceSettings[view], &type, &stored)) {
    lstrcpynA(face, defaultFontFaces[view], static_cast<int>(size));
    return;
  }
  ReadSettingStringCut(fontFaceSettings[view], face, size);
}

unsigned ViewClipboardFormat() { return viewCodePage == Ansi ? CF_TEXT : CF_OEMTEXT; }

bool IsInstalledFace(const char* face) {
  if (!face[0]) return false;
  LOGFONTA wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(wanted.lfFaceName, face, sizeof wanted.lfFaceName);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExA(screen, &wanted, reinterpret_cast<FONTENUMPROCA>(NoteFace), reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

void ApplyViewFormat() {
  if (!editorWindow || ViewIndex(viewCodePage) < 0) return;
  LRESULT modified = SendMessageA(editorWindow, EM_GETMODIFY, 0, 0);
  SendMessageA(editorWindow, EM_SETSEL, 0, -1);
  CHARFORMATA format = ViewCharFormat(viewCodePage);
  SetFormatAwayFromFocus(format);
  SendMessageA(editorWindow, EM_EMPTYUNDOBUFFER, 0, 0);
  SendMessageA(editorWindow, EM_SETMODIFY, modified != 0, 0);
  ReportStatus(StatusPane::CodePage);
}
