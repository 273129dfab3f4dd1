#include "documents/recent_files.h"

#include <windows.h>
#include <richedit.h>

#include <string>

#include "base/file_names.h"
#include "base/globals.h"
#include "base/settings_store.h"
#include "base/wide_strings.h"
#include "base/window_messages.h"
#include "documents/recent_list.h"
#include "editor/editor_control.h"

namespace {

// The paths are UTF-8 here and UTF-16 text values in the settings, so a name
// in any script survives, and the values of the ANSI program before still read.
struct RegistryRecentStore final : RecentFilesStore {
  std::string ReadString(const std::string& name) override { return Utf8FromWide(ReadSettingText(name.c_str())); }
  int32_t ReadDword(const std::string& name, int32_t defaultValue) override {
    return ReadSettingDword(name.c_str(), defaultValue);
  }
  void WriteString(const std::string& name, const std::string& text) override {
    WriteSettingText(name.c_str(), WideFromUtf8(text));
  }
  void WriteDword(const std::string& name, int32_t value) override { WriteSettingDword(name.c_str(), value); }
  std::string ComparisonForm(const std::string& path) override {
    const std::wstring wide = WideFromUtf8(path);
    std::wstring form = ::ComparisonForm(wide);
    if (form.empty()) {
      form = wide;
      CharLowerBuffW(form.data(), static_cast<DWORD>(form.size()));
    }
    return Utf8FromWide(form);
  }
  bool OnFixedDrive(const std::string& path) override {
    // The drive letter is ASCII, the first byte of the UTF-8 path.
    const wchar_t root[] = {path.empty() ? L'\0' : static_cast<wchar_t>(static_cast<unsigned char>(path[0])), L':',
                            L'\\', L'\0'};
    return root[0] && GetDriveTypeW(root) == DRIVE_FIXED;
  }
};

}  // namespace

void AddRecentFile(const std::wstring& path, bool restoreCaret) {
  RegistryRecentStore store;
  RecentFileAdded added = AddRecentFileTo(store, Utf8FromWide(path), restoreCaret);
  if (added.caret >= 0 && editorWindow) SendMessageW(editorWindow, EM_SETSEL, added.caret, added.caret);
  if (added.listChanged) SendMessageW(mainWindow, recentFilesChangedMessage, 0, 0);
}

bool FindRecentFile(int k, char* slot, std::wstring* path) {
  RegistryRecentStore store;
  std::string stored;
  if (!RecentEntry(store, k, slot, &stored)) return false;
  *path = WideFromUtf8(stored);
  return true;
}

std::wstring RecentFilePath(int k) {
  char slot = 0;
  std::wstring path;
  return FindRecentFile(k, &slot, &path) ? path : std::wstring();
}

void RememberCaretOfDocument() {
  if (!editorWindow || DocumentUntitled()) return;
  CHARRANGE selection{};
  SendMessageW(editorWindow, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  RegistryRecentStore store;
  RememberRecentCaret(store, Utf8FromWide(currentPath), selection.cpMin);
}

void ForgetRecentFile(char slot) {
  RegistryRecentStore store;
  FreeRecentSlot(store, slot);
  SendMessageW(mainWindow, recentFilesChangedMessage, 0, 0);
}
