#include "base/file_names.h"

namespace {

// A path-returning call asked again with room for the length it reported.
template <typename Call>
std::wstring GrownPath(Call call) {
  std::wstring path(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 3; ++attempt) {
    DWORD length = call(path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return path.substr(0, length);
    path.assign(length, L'\0');  // the room needed, its zero included
  }
  return {};
}

bool RunsUnderWow64() {
  BOOL wow64 = FALSE;
  return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

struct SystemFolders {
  std::wstring system, native;
};

// Sysnative sits beside System32 and exists only for a 32-bit process on a 64-bit system.
SystemFolders DivertedFolders() {
  SystemFolders folders;
  if (!RunsUnderWow64()) return folders;
  folders.system = GrownPath([](wchar_t* buffer, DWORD size) { return GetSystemDirectoryW(buffer, size); });
  const std::size_t slash = folders.system.find_last_of(L'\\');
  if (slash == std::wstring::npos) return SystemFolders{};
  folders.native = folders.system.substr(0, slash + 1) + L"Sysnative";
  return folders;
}

bool SameLetters(const std::wstring& a, const std::wstring& b) {
  return a.size() == b.size() &&
         CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                        static_cast<int>(b.size())) == CSTR_EQUAL;
}

}  // namespace

std::wstring FileSystemPath(const std::wstring& path, const std::wstring& system, const std::wstring& native) {
  if (system.empty() || native.empty() || path.size() < system.size()) return path;
  if (!SameLetters(path.substr(0, system.size()), system)) return path;
  if (path.size() > system.size() && path[system.size()] != L'\\' && path[system.size()] != L'/') return path;
  return native + path.substr(system.size());
}

std::wstring FileSystemPath(const std::wstring& path) {
  static const SystemFolders folders = DivertedFolders();
  return FileSystemPath(path, folders.system, folders.native);
}

std::wstring ComparisonForm(const std::wstring& path) {
  const std::wstring reached = FileSystemPath(path);
  std::wstring form =
      GrownPath([&](wchar_t* buffer, DWORD size) { return GetShortPathNameW(reached.c_str(), buffer, size); });
  // The Sysnative alias is no folder a short name can be read from: its file's full name stands for it.
  if (form.empty() && reached != path && GetFileAttributesW(reached.c_str()) != INVALID_FILE_ATTRIBUTES) form = reached;
  if (!form.empty()) CharLowerBuffW(form.data(), static_cast<DWORD>(form.size()));
  return form;
}

std::wstring FullPathOf(const std::wstring& name) {
  if (name.empty()) return {};
  return GrownPath([&](wchar_t* buffer, DWORD size) { return GetFullPathNameW(name.c_str(), size, buffer, nullptr); });
}
