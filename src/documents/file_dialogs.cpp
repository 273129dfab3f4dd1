#include "documents/file_dialogs.h"

#include <cstddef>

#include "app/globals.h"

OPENFILENAMEA fileDialogRecord;

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

}  // namespace

void PrepareFileDialogRecord() {
  fileDialogRecord = OPENFILENAMEA{};
  fileDialogRecord.lStructSize = oldRecordSize;
  fileDialogRecord.hwndOwner = mainWindow;
  fileDialogRecord.lpstrFilter = fileFilters;
  fileDialogRecord.nMaxFile = MAX_PATH;
  fileDialogRecord.lpfnHook = FileDialogHook;
}

UINT_PTR CALLBACK FileDialogHook(HWND hook, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) {
    SendMessageA(GetParent(hook), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIconSmall));
  }
  return 0;
}
