#include "conversion/view_format.h"

#include <windows.h>

#include "editor/control/document_control.h"
#include "editor/editor_control.h"

CodePage viewCodePage = Ansi;

// The fonts per code page come later; the control is told the code page only.
void ApplyViewFormat() {
  if (!editorWindow) return;
  SendMessageA(editorWindow, EM_SETVIEWCODEPAGE, viewCodePage, 0);
}
