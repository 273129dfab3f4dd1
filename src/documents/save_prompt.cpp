#include "documents/save_prompt.h"

#include <windows.h>
#include <richedit.h>

#include <string>

#include "base/globals.h"
#include "base/ui_texts.h"
#include "documents/document_save.h"
#include "documents/recent_files.h"
#include "documents/save_as.h"
#include "editor/editor_control.h"

bool QueryCloseDocument() {
  RememberCaretOfDocument();
  if (!editorWindow || !SendMessageW(editorWindow, EM_GETMODIFY, 0, 0)) return true;
  const std::wstring question = FillText(saveChangesQuestion, {currentPath});
  switch (MessageBoxW(mainWindow, question.c_str(), programCaption, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: return DocumentUntitled() ? SaveAs() : SaveDocument();
    case IDNO: return true;
    default: return false;  // Cancel, or no box could be shown
  }
}
