// Whatever the system's code page (this suite runs again under an English one,
// code page 1252), the document's bytes never pass through it: every character
// of every view typed goes in as the view's byte, a copy reads as the same text
// to other programs, and their Unicode text pastes into the view. The
// characters are Windows' own tables for the Cyrillic code pages.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include "app/recent_file_text.h"
#include "base/file_names.h"
#include "base/globals.h"
#include "base/settings_store.h"
#include "base/wide_strings.h"
#include "chrome/status_bar.h"
#include "codepages/code_pages.h"
#include "documents/document_load.h"
#include "documents/document_save.h"
#include "documents/recent_files.h"
#include "editor/editor_control.h"
#include "key_presses.h"
#include "program_windows.h"

namespace {

UINT WindowsCodePage(CodePage view) { return view == Ansi ? 1251 : view == Oem ? 866 : 20866; }

// The character `byte` stands for in the view, or 0 where it stands for none
// a keyboard types (Windows gives Windows-1251's hole 98 the control U+0098).
wchar_t SystemCharacter(CodePage view, unsigned char byte) {
  const char narrow = static_cast<char>(byte);
  wchar_t character = 0;
  if (MultiByteToWideChar(WindowsCodePage(view), MB_ERR_INVALID_CHARS, &narrow, 1, &character, 1) != 1) return 0;
  return character >= 0x80 && character < 0xA0 ? 0 : character;
}

void Type(std::wstring_view units) {
  for (wchar_t unit : units) PostMessageW(editorWindow, WM_CHAR, unit, 1);
  PumpMessages();
}

using AnyCodePage = FreshDocument;

TEST_F(AnyCodePage, EveryCharacterTypedIsItsViewsByteOrRefused) {
  for (auto [command, view] : {std::pair{Command::ViewAnsi, Ansi}, {Command::ViewOem, Oem}, {Command::ViewKoi8, Koi8}}) {
    SendCommand(command);
    SetEditorText("");
    std::string expected;
    std::wstring typed;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
      if (wchar_t character = SystemCharacter(view, static_cast<unsigned char>(byte))) {
        typed += character;
        expected += static_cast<char>(byte);
      }
    }
    Type(typed);
    EXPECT_EQ(EditorText(), expected) << "view " << view;
  }
  Type(L"ә€");  // in no view but UTF-8: refused, never a silent "?"
  EXPECT_EQ(EditorText().size(), 128u);
  SendCommand(Command::ViewUtf8);
  SetEditorText("");
  Type(L"ә€ß\xD83D\xDE00");  // the last in two halves
  EXPECT_EQ(EditorText(), "\xD3\x99\xE2\x82\xAC\xC3\x9F\xF0\x9F\x98\x80");
}

// Names no code page but UTF-16 holds, in a path longer than MAX_PATH: each
// is loaded, titled, listed and read back from the settings, marked for other
// instances and saved under its own name, never a "?" one.
TEST_F(AnyCodePage, AnyFileNameOpensSavesAndComesBackFromTheRecentList) {
  RegDeleteKeyW(HKEY_CURRENT_USER, settingsKeyPathWide);
  wchar_t temp[MAX_PATH];
  const std::wstring folder = std::wstring(temp, GetTempPathW(MAX_PATH, temp)) + L"zorn2 Ελληνικά " + std::wstring(230, L'x');
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
  const std::string bytes("\xC6\xF3\xEA\0\xFF", 5);
  // The menu shows a name of 14 characters or more as its first 12 and "...", a pair of halves whole.
  const struct { std::wstring name, label; } rows[] = {{L"Привет мир.txt", L"&0 Привет мир.t..."},
                                                      {L"Ελληνικά 日本\xD83D\xDE00.txt", L"&0 Ελληνικά 日本..."}};
  for (const auto& row : rows) {
    const std::wstring path = folder + L"\\" + row.name;
    ASSERT_GT(path.size(), MAX_PATH);
    CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(LoadDocument(path));
    EXPECT_EQ(MainWindowTitle(), L"[" + row.name + L"]-ZORN2");
    std::wstring pane(LOWORD(SendMessageW(statusWindow, SB_GETTEXTLENGTHW, pathPane, 0)) + 1, L'\0');
    SendMessageW(statusWindow, SB_GETTEXTW, pathPane, reinterpret_cast<LPARAM>(pane.data()));
    EXPECT_EQ(pane.c_str(), path);  // the status bar names the file whole
    EXPECT_FALSE(ComparisonForm(path).empty());
    EXPECT_EQ(WindowTextOf(markerWindow), ComparisonForm(path));
    EXPECT_EQ(RecentFilePath(0), path);
    EXPECT_EQ(RecentFileText(0).label, row.label);
    SetEditorText(bytes);
    SendMessageW(editorWindow, EM_SETMODIFY, TRUE, 0);
    EXPECT_TRUE(SaveDocument());
    std::ifstream saved(path.c_str(), std::ios::binary);  // the library's UTF-16 name on Windows
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), bytes);
    saved.close();
    DeleteFileW(path.c_str());
  }
  RemoveDirectoryW(folder.c_str());
}

TEST_F(AnyCodePage, ACopyReadsAsTheSameTextAndUnicodeTextPastesIntoTheView) {
  SendCommand(Command::ViewOem);
  SetEditorText("\x8F\xE0\xA8\xA2\xA5\xE2");  // "Привет" in DOS-866
  Select(0, 6);
  SendCommand(Command::Copy);
  EXPECT_EQ(WideFromClipboard(), u"Привет");
  // CF_TEXT as a program that reads only it: in the code page its CF_LOCALE names.
  const std::string ansi = FromClipboard(CF_TEXT);
  LCID id = 0;
  ASSERT_TRUE(OpenClipboard(mainWindow));
  if (HANDLE data = GetClipboardData(CF_LOCALE)) {
    id = *static_cast<const LCID*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  UINT codePage = 0;
  GetLocaleInfoW(id, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER, reinterpret_cast<wchar_t*>(&codePage),
                 sizeof codePage / sizeof(wchar_t));
  wchar_t read[16] = {};
  MultiByteToWideChar(codePage, 0, ansi.c_str(), -1, read, 16);
  EXPECT_EQ(std::wstring(read), L"Привет");

  SendCommand(Command::ViewKoi8);
  SetEditorText("");
  PutOnClipboard(CF_UNICODETEXT, std::string(reinterpret_cast<const char*>(L"Жук"), 8));  // its zero too
  SendCommand(Command::Paste);
  EXPECT_EQ(EditorText(), "\xF6\xD5\xCB");
  SendCommand(Command::ViewAnsi);
}

// A face name goes to the control and back whole, in any script.
TEST_F(AnyCodePage, AFaceNameOfAnyScriptReachesTheControlWhole) {
  const wchar_t face[] = L"Ελληνικά 日本";
  CHARFORMATW format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_FACE;
  lstrcpyW(format.szFaceName, face);
  SendMessageW(editorWindow, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  CHARFORMATW read{};
  read.cbSize = sizeof read;
  SendMessageW(editorWindow, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&read));
  EXPECT_STREQ(read.szFaceName, face);
  SendCommand(Command::ViewAnsi);  // the stored face again
}

}  // namespace
