// The main window's whole-text work running out of memory: every allocation a
// command makes is made to fail in turn. The command must then either be done
// whole, or leave the document as it was (bytes, view code page, modified
// flag, and an undo that still takes back the step before) and say so in a
// message box; either way the program goes on. This file holds the test
// program's failing operator new (failing_allocator.h).
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "base/settings_store.h"
#include "base/wide_strings.h"
#include "control/document_control.h"
#include "documents/document_insert.h"
#include "editor/editor_control.h"
#include "editor/undo_commands.h"
#include "editor/view_commands.h"
#include "editor/view_format.h"
#include "failing_allocator.h"
#include "program_windows.h"
#include "search/search_commands.h"

using failing_allocator::allocationsBeforeFailure;

namespace {

struct DocumentState {
  std::string text;
  CodePage view;
  LRESULT controlView;
  bool modified;
  DWORD wrap;
  bool operator==(const DocumentState&) const = default;
};

DocumentState Now(const std::string& text) {
  return {text, viewCodePage, SendMessageA(editorWindow, EM_GETVIEWCODEPAGE, 0, 0),
          SendMessageA(editorWindow, EM_GETMODIFY, 0, 0) != 0, wrapStyle};
}

std::string SystemOutOfMemoryText() {
  char text[512] = {};
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_NOT_ENOUGH_MEMORY, 0, text,
                 sizeof text, nullptr);
  std::string words(text);
  return words.substr(0, words.find_last_not_of("\r\n. ") + 1);
}

// Whether another program could open the clipboard now.
bool ClipboardFree() {
  bool opened = false;
  std::thread([&] {
    opened = OpenClipboard(nullptr);
    if (opened) CloseClipboard();
  }).join();
  return opened;
}

class WholeTextMemory : public FreshDocument {
 protected:
  // The message boxes `action` shows, each closed with OK: their texts, one string each.
  static std::vector<std::string> Boxes(const std::function<void()>& action) {
    std::vector<std::string> texts(3);
    auto close = [&texts](int i) {
      return [&texts, i](HWND box) {
        HWND text = GetDlgItem(box, 0xFFFF);  // a message box's text
        char words[512] = {};
        GetWindowTextA(text, words, sizeof words);
        texts[i] = words;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
      };
    };
    int shown = RunWithDialogs(action, {close(0), close(1), close(2)});
    texts.resize(static_cast<std::size_t>(shown));
    return texts;
  }
};

// Each row: the view and text it starts from, what it does before (a step that
// undo must still take back), and the command itself.
TEST_F(WholeTextMemory, EachCommandIsDoneWholeOrLeavesTheDocumentAsItWasAndSaysSo) {
  const std::string base = "\xCF\xF0\xE8\xE2\xE5\xF2 \xEC\xE8\xF0 aa\r\nbb aa cc\r\n";  // "Привет мир ..."
  char folder[MAX_PATH];
  GetTempPathA(sizeof folder, folder);
  const std::string inserted = std::string(folder) + "zorn2-inserted.txt";
  const std::wstring insertedPath = WideFromBytes(inserted, CP_ACP);  // made before any allocation fails
  HANDLE file = CreateFileA(inserted.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, "inserted\r\n", 10, &written, nullptr);
  CloseHandle(file);
  auto replaceAll = [] {
    searchState = SearchState{};
    SetPattern(searchState.searchPattern, "aa");
    SetPattern(searchState.replacePattern, "xyz");
    searchState.replaceMode = true;
    searchState.confirmReplace = false;
    searchState.replaceAll = true;
  };
  const struct {
    const char* name;
    std::function<void()> prepare, run;
    bool readsClipboard = false;  // then the clipboard must be free for other programs after each failure
  } rows[] = {
      {"recode the whole text, the view along", [] {}, [] { SendCommand(Command::RecodeToOem); }},
      {"transliterate a selection", [] { Select(2, 12); }, [] { SendCommand(Command::Translit); }},
      {"justify the whole text", [] { WriteSettingDword("RI", 6); }, [] { SendCommand(Command::Justify); }},
      {"replace all", replaceAll, [] { SendCommand(Command::FindNext); }},
      // As long as the selection: a step left for a paste that never happened would pass for done.
      // Long enough that reading the clipboard allocates.
      {"paste over a selection", [] { PutOnClipboard(CF_TEXT, "\xCC\xE8\xF0xyz0123456789abcd"); Select(2, 22); },
       [] { SendCommand(Command::Paste); }, true},
      {"insert a file", [] { Select(4, 4); }, [&] { InsertFile(insertedPath); }},
      {"undo a whole-text recoding", [] { SendCommand(Command::RecodeToKoi8); }, [] { SendCommand(Command::Undo); }},
      {"word wrap: the text into a new control", [] {}, [] { SendCommand(Command::WordWrap); }},
  };
  const std::string outOfMemory = SystemOutOfMemoryText();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    // The document before the command: a deletion to undo, saved, and the row's own preparation.
    auto start = [&] {
      if (wrapStyle == 0) SendCommand(Command::WordWrap);
      SetViewCodePage(Ansi);
      SetEditorText(base);
      ClearUndoJournal();
      Select(0, 1);
      SendCommand(Command::Delete);
      SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
      Select(0, 0);
      row.prepare();
    };
    start();
    const DocumentState before = Now(EditorText());
    SendCommand(Command::Undo);
    const std::string undone = EditorText();  // what undo makes of the document before the command
    start();
    row.run();
    const DocumentState after = Now(EditorText());
    ASSERT_NE(after, before);

    int refused = 0;
    for (long k = 0; k < 2000; ++k) {
      start();
      bool reached = false;
      std::vector<std::string> boxes = Boxes([&] {
        allocationsBeforeFailure = k;
        row.run();
        reached = allocationsBeforeFailure < 0;
        allocationsBeforeFailure = -1;
      });
      const DocumentState now = Now(EditorText());
      if (row.readsClipboard) {
        ASSERT_TRUE(ClipboardFree()) << "allocation " << k << " left the clipboard open";
      }
      if (now == before) {
        ASSERT_FALSE(boxes.empty()) << "allocation " << k << " failed unseen";
        EXPECT_NE(boxes.front().find(outOfMemory), std::string::npos) << boxes.front();
        SendCommand(Command::Undo);
        ASSERT_EQ(EditorText(), undone) << "allocation " << k << ": the step before is no longer undone";
        ++refused;
      } else {
        ASSERT_EQ(now, after) << "allocation " << k << " left the document half done";
      }
      if (!reached) break;
    }
    EXPECT_GT(refused, 0);
  }
  DeleteFileA(inserted.c_str());
}

// Painting the tags changes only the screen, but a press that does nothing must still say why.
TEST_F(WholeTextMemory, TagPaintingWithoutMemorySaysSo) {
  SetEditorText("<b>bold</b>");
  std::vector<std::string> boxes = Boxes([] {
    allocationsBeforeFailure = 0;
    SendCommand(Command::PaintTags);
    allocationsBeforeFailure = -1;
  });
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(EditorText(), "<b>bold</b>");
}

}  // namespace
