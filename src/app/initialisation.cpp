#include "app/initialisation.h"

#include <commctrl.h>

#include "app/menu_bar.h"
#include "base/commands.h"
#include "base/display_scale.h"
#include "base/error_box.h"
#include "base/globals.h"
#include "base/pictures.h"
#include "base/settings_store.h"
#include "base/ui_texts.h"
#include "base/window_dpi.h"
#include "chrome/status_bar.h"
#include "chrome/toolbar.h"
#include "control/document_control.h"
#include "documents/file_dialogs.h"
#include "editor/editor_control.h"
#include "printing/print_setup.h"

static_assert(sizeof(NONCLIENTMETRICSW) == 500, "the metrics record the program was made for (before Vista's padded border)");

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

// Under the common controls of version 6 InitCommonControls registers nothing:
// each class the program creates is named here.
void RegisterCommonControls() {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&classes);
}

}  // namespace

void LoadMenuPictures() {
  if (menuPictures) ImageList_Destroy(menuPictures);
  menuPictures = LoadPictures(PictureSize(16, windowDpi));
}

void InitialiseSharedState(HINSTANCE instance) {
  LoadCustomColors();
  RegisterEditorClass(instance);
  ReadEditorSettings();
  PrepareFileDialogRecord();
  currentPath = untitledName;
  pageMargins = RECT{2500, 2500, 2500, 2500};
  ComputeTextLimit();
  RegisterCommonControls();
  windowDpi = SystemDpiOf(mainWindow);
  LoadMenuPictures();
  if (ReadSettingDword("ST", 1)) CreateStatusBar();
  // The callback object is a static C++ object, ready before any editor exists.
  CreateEditor();
  bigButtons = ReadSettingDword("BIG", 0) != 0;
  if (ReadSettingDword("TL", 1)) CreateToolbar();
}

void ReadMenuMetrics() {
  menuMetrics = MetricsAt(windowDpi);
  if (menuFont) DeleteObject(menuFont);
  menuFont = CreateFontIndirectW(&menuMetrics.lfMenuFont);
}
