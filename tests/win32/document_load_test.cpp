// Loading a file: the text limit is the largest file taken, and a loaded file
// names the window and the marker other instances look for.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <string>

#include "app/globals.h"
#include "documents/document_load.h"
#include "editor/editor_control.h"
#include "program_windows.h"

namespace {

class DocumentLoad : public ProgramWindows {
 protected:
  void SetUp() override { savedLimit = textLimit; }
  void TearDown() override { textLimit = savedLimit; }

  static std::string MakeFile(const char* name, const std::string& bytes) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string path = std::string(temp) + name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return path;
  }
  static std::string WindowText(HWND window) {
    char text[MAX_PATH + 16] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
  }

  int32_t savedLimit = 0;
};

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
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  for (std::string path : {std::string(temp) + "no such file.txt", std::string(), std::string(temp)}) {
    EXPECT_FALSE(LoadDocument(path.c_str())) << path;
  }
  EXPECT_EQ(EditorText(), "kept");
}

}  // namespace
