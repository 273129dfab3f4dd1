#include "documents/recent_files.h"

#include <windows.h>
#include <richedit.h>

#include <string>

#include "base/globals.h"
#include "app/menu_bar.h"
#include "base/running_instance.h"
#include "base/settings_store.h"
#include "documents/document_load.h"
#include "documents/recent_list.h"
#include "documents/save_prompt.h"
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
  if (added.listChanged) RefreshRecentItems();
}

std::string RecentFilePath(int k) {
  RegistryRecentStore store;
  char slot = 0;
  std::string path;
  return RecentEntry(store, k, &slot, &path) ? path : std::string();
}

void RememberCaretOfDocument() {
  if (!editorWindow || lstrcmpA(currentPath, untitledName) == 0) return;
  CHARRANGE selection{};
  SendMessageA(editorWindow, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  RegistryRecentStore store;
  RememberRecentCaret(store, currentPath, selection.cpMin);
}

void OpenRecentFile(int k) {
  if (!QueryCloseDocument()) return;
  RegistryRecentStore store;
  char slot = 0;
  std::string path;
  if (!RecentEntry(store, k, &slot, &path)) return;
  if (FindRunningInstance(path.c_str()) || LoadDocument(path.c_str())) return;
  FreeRecentSlot(store, slot);
  RefreshRecentItems();
}
