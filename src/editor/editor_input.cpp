#include "editor/editor_input.h"

#include "conversion/code_page_chord.h"
#include "editor/editor_control.h"

// Keys, undo recording and the caret report come here later; for now every
// message goes on to the control unchanged.
LRESULT CALLBACK EditorInputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN && wParam == VK_CONTROL) ResetCodePageChord();
  return CallWindowProcA(editorBaseProc, window, message, wParam, lParam);
}
