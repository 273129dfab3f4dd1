#include "conversion_dialogs/code_page_dialog.h"

#include <richedit.h>

#include "base/commands.h"
#include "base/globals.h"
#include "base/last_resort.h"
#include "base/settings_store.h"
#include "base/view_code_pages.h"
#include "base/wide_strings.h"
#include "codepages/code_pages.h"
#include "codepages/recoding_routes.h"
#include "editor/editor_control.h"
#include "editor/text_transform.h"

namespace {

// The five single-byte pages, then UTF-8: each list position is its CodePage.
constexpr int listedCodePages = Utf8 + 1;

void FillList(HWND list, int32_t chosen) {
  for (int i = listedCodePages - 1; i >= 0; --i) {
    const std::wstring name = WideFromUtf8(CodePageDisplayName(static_cast<CodePage>(i)));
    SendMessageW(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  // A stored value outside the six leaves the list without a selection.
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
}

CodePage chosenSource = Ansi, chosenTarget = Ansi;

// Stores the pair and closes the dialog, which then converts; a list without a
// selection converts nothing, since no table belongs to it, and the dialog stays open.
void Convert(HWND dialog) {
  LRESULT source = SendDlgItemMessageA(dialog, CodePageSourceList, LB_GETCURSEL, 0, 0);
  LRESULT target = SendDlgItemMessageA(dialog, CodePageTargetList, LB_GETCURSEL, 0, 0);
  if (source < 0 || source >= listedCodePages || target < 0 || target >= listedCodePages) return;
  WriteSettingDword("CP1", static_cast<int32_t>(source));
  WriteSettingDword("CP2", static_cast<int32_t>(target));
  chosenSource = static_cast<CodePage>(source);
  chosenTarget = static_cast<CodePage>(target);
  EndDialog(dialog, CodePageConvert);
}

// After the dialog has closed, so that the box counting replaced characters stands alone.
void ConvertChosen() {
  if (chosenSource == Utf8 || chosenTarget == Utf8) {
    RecodeWithUtf8(Command::ChooseConversion, chosenSource, chosenTarget);
  } else {
    RecodingRoute route = ChosenRecodingRoute(chosenSource, chosenTarget);
    TransformText(Command::ChooseConversion, route.fromTable, route.toTable);
  }
}

}  // namespace

static INT_PTR CodePageDialogProcUnguarded(HWND, UINT, WPARAM, LPARAM);

INT_PTR CALLBACK CodePageDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&] { return CodePageDialogProcUnguarded(window, message, wParam, lParam); }, INT_PTR{FALSE});
}

static INT_PTR CodePageDialogProcUnguarded(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIconSmall));
      FillList(GetDlgItem(dialog, CodePageSourceList), ReadSettingDword("CP1", Ansi));
      FillList(GetDlgItem(dialog, CodePageTargetList), ReadSettingDword("CP2", Koi8));
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == CodePageConvert) {
        Convert(dialog);
        return TRUE;
      }
      if (LOWORD(wParam) == CodePageCancel) {
        EndDialog(dialog, CodePageCancel);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

void ChooseCodePages() {
  if (editorWindow) SendMessageA(editorWindow, EM_HIDESELECTION, FALSE, TRUE);
  if (DialogBoxParamW(appInstance, MAKEINTRESOURCEW(codePageDialogResource), mainWindow, CodePageDialogProc, 0) ==
      CodePageConvert) {
    ConvertChosen();
  }
  if (editorWindow) SendMessageA(editorWindow, EM_HIDESELECTION, TRUE, TRUE);
}
