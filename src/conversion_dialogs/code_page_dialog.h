// Command::ChooseConversion: recodes the selection, or the whole text, from any of the five
// single-byte code pages or UTF-8 into any other through a dialog that remembers the last pair
// ("CP1", "CP2"). The view code page never changes.
#pragma once
#include <windows.h>

constexpr int codePageDialogResource = 8;

enum CodePageDialogControl : int {
  CodePageConvert = IDOK,  // "=>"
  CodePageCancel = IDCANCEL,
  CodePageSourceList = 101,
  CodePageTargetList = 102,
};

void ChooseCodePages();

INT_PTR CALLBACK CodePageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
