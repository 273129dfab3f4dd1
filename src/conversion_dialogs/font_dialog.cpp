#include "conversion_dialogs/font_dialog.h"

#include <richedit.h>

#include <iterator>
#include <string>

#include "base/globals.h"
#include "base/last_resort.h"
#include "base/settings_store.h"
#include "base/wide_strings.h"
#include "codepages/font_sample.h"
#include "control/document_control.h"
#include "editor/code_page_fonts.h"
#include "editor/colour_settings.h"
#include "editor/view_format.h"
#include "editor/view_refresh.h"

std::wstring fontDialogFace;
int32_t fontDialogSize;
int32_t fontDialogEffects;
int32_t fontDialogCharset;
char fontSampleText[160];

namespace {

struct CharsetEntry {
  const wchar_t* name;
  int32_t value;
};
constexpr CharsetEntry charsetEntries[] = {{L"RUSSIAN_CHARSET", 204}, {L"OEM_CHARSET", 255}, {L"DEFAULT_CHARSET", 1}};
constexpr int sizeEntries = 20;  // 1 to 20 points
constexpr int twipsPerPoint = 20;

int CALLBACK AddFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM param) {
  if (font->lfFaceName[0] == L'@') return 1;  // a vertical face, for text set in columns
  HWND list = reinterpret_cast<HWND>(param);
  LRESULT index = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(font->lfFaceName));
  bool chosen = SendMessageW(list, CB_GETCURSEL, 0, 0) >= 0;  // a family may come twice
  if (index >= 0 && !chosen && lstrcmpiW(font->lfFaceName, fontDialogFace.c_str()) == 0) {
    SendMessageW(list, CB_SETCURSEL, index, 0);
  }
  return 1;
}

// An empty entry first, then the families in the order the system gives them.
void FillFaces(HWND list) {
  SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L""));
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesW(screen, nullptr, AddFace, reinterpret_cast<LPARAM>(list));
  ReleaseDC(nullptr, screen);
}

void FillCharsets(HWND list) {
  for (const CharsetEntry& entry : charsetEntries) {
    LRESULT index = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name));
    if (entry.value == fontDialogCharset) SendMessageW(list, CB_SETCURSEL, index, 0);
  }
}

void FillSizes(HWND list) {
  for (unsigned points = 1; points <= sizeEntries; ++points) {
    const std::wstring text = std::to_wstring(points);
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  int32_t points = fontDialogSize / twipsPerPoint;
  if (points >= 1 && points <= sizeEntries) SendMessageW(list, CB_SETCURSEL, points - 1, 0);
}

// What the controls show now, as the working copy would hold it.
struct Chosen {
  std::wstring face;
  int32_t size = 0;
  int32_t effects = 0;
  int32_t charset = 0;
  bool sizeChosen = false;
  bool charsetChosen = false;
};

Chosen ReadControls(HWND dialog) {
  Chosen chosen;
  chosen.face = WindowTextOf(GetDlgItem(dialog, FontDialogFaceList));
  if (chosen.face.size() >= fontFaceCapacity) chosen.face.resize(fontFaceCapacity - 1);
  LRESULT size = SendDlgItemMessageW(dialog, FontDialogSizeList, CB_GETCURSEL, 0, 0);
  chosen.sizeChosen = size >= 0 && size < sizeEntries;
  if (chosen.sizeChosen) chosen.size = static_cast<int32_t>(size + 1) * twipsPerPoint;
  LRESULT charset = SendDlgItemMessageW(dialog, FontDialogCharsetList, CB_GETCURSEL, 0, 0);
  chosen.charsetChosen = charset >= 0 && charset < static_cast<LRESULT>(std::size(charsetEntries));
  if (chosen.charsetChosen) chosen.charset = charsetEntries[charset].value;
  if (IsDlgButtonChecked(dialog, FontDialogBold) == BST_CHECKED) chosen.effects |= CFE_BOLD;
  if (IsDlgButtonChecked(dialog, FontDialogItalic) == BST_CHECKED) chosen.effects |= CFE_ITALIC;
  return chosen;
}

CHARFORMATW PreviewFormat(const std::wstring& face, int32_t size, int32_t effects, int32_t charset) {
  CHARFORMATW format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_SIZE | CFM_FACE | CFM_CHARSET | CFM_BOLD | CFM_ITALIC;
  format.yHeight = size;
  format.dwEffects = static_cast<DWORD>(effects);
  format.bCharSet = static_cast<BYTE>(charset);
  lstrcpynW(format.szFaceName, face.c_str(), LF_FACESIZE);
  format.bPitchAndFamily = face.empty() ? FF_MODERN : 0;
  return format;
}

// The sample's bytes are in `codePage`: the preview draws them through it.
void ShowPreview(HWND dialog, CodePage codePage) {
  HWND preview = GetDlgItem(dialog, FontDialogPreview);
  SendMessageA(preview, EM_SETVIEWCODEPAGE, codePage, 0);
  CHARFORMATW format = PreviewFormat(fontDialogFace, fontDialogSize, fontDialogEffects, fontDialogCharset);
  format.dwMask |= CFM_COLOR;
  format.crTextColor = StoredTextColour();
  SendMessageA(preview, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  SendMessageA(preview, EM_SETBKGNDCOLOR, 0, StoredBackgroundColour());
  SetWindowTextA(preview, fontSampleText);
}

// A size or character set that no entry shows keeps the preview's (and, on
// OK, the working copy's): a size of 0 twips would show nothing.
void UpdatePreview(HWND dialog) {
  Chosen chosen = ReadControls(dialog);
  CHARFORMATW format = PreviewFormat(chosen.face, chosen.size, chosen.effects, chosen.charset);
  if (!chosen.sizeChosen) format.dwMask &= ~static_cast<DWORD>(CFM_SIZE);
  if (!chosen.charsetChosen) format.dwMask &= ~static_cast<DWORD>(CFM_CHARSET);
  SendDlgItemMessageA(dialog, FontDialogPreview, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

void TakeControls(HWND dialog) {
  Chosen chosen = ReadControls(dialog);
  fontDialogFace = chosen.face;
  if (chosen.sizeChosen) fontDialogSize = chosen.size;
  if (chosen.charsetChosen) fontDialogCharset = chosen.charset;
  fontDialogEffects = chosen.effects;
}

void InitDialog(HWND dialog, CodePage codePage) {
  SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIconSmall));
  FillFaces(GetDlgItem(dialog, FontDialogFaceList));
  FillCharsets(GetDlgItem(dialog, FontDialogCharsetList));
  FillSizes(GetDlgItem(dialog, FontDialogSizeList));
  ShowPreview(dialog, codePage);
  CheckDlgButton(dialog, FontDialogBold, (fontDialogEffects & CFE_BOLD) ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dialog, FontDialogItalic, (fontDialogEffects & CFE_ITALIC) ? BST_CHECKED : BST_UNCHECKED);
}

}  // namespace

static INT_PTR FontDialogProcUnguarded(HWND, UINT, WPARAM, LPARAM);

INT_PTR CALLBACK FontDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&] { return FontDialogProcUnguarded(window, message, wParam, lParam); }, INT_PTR{FALSE});
}

static INT_PTR FontDialogProcUnguarded(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    InitDialog(dialog, IsViewCodePage(static_cast<int>(lParam)) ? static_cast<CodePage>(lParam) : Ansi);
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case FontDialogFaceList:
    case FontDialogCharsetList:
    case FontDialogSizeList:
    case FontDialogBold:
    case FontDialogItalic:
      UpdatePreview(dialog);
      return TRUE;
    case FontDialogOk:
      TakeControls(dialog);
      EndDialog(dialog, FontDialogOk);
      return TRUE;
    case FontDialogCancel:
      EndDialog(dialog, FontDialogCancel);
      return TRUE;
    default:
      return FALSE;
  }
}

void EditCodePageFont(CodePage codePage) {
  const int view = ViewIndex(codePage);
  if (view < 0) return;
  fontDialogSize = UsableFontSize(ReadSettingDword(fontSizeSettings[view], defaultFontSize));
  fontDialogEffects = ReadSettingDword(fontEffectsSettings[view], 0);
  fontDialogCharset = ReadSettingDword(fontCharsetSettings[view], defaultFontCharsets[view]);
  fontDialogFace = ReadViewFontFace(codePage);
  lstrcpynA(fontSampleText, FontSampleText(codePage).c_str(), sizeof fontSampleText);
  if (DialogBoxParamW(appInstance, MAKEINTRESOURCEW(fontDialogResource), mainWindow, FontDialogProc, codePage) !=
      FontDialogOk) {
    return;
  }
  WriteSettingText(fontFaceSettings[view], fontDialogFace);
  WriteSettingDword(fontCharsetSettings[view], fontDialogCharset);
  WriteSettingDword(fontEffectsSettings[view], fontDialogEffects);
  WriteSettingDword(fontSizeSettings[view], fontDialogSize);
  RefreshViewFormat();
}
