#include "documents/document_title.h"

#include <windows.h>

#include "base/globals.h"
#include "base/running_instance.h"
#include "base/status_reports.h"

namespace {

// The file's own name as the file system stores it, or `currentPath` itself.
void DocumentName(char (&name)[MAX_PATH]) {
  lstrcpynA(name, currentPath, sizeof name);
  if (lstrcmpA(currentPath, untitledName) == 0) return;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(currentPath, &found);
  if (search == INVALID_HANDLE_VALUE) return;
  FindClose(search);
  lstrcpynA(name, found.cFileName, sizeof name);
}

}  // namespace

void UpdateTitle() {
  char name[MAX_PATH];
  DocumentName(name);
  char title[MAX_PATH + 16];
  wsprintfA(title, "[%s]-%s", name, mainClassName);
  SetWindowTextA(mainWindow, title);
  // A document without a file gets a text no short path can equal: none starts with "[".
  char markerText[MAX_PATH];
  bool untitled = lstrcmpA(currentPath, untitledName) == 0;
  if (untitled || !MarkerTextFor(currentPath, markerText)) {
    lstrcpynA(markerText, title, sizeof markerText);
    CharLowerA(markerText);
  }
  SetWindowTextA(markerWindow, markerText);
  ReportStatus(StatusPane::Path);
}
