#include "editor/view_format.h"

#include <windows.h>
#include <richedit.h>

#include <new>

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

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM param) {
  *reinterpret_cast<bool*>(param) = true;
  return 0;
}

// The stored font of view code page `codePage` and the common text colour.
CHARFORMATW ViewCharFormat(CodePage codePage) {
  const int view = ViewIndex(codePage);
  CHARFORMATW format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_CHARSET | CFM_BOLD | CFM_ITALIC;
  format.crTextColor = StoredTextColour();
  format.yHeight = UsableFontSize(ReadSettingDword(fontSizeSettings[view], defaultFontSize));
  format.bCharSet = static_cast<BYTE>(ReadSettingDword(fontCharsetSettings[view], defaultFontCharsets[view]));
  format.dwEffects = static_cast<DWORD>(ReadSettingDword(fontEffectsSettings[view], 0));
  // A face that is no longer installed leaves the choice to the control, as no face does.
  // Out of memory the face is the control's choice: the view must still change along with the text.
  std::wstring face;
  try {
    face = ReadViewFontFace(codePage);
  } catch (const std::bad_alloc&) {
  }
  if (IsInstalledFace(face)) lstrcpynW(format.szFaceName, face.c_str(), LF_FACESIZE);
  format.bPitchAndFamily = format.szFaceName[0] == L'\0' ? FF_MODERN : 0;
  return format;
}

// The control must not hold the focus while its character set changes; the
// user's input language survives the change.
void SetFormatAwayFromFocus(CHARFORMATW& format) {
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

std::wstring ReadViewFontFace(CodePage codePage) {
  const int view = ViewIndex(codePage);
  if (view < 0) return {};
  DWORD type = REG_NONE, stored = 0;
  if (!DescribeSetting(fontFaceSettings[view], &type, &stored)) return defaultFontFaces[view];
  std::wstring face = ReadSettingText(fontFaceSettings[view]);
  if (face.size() >= LF_FACESIZE) face.resize(LF_FACESIZE - 1);
  return face;
}

unsigned ViewClipboardFormat() { return viewCodePage == Ansi ? CF_TEXT : CF_OEMTEXT; }

bool IsInstalledFace(const std::wstring& face) {
  if (face.empty()) return false;
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(wanted.lfFaceName, face.c_str(), LF_FACESIZE);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, reinterpret_cast<FONTENUMPROCW>(NoteFace), reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

void ApplyViewFormat() {
  if (!editorWindow || ViewIndex(viewCodePage) < 0) return;
  LRESULT modified = SendMessageA(editorWindow, EM_GETMODIFY, 0, 0);
  SendMessageA(editorWindow, EM_SETSEL, 0, -1);
  CHARFORMATW format = ViewCharFormat(viewCodePage);
  SetFormatAwayFromFocus(format);
  SendMessageA(editorWindow, EM_EMPTYUNDOBUFFER, 0, 0);
  SendMessageA(editorWindow, EM_SETMODIFY, modified != 0, 0);
  ReportStatus(StatusPane::CodePage);
}
