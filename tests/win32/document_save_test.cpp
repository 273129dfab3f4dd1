// Saving, inserting, starting anew and the save prompt, on real files.
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

class DocumentSave : public DocumentFiles {
 protected:
  static void SetModifiedText(const std::string& text) {
    SetEditorText(text);
    SendMessageA(editorWindow, EM_SETMODIFY, TRUE, 0);
  }
};

std::string EveryByteWithLineEnds() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  bytes += std::string("line\r\nlone cr\rlone lf\nnul\0\0end\r\n", 32);
  return bytes;
}


TEST_F(DocumentSave, LoadThenSaveWritesEveryByteAsItWasAndReplacesTheFileWhole) {
  std::string bytes = EveryByteWithLineEnds();
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

TEST_F(DocumentSave, ReadOnlyFileIsWrittenOnlyAfterYesAndStaysReadOnly) {
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

TEST_F(DocumentSave, FailedSaveReportsKeepsTheOldFileAndTheDocumentModified) {
  std::string path = MakeFile("busy.txt", "old bytes");
  lstrcpynA(currentPath, path.c_str(), MAX_PATH);
  SetModifiedText("new bytes");
  // Another program holds the file open and shares nothing.
  HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);

  bool saved = true;
  DialogSeen error = RunClosingDialog([&] { saved = SaveDocument(); });
  CloseHandle(holder);
  EXPECT_FALSE(saved);
  EXPECT_TRUE(error.appeared);
  EXPECT_EQ(error.title, "ZORN2");
  EXPECT_EQ(FileBytes(path), "old bytes");
  EXPECT_EQ(FileCount("zn2*"), 0);  // the new text went nowhere (Wine may leave a file of its own)
  EXPECT_TRUE(Modified());
}

// Another program holds the file open without letting it be deleted, so it
// cannot be replaced: the text goes into it in place when that program lets
// it be written. A write in place that fails half way keeps the complete copy
// beside it and names it; no failure loses the text.
TEST_F(DocumentSave, AFileHeldOpenIsWrittenInPlaceOrItsCompleteCopyIsKept) {
  struct Case {
    const char* holder;
    DWORD sharing;
    bool mapped;
    bool saved;
    const char* fileAfter;
    int copies;
  } cases[] = {
      {"reads and lets write", FILE_SHARE_READ | FILE_SHARE_WRITE, false, true, "new", 0},
      {"maps it into memory, so it cannot be cut", FILE_SHARE_READ | FILE_SHARE_WRITE, true, false, nullptr, 1},
  };
  for (const Case& c : cases) {
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
    EXPECT_EQ(error.appeared, !c.saved);
    EXPECT_EQ(Modified(), !c.saved);
    if (c.fileAfter) {
      EXPECT_EQ(FileBytes(path), c.fileAfter);
    }
    EXPECT_EQ(FileCount("zn2*"), c.copies);
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

TEST_F(DocumentSave, InsertReplacesTheSelectionAndKeepsTheName) {
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
TEST_F(DocumentSave, LoadGuessesTheViewCodePage) {
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

TEST_F(DocumentSave, NewAsksFirstThenEmptiesTheTextAndNamesItUntitled) {
  std::string path = MakeFile("named.txt", "text");
  ASSERT_TRUE(LoadDocument(path.c_str()));
  SetModifiedText("unsaved");
  RunClosingDialog([] { NewDocument(); }, IDCANCEL);
  EXPECT_EQ(EditorText(), "unsaved");
  EXPECT_STREQ(currentPath, path.c_str());

  SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
  NewDocument();
  EXPECT_EQ(EditorText(), "");
  EXPECT_STREQ(currentPath, untitledName);
  EXPECT_EQ(WindowText(mainWindow), "[БезИмени]-ZORN2");
  EXPECT_FALSE(Modified());
}

TEST_F(DocumentSave, SavePromptAnswers) {
  std::string path = MakeFile("asked.txt", "old");
  lstrcpynA(currentPath, path.c_str(), MAX_PATH);
  EXPECT_TRUE(QueryCloseDocument());  // not modified: no question

  SetModifiedText("new");
  bool answer = true;
  DialogSeen asked = RunClosingDialog([&] { answer = QueryCloseDocument(); }, IDCANCEL);
  EXPECT_NE(asked.texts.find("Сохранить " + path + "?"), std::string::npos) << asked.texts;
  EXPECT_FALSE(answer);
  RunClosingDialog([&] { answer = QueryCloseDocument(); }, IDNO);
  EXPECT_TRUE(answer);
  EXPECT_EQ(FileBytes(path), "old");
  RunClosingDialog([&] { answer = QueryCloseDocument(); }, IDYES);
  EXPECT_TRUE(answer);
  EXPECT_EQ(FileBytes(path), "new");
  EXPECT_FALSE(Modified());
}

}  // namespace
