// The recent-files list in the registry as loading, closing and Save As use it.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>

#include "base/globals.h"
#include "base/settings_store.h"
#include "document_files.h"
#include "documents/document_commands.h"
#include "documents/document_load.h"
#include "documents/file_dialogs.h"
#include "documents/recent_files.h"
#include "documents/save_as.h"
#include "documents/save_prompt.h"
#include "editor/editor_control.h"

namespace {

class RecentFiles : public DocumentFiles {
 protected:
  void SetUp() override {
    DocumentFiles::SetUp();
    RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
    rememberCaret = true;
  }
  static std::string Setting(const char* name) {
    char text[MAX_PATH] = {};
    ReadSettingString(name, text, sizeof text);
    return text;
  }
};

// Closing keeps the caret and reopening restores it; an entry whose file is gone is emptied when opened.
TEST_F(RecentFiles, ClosingRemembersTheCaretReopeningRestoresItAndAGoneFileIsForgotten) {
  std::string first = MakeFile("first.txt", "0123456789"), second = MakeFile("second.txt", "abc");
  ASSERT_TRUE(LoadDocument(Wide(first)));
  EXPECT_EQ(Setting("0F"), first);
  Select(6, 6);
  EXPECT_TRUE(QueryCloseDocument());  // not modified, yet the caret is kept
  EXPECT_EQ(ReadSettingDword("0FC", -1), 6);
  ASSERT_TRUE(LoadDocument(Wide(second)));
  // The short name in other letters is the same file (how the list orders its entries is tested natively).
  char shortForm[MAX_PATH];
  GetShortPathNameA(first.c_str(), shortForm, sizeof shortForm);
  CharUpperA(shortForm);
  ASSERT_TRUE(LoadDocument(Wide(shortForm)));
  EXPECT_EQ(Selection().cpMin, 6);
  EXPECT_EQ(Setting("LIST"), "01");
  DeleteFileA(second.c_str());
  OpenRecentFile(1);
  EXPECT_EQ(Setting("1F"), "");
  OpenRecentFile(5);  // no such entry: nothing happens
  EXPECT_EQ(EditorText(), "0123456789");
}

// A session that ends takes the window without WM_CLOSE: its end stores the
// placement and the caret as closing would; one that goes on stores nothing.
TEST_F(RecentFiles, TheEndOfTheSessionKeepsThePlacementAndTheCaretAsClosingWould) {
  ASSERT_TRUE(LoadDocument(Wide(MakeFile("first.txt", "0123456789"))));
  Select(4, 4);
  placementActive = true;
  WINDOWPLACEMENT placement{};
  for (WPARAM ending : {FALSE, TRUE}) {
    SendMessageA(mainWindow, WM_ENDSESSION, ending, 0);
    EXPECT_EQ(ReadSettingDword("0FC", -1), ending ? 4 : 0);
    EXPECT_EQ(ReadPlacementSetting(&placement), ending != FALSE);
  }
  placementActive = false;
}

// Save As: a name without extension gets the text filter's, a name as long
// as the system's dialog takes is kept whole, Cancel saves nothing. The saved file names the
// document (and so the window) and heads the recent list.
TEST_F(RecentFiles, SaveAsNamesTheDocumentAfterTheFileAndListsIt) {
  const std::string longName = std::string(MAX_PATH - 1 - directory.size() - 4, 'x') + ".txt";
  const struct { std::string given; int button; std::string saved; } cases[] = {
      {"chosen", IDOK, "chosen.txt"}, {longName, IDCANCEL, ""}, {longName, IDOK, longName}};
  fileFilterIndex = 1;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.given.substr(0, 10) + " " + std::to_string(c.button));
    SetEditorText("saved text");
    SendMessageA(editorWindow, EM_SETMODIFY, TRUE, 0);
    currentPath = Wide(PathOf(c.given));
    bool saved = false;
    EXPECT_TRUE(RunClosingDialog([&] { saved = SaveAs(); }, c.button).appeared);
    EXPECT_EQ(saved, !c.saved.empty());
    EXPECT_EQ(Modified(), c.saved.empty());
    std::string named = PathOf(c.saved.empty() ? c.given : c.saved);
    EXPECT_EQ(currentPath, Wide(named));
    EXPECT_EQ(FileBytes(named), c.saved.empty() ? "<missing>" : "saved text");
    EXPECT_TRUE(c.saved.empty() || RecentFilePath(0) == Wide(PathOf(c.saved)));
  }
}

}  // namespace
