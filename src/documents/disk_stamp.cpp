#include "documents/disk_stamp.h"

#include <utility>

#include "base/globals.h"
#include "base/ui_texts.h"

namespace {

struct DiskStamp {
  std::wstring path;  // empty: nothing noted
  ULONGLONG size = 0;
  FILETIME written{};
};
DiskStamp noted;

bool StampOf(HANDLE file, DiskStamp& stamp) {
  BY_HANDLE_FILE_INFORMATION information{};
  if (!GetFileInformationByHandle(file, &information)) return false;
  stamp.size = (ULONGLONG{information.nFileSizeHigh} << 32) | information.nFileSizeLow;
  stamp.written = information.ftLastWriteTime;
  return true;
}

// Through a handle, so that a link answers for the file it leads to.
HANDLE OpenForStamp(const std::wstring& path) {
  return CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                     nullptr, OPEN_EXISTING, 0, nullptr);
}

}  // namespace

void NoteDiskStamp(std::wstring path, HANDLE file) noexcept {
  if (!StampOf(file, noted)) path.clear();
  noted.path.swap(path);
}

void NoteDiskStampOf(const std::wstring& path) {
  std::wstring noting = path;  // copied before the file is open
  HANDLE file = OpenForStamp(path);
  if (file == INVALID_HANDLE_VALUE) {
    noted.path.clear();
    return;
  }
  NoteDiskStamp(std::move(noting), file);
  CloseHandle(file);
}

bool ChangedOnDisk(const std::wstring& path) {
  if (noted.path.empty() || noted.path != path) return false;
  HANDLE file = OpenForStamp(path);
  if (file == INVALID_HANDLE_VALUE) return false;
  DiskStamp now;
  bool read = StampOf(file, now);
  CloseHandle(file);
  return read && (now.size != noted.size || CompareFileTime(&now.written, &noted.written) != 0);
}

bool ConfirmOverwriteOfChangedFile(const std::wstring& path) {
  const std::wstring question = FillText(changedOnDiskQuestion, {path});
  // "Нет" is the default: an Enter typed on ahead must not throw the other version away.
  return MessageBoxW(mainWindow, question.c_str(), programCaption, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}
