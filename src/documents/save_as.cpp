#include "documents/save_as.h"

#include "base/globals.h"
#include "documents/document_save.h"
#include "documents/document_title.h"
#include "documents/file_dialogs.h"
#include "documents/recent_files.h"
#include "editor/undo_commands.h"

bool SaveAs() {
  if (!AskSavePath(currentPath)) return false;
  bool saved = SaveDocument();
  if (saved) {
    AddRecentFile(currentPath, false);
    ClearUndoJournal();
  }
  UpdateTitle();
  return saved;
}
