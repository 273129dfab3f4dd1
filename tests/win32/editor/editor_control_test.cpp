// The editor as the program creates it, re-creates it for word wrap and reports its caret.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <string>

#include "base/globals.h"
#include "base/settings_store.h"
#include "chrome/status_bar.h"
#include "editor/caret_report.h"
#include "editor/editor_control.h"
#include "editor/undo_commands.h"
#include "editor/view_commands.h"
#include "editor/word_wrap.h"
#include "program_windows.h"

namespace {

class Editor : public ProgramWindows {
 protected:
  static bool Modified() { return SendMessageA(editorWindow, EM_GETMODIFY, 0, 0) != 0; }
  static std::string Reported() {
    ReportCaretPosition();
    return StatusPaneText(caretPane);
  }

  // Toggles and checks that nothing but the wrap changed.
  static void ExpectToggleKeepsDocument(const std::string& text, LONG start, LONG end, bool modified) {
    ToggleWordWrap();
    EXPECT_TRUE(EditorText() == text) << "text of " << text.size() << " bytes changed";
    EXPECT_EQ(std::pair(Selection().cpMin, Selection().cpMax), std::pair(start, end));
    EXPECT_EQ(Modified(), modified);
  }
};

TEST_F(Editor, CaretReportShowsColumnAndLineAndSkipsAnUnchangedCaret) {
  SetEditorText("ab\r\ncdef\r\n\xEF\xF0\xE8");
  Select(6, 6);
  EXPECT_EQ(Reported(), "   3:2");
  SendMessageA(statusWindow, SB_SETTEXTA, caretPane, reinterpret_cast<LPARAM>("untouched"));
  EXPECT_EQ(Reported(), "untouched");
  Select(6, 9);  // same start, other end: a new selection
  EXPECT_EQ(Reported(), "   3:2");
  Select(13, 13);
  EXPECT_EQ(Reported(), "   4:3");
  // A command from the menu that moves the caret reports it too.
  SetEditorText("a\nb\ncd");
  Select(4, 4);
  EXPECT_EQ(Reported(), "   1:3");
  SendCommand(Command::LineBreak);  // a CR before each lone LF, the whole text selected
  EXPECT_EQ(StatusPaneText(caretPane), "   1:1");
}

// In the UTF-8 view the column counts the characters before the caret, a byte that starts
// none counted as one; the other views count bytes.
TEST_F(Editor, CaretColumnCountsCharactersInTheUtf8View) {
  const std::u8string line = u8"ab\r\nЖук\xFFё";  // "Жук", a stray byte, "ё"
  SetEditorText(std::string(line.begin(), line.end()));
  const struct { CodePage view; LONG caret; const char* shown; } rows[] = {
      {Utf8, 4, "   1:2"}, {Utf8, 6, "   2:2"}, {Utf8, 10, "   4:2"}, {Utf8, 11, "   5:2"}, {Utf8, 13, "   6:2"},
      {Utf8, 2, "   3:1"}, {Ansi, 10, "   7:2"}, {Koi8, 13, "  10:2"},
  };
  for (const auto& r : rows) {
    SetViewCodePage(r.view);
    Select(r.caret, r.caret);
    ReportCaretPositionAfresh();
    EXPECT_EQ(StatusPaneText(caretPane), r.shown) << r.view << " at " << r.caret;
  }
  SetViewCodePage(Ansi);
}

// A large text (and its unmodified flag) goes whole into the new editor too,
// and the undo journal outlives the control's re-creation.
TEST_F(Editor, WordWrapTwiceRestoresTheSettingAndKeepsTheDocument) {
  std::string text = "Первая строка\r\nвторая\nтретья\r\x80\xFF";
  for (int i = 0; text.size() < 3 << 20; ++i) text += "строка " + std::to_string(i) + "\r\n";
  const auto end = static_cast<LONG>(text.size());
  SetEditorText(text);
  SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
  Select(3, 17);
  ASSERT_EQ(wrapStyle, wordWrapOffStyle);

  ExpectToggleKeepsDocument(text, 3, 17, false);
  EXPECT_EQ(wrapStyle, 0u);
  EXPECT_EQ(ReadSettingDword("WW", -1), 0);

  SendMessageA(editorWindow, EM_SETMODIFY, TRUE, 0);
  Select(end, end);
  ExpectToggleKeepsDocument(text, end, end, true);
  EXPECT_EQ(wrapStyle, wordWrapOffStyle);
  EXPECT_EQ(ReadSettingDword("WW", -1), static_cast<int32_t>(wordWrapOffStyle));

  useEditorUndo = false;
  SetEditorText("");
  ClearUndoJournal();
  for (char c : {'a', 'b'}) SendMessageA(editorWindow, WM_CHAR, c, 1);
  ToggleWordWrap();
  SendCommand(Command::Undo);
  EXPECT_EQ(EditorText(), "a");
  ToggleWordWrap();
  ClearUndoJournal();
}

}  // namespace
