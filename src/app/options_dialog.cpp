#include "app/options_dialog.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "base/globals.h"
#include "base/last_resort.h"
#include "base/settings_store.h"
#include "base/window_messages.h"
#include "chrome/status_bar.h"
#include "chrome/toolbar.h"
#include "editor/caret_report.h"
#include "editor/editor_control.h"
#include "editor/undo_commands.h"

namespace {

constexpr int optionsDialogResource = 5;

enum OptionsControl : int {
  BigButtonsBox = 101,
  ToolbarBox = 108,
  StatusBox = 109,
  JournalBox = 110,  // checked: the program's undo journal, not the control's undo
  PlacementBox = 111,
  IgnoreBreaksBox = 144,
  CaretBox = 1001,
};

// An edit with its up-down: the alignment value it holds.
struct ParagraphField {
  int edit;
  int upDown;
  const char* setting;
  int lowest;
  int highest;
  int fallback;
};

// Written in this order on OK: left, right, first.
constexpr ParagraphField paragraphFields[] = {
    {113, 114, "LI", 0, 80, 0},
    {115, 116, "RI", 10, 128, 80},
    {121, 122, "FI", 0, 80, 0},
};

bool showToolbarChoice;
bool showStatusChoice;

void SetCheck(HWND dialog, int box, bool checked) { CheckDlgButton(dialog, box, checked ? BST_CHECKED : BST_UNCHECKED); }
bool Checked(HWND dialog, int box) { return SendDlgItemMessageA(dialog, box, BM_GETCHECK, 0, 0) != 0; }

void ShowChoices(HWND dialog) {
  SetCheck(dialog, ToolbarBox, showToolbarChoice);
  SetCheck(dialog, StatusBox, showStatusChoice);
  SetCheck(dialog, JournalBox, !useEditorUndo);
  SetCheck(dialog, PlacementBox, rememberPlacement);
  SetCheck(dialog, CaretBox, rememberCaret);
  SetCheck(dialog, BigButtonsBox, bigButtons);
  SetCheck(dialog, IgnoreBreaksBox, ReadSettingDword("IG", 1) != 0);
}

// A stored value outside the field's range starts at the nearest end of it.
void AttachUpDowns(HWND dialog) {
  for (const ParagraphField& field : paragraphFields) {
    int stored = std::clamp(ReadSettingDword(field.setting, field.fallback), field.lowest, field.highest);
    CreateUpDownControl(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 0, 0, 0, 0,
                        dialog, field.upDown, appInstance, GetDlgItem(dialog, field.edit), field.highest,
                        field.lowest, stored);
  }
}

void TakeChoices(HWND dialog) {
  showToolbarChoice = Checked(dialog, ToolbarBox);
  showStatusChoice = Checked(dialog, StatusBox);
  useEditorUndo = !Checked(dialog, JournalBox);
  rememberPlacement = Checked(dialog, PlacementBox);
  rememberCaret = Checked(dialog, CaretBox);
  bigButtons = Checked(dialog, BigButtonsBox);
  WriteSettingDword("IG", static_cast<int32_t>(SendDlgItemMessageA(dialog, IgnoreBreaksBox, BM_GETCHECK, 0, 0)));
  // A field whose text the up-down cannot read as a number in range gives its default.
  for (const ParagraphField& field : paragraphFields) {
    LRESULT position = SendDlgItemMessageA(dialog, field.upDown, UDM_GETPOS, 0, 0);
    WriteSettingDword(field.setting, HIWORD(position) ? field.fallback : static_cast<short>(LOWORD(position)));
  }
}

static INT_PTR OptionsDialogProcUnguarded(HWND, UINT, WPARAM, LPARAM);

INT_PTR CALLBACK OptionsDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&] { return OptionsDialogProcUnguarded(window, message, wParam, lParam); }, INT_PTR{FALSE});
}

static INT_PTR OptionsDialogProcUnguarded(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIconSmall));
    ShowChoices(dialog);
    AttachUpDowns(dialog);
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  if (LOWORD(wParam) == IDOK) {
    TakeChoices(dialog);
    EndDialog(dialog, IDOK);
  } else if (LOWORD(wParam) == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
  }
  return TRUE;
}

void WriteChoices() {
  WriteSettingDword("ST", showStatusChoice);
  WriteSettingDword("TL", showToolbarChoice);
  WriteSettingDword("NO", useEditorUndo);
  WriteSettingDword("AU", rememberPlacement);
  WriteSettingDword("RP", rememberCaret);
  WriteSettingDword("BIG", bigButtons);
}

// The bars follow the choices; the toolbar is always made anew, for the button size.
void ApplyChoices() {
  if (useEditorUndo) {
    ClearUndoJournal();
    editorUndoSeen = true;
  }
  DestroyToolbar();
  if (showToolbarChoice) CreateToolbar();
  if (showStatusChoice && !statusWindow) {
    CreateStatusBar();
    ReportInsertMode();
    ReportCaretPositionAfresh();
  } else if (!showStatusChoice) {
    DestroyStatusBar();
  }
  PostLayout();
}

}  // namespace

void RunOptionsDialog() {
  showStatusChoice = statusWindow != nullptr;
  showToolbarChoice = toolbarWindow != nullptr;
  if (DialogBoxParamW(appInstance, MAKEINTRESOURCEW(optionsDialogResource), mainWindow, OptionsDialogProc, 0) !=
      IDOK) {
    return;
  }
  WriteChoices();
  ApplyChoices();
}
