#include "editor/editor_input.h"

#include "app/globals.h"
#include "conversion/code_page_chord.h"
#include "editor/editor_control.h"

namespace {

// Accelerators act while the editor has the focus: the loop does not translate
// them, this procedure does, with the main window as the command's target.
bool TranslateForMainWindow(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!accelerators || !mainWindow) return false;
  MSG record{};
  record.hwnd = mainWindow;
  record.message = message;
  record.wParam = wParam;
  record.lParam = lParam;
  return TranslateAcceleratorA(mainWindow, accelerators, &record) != 0;
}

}  // namespace

// Undo recording of keys and typing in the OEM and KOI8-R views come here later.
LRESULT CALLBACK EditorInputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (TranslateForMainWindow(message, wParam, lParam)) return 0;
  if (message == WM_KEYDOWN && wParam == VK_CONTROL) ResetCodePageChord();
  return CallWindowProcA(editorBaseProc, window, message, wParam, lParam);
}
