// The font dialog (4): face, size, character set, bold and italic of one view
// code page, with a live preview of the sample in that code page. It works on
// the working copy below, which EditCodePageFont loads before and stores after.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "codepages/code_pages.h"

constexpr int fontDialogResource = 4;

enum FontDialogControl : int {
  FontDialogOk = IDOK,
  FontDialogCancel = IDCANCEL,
  FontDialogPreview = 100,
  FontDialogFaceList = 101,
  FontDialogCharsetList = 102,
  FontDialogSizeList = 103,
  FontDialogBold = 104,
  FontDialogItalic = 105,
};

// The working copy. A face holds at most 31 characters: a font face name
// (LF_FACESIZE) must keep its zero.
constexpr int fontFaceCapacity = LF_FACESIZE;
extern std::wstring fontDialogFace;
extern int32_t fontDialogSize;     // twips
extern int32_t fontDialogEffects;  // bit 0 bold, bit 1 italic
extern int32_t fontDialogCharset;
extern char fontSampleText[160];  // zero-terminated: the UTF-8 sample is the longest

// Command::AnsiFont, OemFont, Koi8Font, Utf8Font: the font dialog for the font of
// `codePage` (which need not be the view's); OK stores it and shows it at once.
void EditCodePageFont(CodePage codePage);

// The dialog's parameter is the CodePage of the sample. Ends with IDOK, the working copy updated, or with IDCANCEL, untouched.
INT_PTR CALLBACK FontDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
