#include "documents/document_title.h"

#include <windows.h>

#include <string>

#include "base/file_names.h"
#include "base/globals.h"
#include "base/status_reports.h"
#include "base/ui_texts.h"

namespace {

// The file's own name as the file system stores it, or `currentPath` itself.
std::wstring DocumentName() {
  if (DocumentUntitled()) return currentPath;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(FileSystemPath(currentPath).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return currentPath;
  FindClose(search);
  return found.cFileName;
}

}  // namespace

void UpdateTitle() {
  const std::wstring title = L"[" + DocumentName() + L"]-" + mainClassNameWide;
  SetWindowTextW(mainWindow, title.c_str());
  // A document without a file gets a text no short path can equal: none starts with "[".
  std::wstring markerText = DocumentUntitled() ? std::wstring() : ComparisonForm(currentPath);
  if (markerText.empty()) {
    markerText = title;
    CharLowerBuffW(markerText.data(), static_cast<DWORD>(markerText.size()));
  }
  SetWindowTextW(markerWindow, markerText.c_str());
  ReportStatus(StatusPane::Path);
}
