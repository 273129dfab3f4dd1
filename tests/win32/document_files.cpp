#include "document_files.h"

#include <richedit.h>

#include "base/globals.h"
#include "base/ui_texts.h"
#include "editor/editor_control.h"

void DocumentFiles::SetUp() {
  savedLimit = textLimit;
  char temp[MAX_PATH];
  directory = std::string(temp, GetTempPathA(sizeof temp, temp)) + "zorn2 " +
              testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
  CreateDirectoryA(directory.c_str(), nullptr);
  currentPath = untitledName;
  SetEditorText("");
  SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
}

void DocumentFiles::TearDown() {
  textLimit = savedLimit;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((directory + "*").c_str(), &found);
  for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
    std::string path = directory + found.cFileName;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
  }
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  RemoveDirectoryA(directory.c_str());
  SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
}

std::string DocumentFiles::MakeFile(const std::string& name, const std::string& bytes) const {
  std::string path = PathOf(name);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return path;
}

std::string DocumentFiles::FileBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

int DocumentFiles::FileCount(const char* pattern) const {
  int count = 0;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((directory + pattern).c_str(), &found);
  for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
    count += !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
  }
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  return count;
}

bool DocumentFiles::Modified() { return SendMessageA(editorWindow, EM_GETMODIFY, 0, 0) != 0; }
