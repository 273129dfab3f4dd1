#include "documents/file_dialogs.h"

#include <cderr.h>

#include <cstddef>

#include "base/error_box.h"
#include "base/globals.h"
#include "base/last_resort.h"

OPENFILENAMEA fileDialogRecord;
DWORD fileFilterIndex = 1;

namespace {

// The record in the form every system's dialogs accept (76 bytes in a 32-bit program).
constexpr DWORD oldRecordSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
#if defined(_WIN32) && !defined(_WIN64)
static_assert(oldRecordSize == 76);
#endif

const char fileFilters[] =
    "Текстовые файлы (*.txt,*.diz,*.rtf)\0*.txt;*.diz;*.rtf\0"
    "Все файлы (*.*)\0*.*\0"
    "HTML файлы (*.htm,*.html)\0*.htm;*.html\0"
    "Pascal файлы (*.pas,*.dpr,*.asm)\0*.pas;*.dpr;*.asm\0"
    "C++ файлы (*.c,*.cpp,*.h,*.rc)\0*.c;*.h;*.cpp;*.rc\0"
    "OS файлы (*.bat,*.log,*.ini)\0*.bat;*.log;*.ini\0";

// By filter index, from 1.
const char* const defaultExtensions[] = {"txt", "", "htm", "pas", "c", "bat"};

constexpr DWORD openFlags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_ENABLEHOOK | OFN_HIDEREADONLY;
constexpr DWORD saveFlags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_ENABLEHOOK | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;

void PrepareDialog(DWORD flags, char* path) {
  fileDialogRecord.hwndOwner = mainWindow;
  fileDialogRecord.nFilterIndex = fileFilterIndex;
  fileDialogRecord.Flags = flags;
  fileDialogRecord.lpstrFile = path;
  fileDialogRecord.nMaxFile = MAX_PATH;
  SetDefaultExtension(fileFilterIndex);
}

// On OK the buffer holds the chosen path. A path longer than the buffer fails
// the dialog, which then leaves its needed size in the buffer's first bytes:
// the user is told, and the caller's buffer is never the dialog's.
bool RunFileDialog(BOOL(WINAPI* dialog)(LPOPENFILENAMEA), DWORD flags, char (&path)[MAX_PATH]) {
  char chosen[MAX_PATH];
  lstrcpynA(chosen, path, sizeof chosen);
  PrepareDialog(flags, chosen);
  if (!dialog(&fileDialogRecord)) {
    if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
      SetLastError(ERROR_FILENAME_EXCED_RANGE);
      ShowLastError();
    }
    return false;
  }
  fileFilterIndex = fileDialogRecord.nFilterIndex;
  lstrcpynA(path, chosen, MAX_PATH);
  return true;
}

}  // namespace

void PrepareFileDialogRecord() {
  fileDialogRecord = OPENFILENAMEA{};
  fileDialogRecord.lStructSize = oldRecordSize;
  fileDialogRecord.hwndOwner = mainWindow;
  fileDialogRecord.lpstrFilter = fileFilters;
  fileDialogRecord.nMaxFile = MAX_PATH;
  fileDialogRecord.lpfnHook = FileDialogHook;
}

void SetDefaultExtension(DWORD filterIndex) {
  if (filterIndex < 1 || filterIndex > sizeof defaultExtensions / sizeof defaultExtensions[0]) return;
  fileDialogRecord.lpstrDefExt = defaultExtensions[filterIndex - 1];
}

bool AskOpenPath(char (&path)[MAX_PATH]) {
  path[0] = '\0';
  return RunFileDialog(GetOpenFileNameA, openFlags, path);
}

bool AskSavePath(char (&path)[MAX_PATH]) { return RunFileDialog(GetSaveFileNameA, saveFlags, path); }

static UINT_PTR FileDialogHookUnguarded(HWND, UINT, WPARAM, LPARAM);

UINT_PTR CALLBACK FileDialogHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&] { return FileDialogHookUnguarded(window, message, wParam, lParam); }, UINT_PTR{0});
}

static UINT_PTR FileDialogHookUnguarded(HWND hook, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SendMessageA(GetParent(hook), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIconSmall));
  } else if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == CDN_TYPECHANGE) {
    // The extension follows the filter shown, so a bare name gets the one the user sees.
    auto* notify = reinterpret_cast<OFNOTIFYA*>(lParam);
    SetDefaultExtension(notify->lpOFN ? notify->lpOFN->nFilterIndex : fileDialogRecord.nFilterIndex);
    SendMessageA(GetParent(hook), CDM_SETDEFEXT, 0, reinterpret_cast<LPARAM>(fileDialogRecord.lpstrDefExt));
  }
  return 0;
}
