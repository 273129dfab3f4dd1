// Loading, saving, inserting, starting anew and the save prompt, on real files:
// the text limit is the largest file taken.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <tuple>

#include "base/globals.h"
#include "base/ui_texts.h"
#include "document_files.h"
#include "documents/document_commands.h"
#include "documents/document_insert.h"
#include "documents/document_load.h"
#include "documents/document_save.h"
#include "documents/save_prompt.h"
#include "documents/save_route.h"
#include "editor/editor_control.h"
#include "editor/view_format.h"

namespace {

class Documents : public DocumentFiles {
 protected:
  static void SetModifiedText(const std::string& text) {
    SetEditorText(text);
    SendMessageA(editorWindow, EM_SETMODIFY, TRUE, 0);
  }
};

// UTF-8 comes before the single-byte guess, which is as it was; the bytes are loaded and saved
// as they are, whatever the view.
TEST_F(Documents, LoadShowsUtf8TextInTheUtf8ViewAndTheOthersAsBefore) {
  const std::u8string utf8 = u8"Съешь же ещё этих мягких французских булок, да выпей чаю — 100 ₽";
  const struct { const char* name; std::string bytes; CodePage view; } rows[] = {
      {"utf8.txt", std::string(utf8.begin(), utf8.end()), Utf8},
      {"ansi.txt", "1. \xD1\xFA\xE5\xF8\xFC \xE6\xE5 \xE5\xF9\xB8 \xFD\xF2\xE8\xF5", Ansi},
      {"oem.txt", "1. \x91\xEA\xA5\xE8\xEC \xA6\xA5 \xA5\xE9\xF1 \xED\xE2\xA8\xE5", Oem},
      {"koi8.txt", "1. \xF3\xDF\xC5\xDB\xD8 \xD6\xC5 \xC5\xDD\xA3 \xDC\xD4\xC9\xC8", Koi8},
      {"ascii.txt", "plain ASCII stays ANSI", Ansi},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    ASSERT_TRUE(LoadDocument(Wide(MakeFile(r.name, r.bytes))));
    EXPECT_EQ(viewCodePage, r.view);
    EXPECT_EQ(EditorText(), r.bytes);
    SendMessageA(editorWindow, EM_SETMODIFY, TRUE, 0);
    ASSERT_TRUE(SaveDocument());
    EXPECT_EQ(FileBytes(PathOf(r.name)), r.bytes);
  }
}

// The file is longer than the megabyte pieces it is read in and no multiple of them, and
// a CR LF pair is cut by the end of the first piece.
TEST_F(Documents, LoadThenSaveWritesEveryByteAsItWasAndReplacesTheFileWhole) {
  constexpr std::size_t readPiece = 1 << 20;
  std::string bytes = std::string("line\r\nlone cr\rlone lf\nnul\0\0end\r\n", 32);
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);  // an LF, and a lone CR
  bytes.resize(readPiece - 1, 'x');
  bytes += "\r\ntail";
  ASSERT_TRUE(LoadDocument(Wide(MakeFile("source.bin", bytes))));
  EXPECT_TRUE(EditorText() == bytes);  // a megabyte: no listing of it
  EXPECT_EQ(SendMessageA(editorWindow, EM_GETLINECOUNT, 0, 0), 8);
  currentPath = Wide(PathOf("copy.bin"));
  SendMessageA(editorWindow, EM_SETMODIFY, TRUE, 0);
  ASSERT_TRUE(SaveDocument());
  EXPECT_TRUE(FileBytes(PathOf("copy.bin")) == bytes);
  EXPECT_FALSE(Modified());
  SetModifiedText("short\r\n");  // a shorter text replaces the file whole
  ASSERT_TRUE(SaveDocument());
  EXPECT_EQ(FileBytes(PathOf("copy.bin")), "short\r\n");
  EXPECT_EQ(FileCount("*"), 2);  // nothing left over beside the file
}

// A read-only file is written only after Yes, and stays read-only. Another
// program holds the file open: sharing nothing, the save fails and the old
// file stays; without letting it be deleted, the file cannot be replaced: the
// text goes into it in place when that program lets it be written. A write in
// place that fails half way keeps the complete copy beside it and names it; no
// failure loses the text.
TEST_F(Documents, ASaveHinderedByTheFileIsAskedOrWrittenInPlaceOrItsCompleteCopyIsKept) {
  const DWORD all = FILE_SHARE_READ | FILE_SHARE_WRITE;
  const struct { const char* hindrance; bool readOnly, held; DWORD sharing; bool mapped; int button; bool saved; const char* fileAfter; int copies; } cases[] = {
      {"read-only, No", true, false, 0, false, IDNO, false, "old bytes, longer", 0},
      {"read-only, Yes", true, false, 0, false, IDYES, true, "new", 0},
      {"held sharing nothing", false, true, 0, false, IDOK, false, "old bytes, longer", 0},
      {"held, reads and lets write", false, true, all, false, IDOK, true, "new", 0},
      {"held and mapped into memory, so it cannot be cut", false, true, all, true, IDOK, false, nullptr, 1},  // last: its copy stays
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hindrance);
    std::string path = MakeFile(c.hindrance + std::string(".txt"), "old bytes, longer");  // a file never saved
    if (c.readOnly) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    currentPath = Wide(path);
    SetModifiedText("new");
    HANDLE holder = c.held ? CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, c.sharing, nullptr, OPEN_EXISTING, 0, nullptr) : nullptr;
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    HANDLE mapping = c.mapped ? CreateFileMappingA(holder, nullptr, PAGE_READONLY, 0, 0, nullptr) : nullptr;
    void* view = mapping ? MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0) : nullptr;
    ASSERT_EQ(view != nullptr, c.mapped);
    bool saved = !c.saved;
    DialogSeen box = RunClosingDialog([&] { saved = SaveDocument(); }, c.button);
    if (view) UnmapViewOfFile(view);
    if (mapping) CloseHandle(mapping);
    if (holder) CloseHandle(holder);
    EXPECT_EQ(saved, c.saved);
    EXPECT_EQ(box.appeared, c.readOnly || !c.saved);
    EXPECT_EQ(Modified(), !c.saved);
    EXPECT_EQ((GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY) != 0, c.readOnly);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(!c.fileAfter || FileBytes(path) == c.fileAfter) << FileBytes(path);
    EXPECT_EQ(FileCount("zn2*"), c.copies);  // Wine may leave a file of its own, named otherwise
    if (c.copies == 0) continue;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(PathOf("zn2*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    FindClose(search);
    EXPECT_EQ(FileBytes(PathOf(found.cFileName)), "new");
    EXPECT_NE(box.texts.find(found.cFileName), std::string::npos) << box.texts;
  }
}

TEST_F(Documents, InsertReplacesTheSelectionAndKeepsTheName) {
  SetEditorText("one TWO three");
  Select(4, 7);
  InsertFile(Wide(MakeFile("part.txt", "2\r\n\x80")));
  textLimit = 3;
  for (std::string refused : {MakeFile("big.txt", "four"), PathOf("missing.txt")}) {
    EXPECT_NE(RunClosingDialog([&] { InsertFile(Wide(refused)); }).texts.find(refused), std::string::npos);
  }
  EXPECT_EQ(EditorText(), "one 2\r\n\x80 three");
  EXPECT_EQ(currentPath, untitledName);
}

// Each row loads one path: a file up to the limit is taken whole, unmodified,
// with its view guessed (how the guess counts is tested natively). A larger
// file is refused with a box; a name that opens nothing fails silently when
// the program tried it by itself (start-up, a recent file) and with the reason
// and the name when the user chose it. A refused load leaves the document as
// it was. A sparse file of 3 GB is too large, whatever the system's memory.
TEST_F(Documents, LoadTakesAFileUpToTheLimitWithItsViewAndRefusesAnyOther) {
  const std::string dos = "\xC9\xCD\xBB \x8F\xE0\xA8\xA2\xA5\xE2, \xAC\xA8\xE0";  // "Привет, мир" with box drawing
  const std::string exact = MakeFile("Exactly The Limit.txt", dos), empty = MakeFile("empty.txt", ""),
                    over = MakeFile("over.txt", std::string(dos.size() + 1, 'x')), held = MakeFile("held.txt", "x"), huge = PathOf("huge.txt");
  HANDLE sparse = CreateFileA(huge.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  LARGE_INTEGER size{.QuadPart = 3LL << 30};
  ASSERT_TRUE(SetFilePointerEx(sparse, size, nullptr, FILE_BEGIN) && SetEndOfFile(sparse));
  CloseHandle(sparse);
  HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  textLimit = static_cast<int32_t>(dos.size());
  const char* tooLarge = "\xD4\xE0\xE9\xEB \xE1\xEE\xEB\xFC\xF8\xE5";  // "Файл больше"
  const struct { std::string path; OpenFailure failure; const char* box; CodePage view; } rows[] = {
      {exact, OpenFailure::Silent, nullptr, Oem}, {empty, OpenFailure::Silent, nullptr, Ansi},
      {over, OpenFailure::Silent, tooLarge, Ansi}, {huge, OpenFailure::Reported, tooLarge, Ansi},
      {PathOf("no such file.txt"), OpenFailure::Silent, nullptr, Ansi}, {"", OpenFailure::Silent, nullptr, Ansi},
      {directory, OpenFailure::Silent, nullptr, Ansi}, {PathOf("vanished.txt"), OpenFailure::Reported, "", Ansi},
      {held, OpenFailure::Reported, "", Ansi}, {directory, OpenFailure::Reported, "\xDD\xF2\xEE \xEF\xE0\xEF\xEA\xE0", Ansi},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.path);
    bool taken = r.path == exact || r.path == empty;
    std::string before = EditorText();
    std::wstring pathBefore = currentPath;
    bool loaded = !taken;
    DialogSeen seen = RunClosingDialog([&] { loaded = LoadDocument(Wide(r.path), r.failure); });
    EXPECT_EQ(loaded, taken);
    EXPECT_EQ(viewCodePage, r.view);
    EXPECT_EQ(seen.appeared, r.box != nullptr);
    if (r.box) {
      EXPECT_NE(seen.texts.find(r.path), std::string::npos) << seen.texts;
      EXPECT_NE(seen.texts.find(r.box), std::string::npos) << seen.texts;
      EXPECT_EQ(seen.texts.find("\xCD\xE5\xE2\xE5\xF0\xED\xEE\xE5 \xEE\xEA\xF0\xF3\xE6\xE5\xED\xE8\xE5"), std::string::npos)
          << "a stale error code: " << seen.texts;
    }
    EXPECT_EQ(EditorText(), !taken ? before : r.path == exact ? dos : "");
    EXPECT_EQ(currentPath, taken ? Wide(r.path) : pathBefore);
    EXPECT_FALSE(Modified());
  }
  CloseHandle(holder);
  DeleteFileA(huge.c_str());
}

// Closing, ending the session or starting anew asks about a modified document only: Cancel keeps
// it, No drops the text, Yes saves it; New then empties and names it untitled.
TEST_F(Documents, SavePromptAnswersAndNew) {
  std::string path = MakeFile("asked.txt", "old");
  ASSERT_TRUE(LoadDocument(Wide(path)));
  EXPECT_TRUE(QueryCloseDocument());  // not modified: no question
  SetModifiedText("new");
  EXPECT_TRUE(RunClosingDialog([] { NewDocument(); }, IDCANCEL).appeared);
  EXPECT_EQ(EditorText(), "new");
  EXPECT_EQ(currentPath, Wide(path));
  for (auto [button, answer, file] : {std::tuple(IDCANCEL, false, "old"), std::tuple(IDNO, true, "old"), std::tuple(IDYES, true, "new")}) {
    bool closed = !answer;  // asked as the session ends
    EXPECT_TRUE(RunClosingDialog([&] { closed = SendMessageA(mainWindow, WM_QUERYENDSESSION, 0, 0) != 0; }, button).appeared);
    EXPECT_EQ(closed, answer) << button;
    EXPECT_EQ(FileBytes(path), file) << button;
  }
  EXPECT_FALSE(Modified());
  NewDocument();
  EXPECT_EQ(EditorText(), "");
  EXPECT_EQ(currentPath, untitledName);
  EXPECT_FALSE(Modified());
}

// The file's identity on its volume: a new file put in its place has another.
ULONGLONG FileIndex(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  BY_HANDLE_FILE_INFORMATION information{};
  GetFileInformationByHandle(file, &information);
  CloseHandle(file);
  return (ULONGLONG{information.nFileIndexHigh} << 32) | information.nFileIndexLow;
}

// A file whose permissions this user may not set is written into rather than
// replaced, so it keeps them: it stays the same file, and the copy of its old
// bytes kept beside it meanwhile is gone once the text is in.
TEST_F(Documents, AFileWhosePermissionsCannotBeCarriedOverIsWrittenThrough) {
  const PermissionCheck system = mayCarryPermissions;
  for (PermissionCheck check : {system, +[](const std::wstring&) { return false; }}) {
    std::string path = MakeFile(check == system ? "own.txt" : "shared.txt", "old bytes, longer");
    const ULONGLONG before = FileIndex(path);
    mayCarryPermissions = check;
    currentPath = Wide(path);
    SetModifiedText("new");
    EXPECT_TRUE(SaveDocument());
    mayCarryPermissions = system;
    EXPECT_EQ(FileBytes(path), "new");
    EXPECT_EQ(FileIndex(path) == before, check != system);
    EXPECT_EQ(FileCount("*"), check == system ? 1 : 2);
  }
}

}  // namespace
