#include "app/initialisation.h"

#include <commctrl.h>

#include "app/menu_bar.h"
#include "base/commands.h"
#include "base/error_box.h"
#include "base/globals.h"
#include "base/settings_store.h"
#include "base/ui_texts.h"
#include "chrome/status_bar.h"
#include "chrome/toolbar.h"
#include "control/document_control.h"
#include "documents/file_dialogs.h"
#include "editor/editor_control.h"
#include "printing/print_setup.h"

static_assert(sizeof(NONCLIENTMETRICSA) == 340, "the metrics record the program was made for");

namespace {

void LoadCustomColors() {
  for (int i = 15; i >= 0; --i) customColors[i] = GetSysColor(i);
}

void RegisterEditorClass(HINSTANCE instance) {
  documentControlRegistered = RegisterDocumentControlClass(instance);
  if (documentControlRegistered) return;
  ShowLastError();
  PostQuitMessage(255);
}

void ReadEditorSettings() {
  wrapStyle = static_cast<DWORD>(ReadSettingDword("WW", static_cast<int32_t>(wordWrapOffStyle)));
  useEditorUndo = ReadSettingDword("NO", 0) != 0;
  editorUndoSeen = useEditorUndo;
}

HBITMAP LoadBitmapImage(HINSTANCE module, int id) {
  return static_cast<HBITMAP>(LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
}

// Under the common controls of version 6 InitCommonControls registers nothing:
// each class the program creates is named here.
void RegisterCommonControls() {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&classes);
}

void LoadImages(HINSTANCE instance) {
  toolbarImages = nullptr;
  stdImages = LoadBitmapImage(GetModuleHandleA("comctl32.dll"), 120);
  if (programImages) DeleteObject(programImages);
  programImages = LoadBitmapImage(instance, 1);
}

}  // namespace

void InitialiseSharedState(HINSTANCE instance) {
  LoadCustomColors();
  RegisterEditorClass(instance);
  ReadEditorSettings();
  PrepareFileDialogRecord();
  currentPath = untitledName;
  pageMargins = RECT{2500, 2500, 2500, 2500};
  ComputeTextLimit();
  RegisterCommonControls();
  if (ReadSettingDword("ST", 1)) CreateStatusBar();
  // The callback object is a static C++ object, ready before any editor exists.
  CreateEditor();
  bigButtons = ReadSettingDword("BIG", 0) != 0;
  if (ReadSettingDword("TL", 1)) CreateToolbar();
  LoadImages(instance);
}

void ReadMenuMetrics() {
  menuMetrics.cbSize = sizeof menuMetrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof menuMetrics, &menuMetrics, 0);
  menuFont = CreateFontIndirectW(&menuMetrics.lfMenuFont);
}
