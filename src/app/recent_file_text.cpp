#include "app/recent_file_text.h"

#include "documents/recent_files.h"

namespace {

constexpr int shortNameLimit = 14;  // names this long or longer are cut
constexpr int shortNameKept = 12;

// The file name within `path`: after its last "\" beyond the drive's two
// characters, or after those two characters when there is none.
const char* FileNamePart(const char* path) {
  int length = lstrlenA(path);
  if (length < 2) return path;
  const char* name = path + 2;
  for (const char* p = path + 2; *p; ++p) {
    if (*p == '\\') name = p + 1;
  }
  return name;
}

void BuildLabel(int slot, const char* path, char* label, int labelSize) {
  char name[MAX_PATH];
  lstrcpynA(name, FileNamePart(path), sizeof name);
  if (name[0]) CharLowerA(name + 1);
  if (lstrlenA(name) >= shortNameLimit) lstrcpyA(name + shortNameKept, "...");
  char prefix[] = {'&', static_cast<char>('0' + slot), ' ', '\0'};
  lstrcpynA(label, prefix, labelSize);
  lstrcpynA(label + 3, name, labelSize - 3);
}

}  // namespace

RecentFileEntry RecentFileText(int slot) {
  RecentFileEntry entry = {};
  if (slot < 0 || slot > 9) return entry;
  // The list read as the open command reads it, so an item opens the file it shows.
  lstrcpynA(entry.path, RecentFilePath(slot).c_str(), sizeof entry.path);
  if (entry.path[0]) BuildLabel(slot, entry.path, entry.label, sizeof entry.label);
  return entry;
}
