// Loading, saving, inserting, starting anew and the save prompt, on real files:
// the text limit is the largest file taken, and a loaded file names the window
// and the marker other instances look for.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <cstring>
#include <string>

#include "app/globals.h"
#include "conversion/view_format.h"
#include "document_files.h"
#include "documents/document_commands.h"
#include "documents/document_insert.h"
#include "documents/document_load.h"
#include "documents/document_save.h"
#include "documents/file_streams.h"
#include "documents/save_prompt.h"
#include "editor/editor_control.h"

namespace {

class Documents : public DocumentFiles {
 protected:
  static void SetModifiedText(const std::string& text) {
    SetEditorText(text);
    SendMessageA(editorWindow, EM_SETMODIFY, TRUE, 0);
  }
};

TEST_F(Documents, LoadThenSaveWritesEveryByteAsItWasAndReplacesTheFileWhole) {
  std::string bytes = std::string("line\r\nlone cr\rlone lf\nnul\0\0end\r\n", 32);
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  ASSERT_TRUE(LoadDocument(MakeFile("source.bin", bytes).c_str()));
  EXPECT_EQ(EditorText().size(), bytes.size());
  lstrcpynA(currentPath, PathOf("copy.bin").c_str(), MAX_PATH);
  SendMessageA(editorWindow, EM_SETMODIFY, TRUE, 0);

  ASSERT_TRUE(SaveDocument());
  EXPECT_EQ(FileBytes(PathOf("copy.bin")), bytes);
  EXPECT_FALSE(Modified());
  SetModifiedText("short\r\n");  // a shorter text replaces the file whole
  ASSERT_TRUE(SaveDocument());
  EXPECT_EQ(FileBytes(PathOf("copy.bin")), "short\r\n");
  EXPECT_EQ(FileCount("*"), 2);  // nothing left over beside the file
}

TEST_F(Documents, ReadOnlyFileIsWrittenOnlyAfterYesAndStaysReadOnly) {
  std::string path = MakeFile("locked.txt", "old");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  lstrcpynA(currentPath, path.c_str(), MAX_PATH);
  SetModifiedText("new");

  bool saved = true;
  DialogSeen asked = RunClosingDialog([&] { saved = SaveDocument(); }, IDNO);
  EXPECT_TRUE(asked.appeared);
  EXPECT_NE(asked.texts.find(path + ": только для чтения!\rПерезаписать?"), std::string::npos) << asked.texts;
  EXPECT_FALSE(saved);
  EXPECT_EQ(FileBytes(path), "old");
  EXPECT_TRUE(Modified());

  RunClosingDialog([&] { saved = SaveDocument(); }, IDYES);
  EXPECT_TRUE(saved);
  EXPECT_EQ(FileBytes(path), "new");
  EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(Modified());
}

// Another program holds the file open. Sharing nothing, the save fails and
// the old file stays; without letting it be deleted, the file cannot be
// replaced: the text goes into it in place when that program lets it be
// written. A write in place that fails half way keeps the complete copy beside
// it and names it; no failure loses the text.
TEST_F(Documents, AFileHeldOpenIsWrittenInPlaceOrItsCompleteCopyIsKept) {
  const struct {
    const char* holder;
    DWORD sharing;
    bool mapped, saved;
    const char* fileAfter;
    int copies;
  } cases[] = {
      {"shares nothing", 0, false, false, "old bytes, longer", 0},
      {"reads and lets write", FILE_SHARE_READ | FILE_SHARE_WRITE, false, true, "new", 0},
      {"maps it into memory, so it cannot be cut", FILE_SHARE_READ | FILE_SHARE_WRITE, true, false, nullptr, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.holder);
    std::string path = MakeFile("held.txt", "old bytes, longer");
    lstrcpynA(currentPath, path.c_str(), MAX_PATH);
    SetModifiedText("new");
    HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, c.sharing, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    HANDLE mapping = c.mapped ? CreateFileMappingA(holder, nullptr, PAGE_READONLY, 0, 0, nullptr) : nullptr;
    void* view = mapping ? MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0) : nullptr;
    ASSERT_EQ(view != nullptr, c.mapped);
    bool saved = !c.saved;
    DialogSeen error = RunClosingDialog([&] { saved = SaveDocument(); });
    if (view) UnmapViewOfFile(view);
    if (mapping) CloseHandle(mapping);
    CloseHandle(holder);
    EXPECT_EQ(saved, c.saved);
    EXPECT_EQ(error.title, c.saved ? "" : "ZORN2");
    EXPECT_EQ(Modified(), !c.saved);
    if (c.fileAfter) {
      EXPECT_EQ(FileBytes(path), c.fileAfter);
    }
    EXPECT_EQ(FileCount("zn2*"), c.copies);  // Wine may leave a file of its own, named otherwise
    if (c.copies == 0) continue;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(PathOf("zn2*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    FindClose(search);
    EXPECT_EQ(FileBytes(PathOf(found.cFileName)), "new");
    EXPECT_NE(error.texts.find(found.cFileName), std::string::npos) << error.texts;
    DeleteFileA(PathOf(found.cFileName).c_str());
  }
}

TEST_F(Documents, InsertReplacesTheSelectionAndKeepsTheName) {
  std::string path = MakeFile("doc.txt", "");
  lstrcpynA(currentPath, path.c_str(), MAX_PATH);
  SetEditorText("one TWO three");
  SendMessageA(editorWindow, EM_SETSEL, 4, 7);
  InsertFile(MakeFile("part.txt", "2\r\n\x80").c_str());
  EXPECT_EQ(EditorText(), "one 2\r\n\x80 three");
  EXPECT_STREQ(currentPath, path.c_str());

  textLimit = 3;
  for (std::string refused : {MakeFile("big.txt", "four"), PathOf("missing.txt")}) {
    EXPECT_NE(RunClosingDialog([&] { InsertFile(refused.c_str()); }).texts.find(refused), std::string::npos);
  }
  EXPECT_EQ(EditorText(), "one 2\r\n\x80 three");
}

// How the guess counts is tested natively (code_page_guess_test.cpp).
TEST_F(Documents, LoadGuessesTheViewCodePage) {
  // "Привет, мир" with box drawing, in DOS-866.
  ASSERT_TRUE(LoadDocument(MakeFile("dos.txt", "\xC9\xCD\xBB \x8F\xE0\xA8\xA2\xA5\xE2, \xAC\xA8\xE0").c_str()));
  EXPECT_EQ(viewCodePage, Oem);
  ASSERT_TRUE(LoadDocument(MakeFile("empty.txt", "").c_str()));
  EXPECT_EQ(viewCodePage, Ansi);
  EXPECT_FALSE(Modified());
  // The welcome text bundled with the program (built beside the tests).
  char welcome[MAX_PATH];
  GetModuleFileNameA(nullptr, welcome, sizeof welcome);  // the dialogs may have moved the current directory
  lstrcpyA(std::strrchr(welcome, '\\') + 1, "welcome.txt");
  ASSERT_TRUE(LoadDocument(welcome)) << welcome;
  EXPECT_EQ(viewCodePage, Oem);
}

// Closing or starting anew asks about a modified document only: Cancel keeps
// it, No drops the text, Yes saves it; New then empties and names it untitled.
TEST_F(Documents, SavePromptAnswersAndNew) {
  std::string path = MakeFile("asked.txt", "old");
  ASSERT_TRUE(LoadDocument(path.c_str()));
  EXPECT_TRUE(QueryCloseDocument());  // not modified: no question
  SetModifiedText("new");
  bool answer = true;
  DialogSeen asked = RunClosingDialog([&] { answer = QueryCloseDocument(); }, IDCANCEL);
  EXPECT_NE(asked.texts.find("Сохранить " + path + "?"), std::string::npos) << asked.texts;
  EXPECT_FALSE(answer);
  EXPECT_TRUE(RunClosingDialog([] { NewDocument(); }, IDCANCEL).appeared);
  EXPECT_EQ(EditorText(), "new");
  EXPECT_STREQ(currentPath, path.c_str());
  RunClosingDialog([&] { answer = QueryCloseDocument(); }, IDNO);
  EXPECT_TRUE(answer);
  EXPECT_EQ(FileBytes(path), "old");
  RunClosingDialog([&] { answer = QueryCloseDocument(); }, IDYES);
  EXPECT_TRUE(answer);
  EXPECT_EQ(FileBytes(path), "new");
  EXPECT_FALSE(Modified());

  NewDocument();
  EXPECT_EQ(EditorText(), "");
  EXPECT_STREQ(currentPath, untitledName);
  EXPECT_EQ(WindowText(mainWindow), "[БезИмени]-ZORN2");
  EXPECT_FALSE(Modified());
}

TEST_F(Documents, FileOfExactlyTheLimitLoadsAndOneByteMoreIsRefusedWithAnErrorBox) {
  std::string exact = MakeFile("Exactly The Limit.txt", std::string("\xEF\xF0\xE8\r\n\0\x80\x81\xFF\n", 10));
  std::string over = MakeFile("over.txt", std::string(11, 'x'));
  textLimit = 10;

  ASSERT_TRUE(LoadDocument(exact.c_str()));
  EXPECT_EQ(EditorText().size(), 10u);
  EXPECT_FALSE(Modified());
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
TEST_F(Documents, MissingFileEmptyPathOrDirectoryFailSilently) {
  SetEditorText("kept");
  for (std::string path : {PathOf("no such file.txt"), std::string(), directory}) {
    EXPECT_FALSE(LoadDocument(path.c_str())) << path;
  }
  EXPECT_EQ(EditorText(), "kept");
}

// A file the user has just chosen and that cannot be opened is answered with
// the reason and the file's name; the document stays as it was. A sparse
// file of 3 GB is too large, whatever the system's memory.
TEST_F(Documents, AChosenFileThatCannotBeOpenedIsReportedWithItsReason) {
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
