#include "tools/byte_patcher.h"

#include <commdlg.h>

#include <optional>

#include "base/error_box.h"
#include "base/globals.h"
#include "base/last_resort.h"
#include "tools/hex_field.h"

char patchPath[MAX_PATH];

namespace {

constexpr int closeButton = IDCANCEL;

const char errorText[] = "Error";
const char titlePrefix[] = "Изменить байт: ";

// Longer than any offset a user types; a longer text is no offset at all.
constexpr int fieldCapacity = 64;
using FieldText = char[fieldCapacity + 1];

bool ReadField(HWND dialog, int field, FieldText& text) {
  if (GetWindowTextLengthA(GetDlgItem(dialog, field)) > fieldCapacity) return false;
  GetDlgItemTextA(dialog, field, text, sizeof text);
  return true;
}

std::optional<uint64_t> OffsetValue(HWND dialog) {
  FieldText text;
  if (!ReadField(dialog, patchOffsetField, text)) return std::nullopt;
  return ParseHexField(text);
}

std::optional<uint8_t> NewByte(HWND dialog) {
  FieldText text;
  if (!ReadField(dialog, patchByteField, text)) return std::nullopt;
  return ParseByteField(text);
}

// A read-only file is refused for writing even where the system would let its
// owner write it anyway (an administrator under Wine).
HANDLE OpenPatchFile(DWORD access) {
  DWORD attributes = GetFileAttributesA(patchPath);
  if (access & GENERIC_WRITE && attributes != INVALID_FILE_ATTRIBUTES && attributes & FILE_ATTRIBUTE_READONLY)
    return INVALID_HANDLE_VALUE;
  DWORD share = access & GENERIC_WRITE ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE;
  return CreateFileA(patchPath, access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
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
  SetDlgItemTextA(dialog, patchByteField, value ? FormatByte(*value).data() : errorText);
}

// The file is checked for writing, then closed while the user answers; the
// write opens it again and lands only where a byte still is.
void WriteNewByte(HWND dialog) {
  std::optional<uint64_t> offset = OffsetValue(dialog);
  std::optional<uint8_t> current = ByteAt(offset, GENERIC_READ | GENERIC_WRITE);
  if (!current) {
    SetDlgItemTextA(dialog, patchByteField, errorText);
    return;
  }
  std::optional<uint8_t> wanted = NewByte(dialog);
  if (!wanted || *wanted == *current) {
    EnableWriting(dialog, false);
    return;
  }
  if (MessageBoxA(dialog, "Вы уверены?", mainClassName, MB_ICONQUESTION | MB_YESNO) != IDYES) return;
  if (!WriteByteAt(*offset, *wanted)) SetDlgItemTextA(dialog, patchByteField, errorText);
}

void SetPatchTitle(HWND dialog) {
  char title[sizeof titlePrefix + MAX_PATH];
  lstrcpyA(title, titlePrefix);
  constexpr int prefixLength = sizeof titlePrefix - 1;
  if (GetFileTitleA(patchPath, title + prefixLength, sizeof title - prefixLength) != 0) title[prefixLength] = '\0';
  SetWindowTextA(dialog, title);
}

}  // namespace

static INT_PTR PatchDialogProcUnguarded(HWND, UINT, WPARAM, LPARAM);

INT_PTR CALLBACK PatchDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&] { return PatchDialogProcUnguarded(window, message, wParam, lParam); }, INT_PTR{FALSE});
}

static INT_PTR PatchDialogProcUnguarded(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    SetPatchTitle(dialog);
    SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIconSmall));
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

void PatchByteCommand() {
  patchPath[0] = '\0';
  OPENFILENAMEA record{};
  record.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  record.hwndOwner = mainWindow;
  record.lpstrFilter = "EXE Files (*.exe)\0*.exe\0All Files (*.*)\0*.*\0";
  record.nFilterIndex = 1;
  record.lpstrFile = patchPath;
  record.nMaxFile = MAX_PATH;
  record.lpstrDefExt = "exe";
  record.Flags = OFN_EXPLORER | OFN_NOREADONLYRETURN | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameA(&record)) {
    // A path too long for the buffer: the dialog left its needed size there.
    if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
      SetLastError(ERROR_FILENAME_EXCED_RANGE);
      ShowLastError();
    }
    return;
  }
  DialogBoxParamA(appInstance, MAKEINTRESOURCEA(patchDialogResource), mainWindow, PatchDialogProc, 0);
}
