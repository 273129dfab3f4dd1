// The list of the ten files opened last: "LIST" names the slots in order, most
// recent first; slot d keeps its path (UTF-8 here) in "<d>F" and its caret in "<d>FC".
#pragma once
#include <cstdint>
#include <string>

// What the list needs from the settings store and the file system.
struct RecentFilesStore {
  virtual std::string ReadString(const std::string& name) = 0;  // "" when missing
  virtual int32_t ReadDword(const std::string& name, int32_t defaultValue) = 0;
  virtual void WriteString(const std::string& name, const std::string& text) = 0;
  virtual void WriteDword(const std::string& name, int32_t value) = 0;
  // The form two names of one file share (short form, one case); the path itself when it has none.
  virtual std::string ComparisonForm(const std::string& path) = 0;
  virtual bool OnFixedDrive(const std::string& path) = 0;

 protected:
  ~RecentFilesStore() = default;
};

struct RecentFileAdded {
  bool listChanged = false;  // "LIST" was written: the menu items need drawing again
  int32_t caret = -1;        // where to put the caret, or -1 to leave it
};

// Puts `path` first in the list: a listed file moves to the front (and gives its
// remembered caret when `restoreCaret`); a new one takes the lowest free slot or
// that of the least recent entry, with caret 0. Files off fixed drives and paths
// holding "$" are left out.
RecentFileAdded AddRecentFileTo(RecentFilesStore& store, const std::string& path, bool restoreCaret);

// Remembers `caret` for the slot that holds `path`, if any.
void RememberRecentCaret(RecentFilesStore& store, const std::string& path, int32_t caret);

// The slot digit of the k-th entry (from 0) and its path; false when the list is shorter.
bool RecentEntry(RecentFilesStore& store, int k, char* slot, std::string* path);

// Empties a slot whose file could not be opened; its digit stays in the list.
void FreeRecentSlot(RecentFilesStore& store, char slot);
