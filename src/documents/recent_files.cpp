#include "documents/recent_files.h"

#include <windows.h>
#include <richedit.h>

#include <string>

#include "base/globals.h"
#include "base/settings_store.h"
#include "base/window_messages.h"
#include "documents/recent_list.h"
#include "editor/editor_control.h"

namespace {

struct RegistryRecentStore final : RecentFilesStore {
  std::string ReadString(const std::string& name) override {
    char text[MAX_PATH] = {};
    ReadSettingString(name.c_str(), text, sizeof text);
    return text;
  }
  int32_t ReadDword(const std::string& name, int32_t defaultValue) override {
    return ReadSettingDword(name.c_str(), defaultValue);
  }
  void WriteString(const std::string& name, const std::string& text) override {
    WriteSettingString(name.c_str(), text.c_str());
  }
  void WriteDword(const std::string& name, int32_t value) override { WriteSettingDword(name.c_str(), value); }
  std::string ComparisonForm(const std::string& path) override {
    char form[MAX_PATH];
    DWORD length = GetShortPathNameA(path.c_str(), form, sizeof form);
    if (length == 0 || length >= sizeof form) lstrcpynA(form, path.c_str(), sizeof form);
    CharLowerA(form);
    return form;
  }
  bool OnFixedDrive(const std::string& path) override {
    char root[] = {path.empty() ? '\0' : path[0], ':', '\\', '\0'};
    return root[0] && GetDriveTypeA(root) == DRIVE_FIXED;
  }
};

}  // namespace

void AddRecentFile(const char* path, bool restoreCaret) {
  RegistryRecentStore store;
  RecentFileAdded added = AddRecentFileTo(store, path, restoreCaret);
  if (added.caret >= 0 && editorWindow) SendMessageA(editorWindow, EM_SETSEL, added.caret, added.caret);
  if (added.listChanged) SendMessageA(mainWindow, recentFilesChangedMessage, 0, 0);
}

bool FindRecentFile(int k, char* slot, std::string* path) {
  RegistryRecentStore store;
  return RecentEntry(store, k, slot, path);
}

std::string RecentFilePath(int k) {
  char slot = 0;
  std::string path;
  return FindRecentFile(k, &slot, &path) ? path : std::string();
}

void RememberCaretOfDocument() {
  if (!editorWindow || lstrcmpA(currentPath, untitledName) == 0) return;
  CHARRANGE selection{};
  SendMessageA(editorWindow, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  RegistryRecentStore store;
  RememberRecentCaret(store, currentPath, selection.cpMin);
}

void ForgetRecentFile(char slot) {
  RegistryRecentStore store;
  FreeRecentSlot(store, slot);
  SendMessageA(mainWindow, recentFilesChangedMessage, 0, 0);
}
