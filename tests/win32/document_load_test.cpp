// Loading a file: the text limit is the largest file taken, and a loaded file
// names the window and the marker other instances look for.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <string>

#include "app/globals.h"
#include "documents/document_load.h"
#include "editor/editor_control.h"
#include "document_files.h"

namespace {

using DocumentLoad = DocumentFiles;

TEST_F(DocumentLoad, FileOfExactlyTheLimitLoadsAndOneByteMoreIsRefusedWithAnErrorBox) {
  std::string exact = MakeFile("Exactly The Limit.txt", std::string("\xEF\xF0\xE8\r\n\0\x80\x81\xFF\n", 10));
  std::string over = MakeFile("over.txt", std::string(11, 'x'));
  textLimit = 10;

  ASSERT_TRUE(LoadDocument(exact.c_str()));
  EXPECT_EQ(EditorText().size(), 10u);
  EXPECT_FALSE(SendMessageA(editorWindow, EM_GETMODIFY, 0, 0));
  EXPECT_STREQ(currentPath, exact.c_str());
  EXPECT_EQ(WindowText(mainWindow), "[Exactly The Limit.txt]-ZORN2");
  char shortPath[MAX_PATH];
  GetShortPathNameA(exact.c_str(), shortPath, sizeof shortPath);
  CharLowerA(shortPath);
  EXPECT_EQ(WindowText(markerWindow), shortPath);

  bool loaded = true;
  DialogSeen seen = RunClosingDialog([&] { loaded = LoadDocument(over.c_str()); });
  EXPECT_FALSE(loaded);
  EXPECT_TRUE(seen.appeared);
  EXPECT_EQ(seen.title, "ZORN2");
  EXPECT_STREQ(currentPath, exact.c_str());
  EXPECT_EQ(EditorText().size(), 10u);
}

TEST_F(DocumentLoad, MissingFileEmptyPathOrDirectoryFailSilently) {
  SetEditorText("kept");
  for (std::string path : {PathOf("no such file.txt"), std::string(), directory}) {
    EXPECT_FALSE(LoadDocument(path.c_str())) << path;
  }
  EXPECT_EQ(EditorText(), "kept");
}

}  // namespace
