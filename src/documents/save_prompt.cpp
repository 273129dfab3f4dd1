#include "documents/save_prompt.h"

#include <windows.h>
#include <richedit.h>

#include "base/globals.h"
#include "documents/document_save.h"
#include "documents/recent_files.h"
#include "documents/save_as.h"
#include "editor/editor_control.h"

namespace {

bool Untitled() { return lstrcmpA(currentPath, untitledName) == 0; }

}  // namespace

bool QueryCloseDocument() {
  RememberCaretOfDocument();
  if (!editorWindow || !SendMessageA(editorWindow, EM_GETMODIFY, 0, 0)) return true;
  char question[MAX_PATH + 16];
  wsprintfA(question, "Сохранить %s?", currentPath);
  switch (MessageBoxA(mainWindow, question, mainClassName, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: return Untitled() ? SaveAs() : SaveDocument();
    case IDNO: return true;
    default: return false;  // Cancel, or no box could be shown
  }
}
