#include "tools/byte_patcher.h"

#include <commdlg.h>

#include <optional>

#include "base/error_box.h"
#include "base/file_names.h"
#include "base/globals.h"
#include "base/last_resort.h"
#include "base/ui_texts.h"
#include "base/wide_strings.h"
#include "tools/hex_field.h"

std::wstring patchPath;

namespace {

constexpr int closeButton = IDCANCEL;

// Longer than any offset a user types; a longer text is no offset at all.
constexpr int fieldCapacity = 64;

// The field's text when it is short enough to be a number: hexadecimal digits are ASCII.
std::optional<std::string> ReadField(HWND dialog, int field) {
  if (GetWindowTextLengthW(GetDlgItem(dialog, field)) > fieldCapacity) return std::nullopt;
  wchar_t text[fieldCapacity + 1] = {};
  GetDlgItemTextW(dialog, field, text, fieldCapacity + 1);
  return Utf8FromWide(text);
}

std::optional<uint64_t> OffsetValue(HWND dialog) {
  std::optional<std::string> text = ReadField(dialog, patchOffsetField);
  if (!text) return std::nullopt;
  return ParseHexField(text->c_str());
}

std::optional<uint8_t> NewByte(HWND dialog) {
  std::optional<std::string> text = ReadField(dialog, patchByteField);
  if (!text) return std::nullopt;
  return ParseByteField(text->c_str());
}

// A read-only file is refused for writing even where the system would let its
// owner write it anyway (an administrator under Wine).
HANDLE OpenPatchFile(DWORD access) {
  const std::wstring reached = FileSystemPath(patchPath);
  DWORD attributes = GetFileAttributesW(reached.c_str());
  if (access & GENERIC_WRITE && attributes != INVALID_FILE_ATTRIBUTES && attributes & FILE_ATTRIBUTE_READONLY)
    return INVALID_HANDLE_VALUE;
  DWORD share = access & GENERIC_WRITE ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE;
  return CreateFileW(reached.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Positions the open file at `offset` when a byte is there: never past its end,
// where a write would make the file longer.
bool SeekToByte(HANDLE file, uint64_t offset) {
  LARGE_INTEGER size, position;
  if (!GetFileSizeEx(file, &size) || offset >= static_cast<uint64_t>(size.QuadPart)) return false;
  position.QuadPart = static_cast<LONGLONG>(offset);
  return SetFilePointerEx(file, position, nullptr, FILE_BEGIN) != 0;
}

// The byte at `offset`, read from the file opened with `access`.
std::optional<uint8_t> ByteAt(std::optional<uint64_t> offset, DWORD access) {
  if (!offset) return std::nullopt;
  HANDLE file = OpenPatchFile(access);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  BYTE value = 0;
  DWORD read = 0;
  bool ok = SeekToByte(file, *offset) && ReadFile(file, &value, 1, &read, nullptr) && read == 1;
  CloseHandle(file);
  if (!ok) return std::nullopt;
  return value;
}

bool WriteByteAt(uint64_t offset, uint8_t value) {
  HANDLE file = OpenPatchFile(GENERIC_READ | GENERIC_WRITE);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = SeekToByte(file, offset) && WriteFile(file, &value, 1, &written, nullptr) && written == 1;
  return CloseHandle(file) && ok;
}

void EnableWriting(HWND dialog, bool enabled) { EnableWindow(GetDlgItem(dialog, patchWriteButton), enabled); }

void ShowCurrentByte(HWND dialog) {
  std::optional<uint8_t> value = ByteAt(OffsetValue(dialog), GENERIC_READ);
  EnableWriting(dialog, value.has_value());
  SetDlgItemTextW(dialog, patchByteField, value ? WideFromUtf8(FormatByte(*value).data()).c_str() : patchErrorText);
}

// The file is checked for writing, then closed while the user answers; the
// write opens it again and lands only where a byte still is.
void WriteNewByte(HWND dialog) {
  std::optional<uint64_t> offset = OffsetValue(dialog);
  std::optional<uint8_t> current = ByteAt(offset, GENERIC_READ | GENERIC_WRITE);
  if (!current) {
    SetDlgItemTextW(dialog, patchByteField, patchErrorText);
    return;
  }
  std::optional<uint8_t> wanted = NewByte(dialog);
  if (!wanted || *wanted == *current) {
    EnableWriting(dialog, false);
    return;
  }
  if (MessageBoxW(dialog, patchConfirmText, programCaption, MB_ICONQUESTION | MB_YESNO) != IDYES) return;
  if (!WriteByteAt(*offset, *wanted)) SetDlgItemTextW(dialog, patchByteField, patchErrorText);
}

// The file's name after the prefix; the name alone, whatever its length.
void SetPatchTitle(HWND dialog) {
  std::wstring title = patchTitlePrefix;
  const std::size_t slash = patchPath.find_last_of(L"\\/");
  title += slash == std::wstring::npos ? patchPath : patchPath.substr(slash + 1);
  SetWindowTextW(dialog, title.c_str());
}

}  // namespace

static INT_PTR PatchDialogProcUnguarded(HWND, UINT, WPARAM, LPARAM);

INT_PTR CALLBACK PatchDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&] { return PatchDialogProcUnguarded(window, message, wParam, lParam); }, INT_PTR{FALSE});
}

static INT_PTR PatchDialogProcUnguarded(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    SetPatchTitle(dialog);
    SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIconSmall));
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  int control = LOWORD(wParam);
  int notification = HIWORD(wParam);
  if (control == patchOffsetField && (notification == EN_SETFOCUS || notification == EN_CHANGE)) {
    ShowCurrentByte(dialog);
  } else if (control == patchWriteButton && notification == BN_CLICKED) {
    WriteNewByte(dialog);
  } else if (control == closeButton) {
    EndDialog(dialog, closeButton);
  } else {
    return FALSE;
  }
  return TRUE;
}

// Room for the longest path Windows knows: no name is cut or refused for its length.
constexpr DWORD longestPath = 32768;

void PatchByteCommand() {
  std::wstring chosen(longestPath, L'\0');
  OPENFILENAMEW record{};
  record.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
  record.hwndOwner = mainWindow;
  record.lpstrFilter = L"EXE Files (*.exe)\0*.exe\0All Files (*.*)\0*.*\0";
  record.nFilterIndex = 1;
  record.lpstrFile = chosen.data();
  record.nMaxFile = longestPath;
  record.lpstrDefExt = L"exe";
  record.Flags = OFN_EXPLORER | OFN_NOREADONLYRETURN | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&record)) {
    // A path too long for the buffer: the dialog left its needed size there.
    if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
      SetLastError(ERROR_FILENAME_EXCED_RANGE);
      ShowLastError();
    }
    return;
  }
  patchPath = chosen.c_str();
  DialogBoxParamW(appInstance, MAKEINTRESOURCEW(patchDialogResource), mainWindow, PatchDialogProc, 0);
}
