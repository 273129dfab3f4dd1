#include "documents/save_route.h"

#include <windows.h>

#include "base/system_function.h"

namespace {

constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool MaySetPermissions(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), READ_CONTROL | WRITE_DAC, shareAll, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError() != ERROR_ACCESS_DENIED;
  CloseHandle(file);
  return true;
}

// The absolute name with every part long, as a final path spells it.
std::wstring LongName(const std::wstring& path) {
  DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  std::wstring full(size, L'\0');
  size = size ? GetFullPathNameW(path.c_str(), size, full.data(), nullptr) : 0;
  full.resize(size < full.size() ? size : 0);
  size = GetLongPathNameW(full.c_str(), nullptr, 0);
  std::wstring longName(size, L'\0');
  size = size ? GetLongPathNameW(full.c_str(), longName.data(), size) : 0;
  if (size == 0 || size >= longName.size()) return full;
  longName.resize(size);
  return longName;
}

// The name the file system reaches through links, without its "\\?\" prefix;
// empty where the system cannot tell.
std::wstring FinalName(HANDLE file) {
  using FinalPath = DWORD(WINAPI*)(HANDLE, wchar_t*, DWORD, DWORD);
  static const auto finalPath = SystemFunction<FinalPath>(L"kernel32.dll", "GetFinalPathNameByHandleW");
  if (!finalPath) return {};
  DWORD size = finalPath(file, nullptr, 0, 0);
  std::wstring name(size, L'\0');
  size = size ? finalPath(file, name.data(), size, 0) : 0;
  if (size == 0 || size >= name.size()) return {};
  name.resize(size);
  if (name.rfind(L"\\\\?\\UNC\\", 0) == 0) return L"\\" + name.substr(7);
  if (name.rfind(L"\\\\?\\", 0) == 0) return name.substr(4);
  return name;
}

bool SameName(std::wstring a, std::wstring b) {
  CharUpperBuffW(a.data(), static_cast<DWORD>(a.size()));
  CharUpperBuffW(b.data(), static_cast<DWORD>(b.size()));
  return a == b;
}

// The final name the file would have if its name led straight to it: the
// folder's own final name (a mapped drive, a linked folder) and the file's long
// name in it.
std::wstring DirectName(const std::wstring& path) {
  std::wstring name = LongName(path);
  std::size_t cut = name.find_last_of(L'\\');
  if (cut == std::wstring::npos) return name;
  std::wstring folder = name.substr(0, cut + 1);
  HANDLE opened = CreateFileW(folder.c_str(), FILE_READ_ATTRIBUTES, shareAll, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return name;
  std::wstring final = FinalName(opened);
  CloseHandle(opened);
  if (final.empty()) return name;
  if (final.back() != L'\\') final += L'\\';
  return final + name.substr(cut + 1);
}

bool Redirected(const std::wstring& path, HANDLE file) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return true;
  std::wstring final = FinalName(file);
  return !final.empty() && !SameName(final, DirectName(path));
}

}  // namespace

PermissionCheck mayCarryPermissions = MaySetPermissions;

SaveRoute ChooseSaveRoute(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, shareAll, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return SaveRoute::NewFile;  // none yet, or the save fails on its own
  BY_HANDLE_FILE_INFORMATION information{};
  bool linked = GetFileInformationByHandle(file, &information) && information.nNumberOfLinks > 1;
  bool through = linked || Redirected(path, file) || !mayCarryPermissions(path);
  CloseHandle(file);
  return through ? SaveRoute::WriteThrough : SaveRoute::NewFile;
}
