#include "documents/file_dialogs.h"

#include <cderr.h>

#include <algorithm>
#include <cstddef>

#include "base/globals.h"
#include "base/last_resort.h"
#include "base/ui_texts.h"

OPENFILENAMEW fileDialogRecord;
DWORD fileFilterIndex = 1;

namespace {

// The record in the form every system's dialogs accept (76 bytes in a 32-bit program).
constexpr DWORD oldRecordSize = offsetof(OPENFILENAMEW, lpTemplateName) + sizeof(LPCWSTR);
#if defined(_WIN32) && !defined(_WIN64)
static_assert(oldRecordSize == 76);
#endif

// By filter index, from 1.
const wchar_t* const defaultExtensions[] = {L"txt", L"", L"htm", L"pas", L"c", L"bat"};

// Room for the longest path Windows knows, so no name is too long for the
// dialog. Should the dialog still find it short, it leaves the size it needs
// in the first characters: the buffer takes that size and the dialog is shown again.
constexpr DWORD longestPath = 32768;

constexpr DWORD openFlags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_ENABLEHOOK | OFN_HIDEREADONLY;
constexpr DWORD saveFlags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_ENABLEHOOK | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;

void PrepareDialog(DWORD flags, std::wstring& buffer) {
  fileDialogRecord.hwndOwner = mainWindow;
  fileDialogRecord.nFilterIndex = fileFilterIndex;
  fileDialogRecord.Flags = flags;
  fileDialogRecord.lpstrFile = buffer.data();
  fileDialogRecord.nMaxFile = static_cast<DWORD>(buffer.size());
  SetDefaultExtension(fileFilterIndex);
}

// The size in characters a failed dialog asks for in the buffer's first two
// bytes; 0 when it asks for no more than the buffer has.
DWORD NeededSize(const std::wstring& buffer) {
  DWORD needed = buffer[0];
  return needed > buffer.size() ? needed : 0;
}

// On OK `path` is the chosen path; otherwise it stays as it was.
bool RunFileDialog(BOOL(WINAPI* dialog)(LPOPENFILENAMEW), DWORD flags, std::wstring& path) {
  std::wstring buffer(std::max<std::size_t>(longestPath, path.size() + 1), L'\0');
  for (;;) {
    path.copy(buffer.data(), path.size());
    PrepareDialog(flags, buffer);
    if (dialog(&fileDialogRecord)) break;
    DWORD needed = CommDlgExtendedError() == FNERR_BUFFERTOOSMALL ? NeededSize(buffer) : 0;
    if (!needed) return false;  // Cancel, or the dialog failed
    buffer.assign(needed, L'\0');
  }
  fileFilterIndex = fileDialogRecord.nFilterIndex;
  path = buffer.c_str();
  return true;
}

}  // namespace

void PrepareFileDialogRecord() {
  fileDialogRecord = OPENFILENAMEW{};
  fileDialogRecord.lStructSize = oldRecordSize;
  fileDialogRecord.hwndOwner = mainWindow;
  fileDialogRecord.lpstrFilter = fileFilters;
  fileDialogRecord.lpfnHook = FileDialogHook;
}

void SetDefaultExtension(DWORD filterIndex) {
  if (filterIndex < 1 || filterIndex > sizeof defaultExtensions / sizeof defaultExtensions[0]) return;
  fileDialogRecord.lpstrDefExt = defaultExtensions[filterIndex - 1];
}

bool AskOpenPath(std::wstring& path) {
  path.clear();
  return RunFileDialog(GetOpenFileNameW, openFlags, path);
}

bool AskSavePath(std::wstring& path) { return RunFileDialog(GetSaveFileNameW, saveFlags, path); }

static UINT_PTR FileDialogHookUnguarded(HWND, UINT, WPARAM, LPARAM);

UINT_PTR CALLBACK FileDialogHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&] { return FileDialogHookUnguarded(window, message, wParam, lParam); }, UINT_PTR{0});
}

static UINT_PTR FileDialogHookUnguarded(HWND hook, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SendMessageW(GetParent(hook), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIconSmall));
  } else if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == CDN_TYPECHANGE) {
    // The extension follows the filter shown, so a bare name gets the one the user sees.
    auto* notify = reinterpret_cast<OFNOTIFYW*>(lParam);
    SetDefaultExtension(notify->lpOFN ? notify->lpOFN->nFilterIndex : fileDialogRecord.nFilterIndex);
    SendMessageW(GetParent(hook), CDM_SETDEFEXT, 0, reinterpret_cast<LPARAM>(fileDialogRecord.lpstrDefExt));
  }
  return 0;
}
