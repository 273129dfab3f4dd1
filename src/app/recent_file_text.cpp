#include "app/recent_file_text.h"

#include <windows.h>

#include "documents/recent_files.h"

namespace {

constexpr std::size_t shortNameLimit = 14;  // names this long or longer are cut
constexpr std::size_t shortNameKept = 12;

// The file name within `path`: after its last "\" beyond the drive's two
// characters, or after those two characters when there is none.
std::wstring FileNamePart(const std::wstring& path) {
  if (path.size() < 2) return path;
  const std::size_t slash = path.find_last_of(L'\\');
  return path.substr(slash == std::wstring::npos || slash < 2 ? 2 : slash + 1);
}

std::wstring BuildLabel(int slot, const std::wstring& path) {
  std::wstring name = FileNamePart(path);
  if (name.size() > 1) CharLowerBuffW(name.data() + 1, static_cast<DWORD>(name.size() - 1));
  if (name.size() >= shortNameLimit) {
    // A character in two halves is kept whole or not at all.
    const std::size_t kept = IS_HIGH_SURROGATE(name[shortNameKept - 1]) ? shortNameKept - 1 : shortNameKept;
    name = name.substr(0, kept) + L"...";
  }
  return std::wstring{L'&', static_cast<wchar_t>(L'0' + slot), L' '} + name;
}

}  // namespace

RecentFileEntry RecentFileText(int slot) {
  RecentFileEntry entry;
  if (slot < 0 || slot > 9) return entry;
  // The list read as the open command reads it, so an item opens the file it shows.
  entry.path = RecentFilePath(slot);
  if (!entry.path.empty()) entry.label = BuildLabel(slot, entry.path);
  return entry;
}
