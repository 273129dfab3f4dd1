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

// A name the program tries by itself (start-up, a recent file) that opens no
// file fails silently; the program never shows a box for a bare empty path.
TEST_F(DocumentLoad, MissingFileEmptyPathOrDirectoryFailSilently) {
  SetEditorText("kept");
  for (std::string path : {PathOf("no such file.txt"), std::string(), directory}) {
    EXPECT_FALSE(LoadDocument(path.c_str())) << path;
  }
  EXPECT_EQ(EditorText(), "kept");
}

// A file the user has just chosen and that cannot be opened is answered with
// the reason and the file's name; the document stays as it was. A sparse
// file of 3 GB is too large, whatever the system's memory.
TEST_F(DocumentLoad, AChosenFileThatCannotBeOpenedIsReportedWithItsReason) {
  std::string held = MakeFile("held.txt", "x");
  HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  std::string huge = PathOf("huge.txt");
  HANDLE sparse = CreateFileA(huge.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  LARGE_INTEGER size{};
  size.QuadPart = 3LL << 30;
  ASSERT_TRUE(SetFilePointerEx(sparse, size, nullptr, FILE_BEGIN) && SetEndOfFile(sparse));
  CloseHandle(sparse);
  struct Case {
    std::string path;
    const char* line;  // what the box says after the file's name
  } cases[] = {{PathOf("vanished.txt"), ""}, {held, ""}, {directory, "\xDD\xF2\xEE \xEF\xE0\xEF\xEA\xE0"},
               {huge, "\xD4\xE0\xE9\xEB \xE1\xEE\xEB\xFC\xF8\xE5"}};
  SetEditorText("kept");
  for (const Case& c : cases) {
    bool loaded = true;
    DialogSeen seen = RunClosingDialog([&] { loaded = LoadDocument(c.path.c_str(), OpenFailure::Reported); });
    EXPECT_FALSE(loaded) << c.path;
    EXPECT_NE(seen.texts.find(c.path), std::string::npos) << seen.texts;
    EXPECT_NE(seen.texts.find(c.line), std::string::npos) << seen.texts;
    EXPECT_EQ(seen.texts.find("\xCD\xE5\xE2\xE5\xF0\xED\xEE\xE5 \xEE\xEA\xF0\xF3\xE6\xE5\xED\xE8\xE5"), std::string::npos)
        << "a stale error code: " << seen.texts;
  }
  CloseHandle(holder);
  DeleteFileA(huge.c_str());
  EXPECT_EQ(EditorText(), "kept");
}

}  // namespace
