// The painting of HTML tags on the real control.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <string>

#include "app/globals.h"
#include "conversion/colour_commands.h"
#include "conversion/undo_commands.h"
#include "conversion/view_commands.h"
#include "editor/editor_control.h"
#include "program_windows.h"

namespace {

class Colours : public FreshDocument {
 protected:
  // Each byte as "#" when it shows `colour`, "." otherwise.
  static std::string Painted(COLORREF colour) {
    CHARRANGE kept = Selection();
    std::string marks;
    for (LONG i = 0, n = static_cast<LONG>(EditorText().size()); i < n; ++i) {
      Select(i, i + 1);
      CHARFORMATA format{};
      format.cbSize = sizeof format;
      SendMessageA(editorWindow, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
      marks += format.crTextColor == colour ? '#' : '.';
    }
    Select(kept.cpMin, kept.cpMax);
    return marks;
  }
};

// Tags take the tag colour; the bytes, the selection, the modified flag and
// the undo steps stay; a view refresh takes the painting away.
TEST_F(Colours, PaintingTagsChangesOnlyColours) {
  SetEditorText("a<b>c<d <<i>> x>");
  for (BOOL modified : {TRUE, FALSE}) {
    SendMessageA(editorWindow, EM_SETMODIFY, modified, 0);
    Select(2, 5);
    Command(paintTagsCommand);
    EXPECT_EQ(Painted(RGB(0, 0, 255)), ".###.....###....");
    EXPECT_EQ(EditorText(), "a<b>c<d <<i>> x>");
    EXPECT_EQ(SendMessageA(editorWindow, EM_GETMODIFY, 0, 0) != 0, modified != 0);
    EXPECT_EQ(std::make_pair(Selection().cpMin, Selection().cpMax), std::make_pair(2L, 5L));
    EXPECT_FALSE(CanUndo());
  }
  SetViewCodePage(Ansi);
  EXPECT_EQ(Painted(RGB(0, 0, 255)), std::string(16, '.'));
}

}  // namespace
