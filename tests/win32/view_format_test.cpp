// Switching the view code page on a long text: the scroll position and the
// input language stay; the control's own undo does not survive. The bytes,
// the selection and the modified flag across views are the soak's part.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <string>

#include "app/globals.h"
#include "conversion/view_commands.h"
#include "conversion/view_format.h"
#include "editor/control/document_control.h"
#include "editor/editor_control.h"
#include "program_windows.h"

namespace {

class ViewFormat : public FreshDocument {
 protected:
  static LRESULT FirstVisibleLine() { return SendMessageA(editorWindow, EM_GETFIRSTVISIBLELINE, 0, 0); }
};

std::string ManyLines() {
  std::string text;
  for (int i = 0; i < 300; ++i) text += "Строка \xA0\xE0\xFF номер " + std::to_string(i) + "\r\n";
  return text;
}

TEST_F(ViewFormat, SwitchKeepsTheScrollAndTheKeyboardLayoutAndEmptiesTheControlsUndo) {
  SetEditorText(ManyLines());
  SendMessageA(editorWindow, EM_SETSEL, 40, 40);
  SendMessageA(editorWindow, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("x"));
  ASSERT_TRUE(SendMessageA(editorWindow, EM_CANUNDO, 0, 0));
  Select(2500, 2600);
  SendMessageA(editorWindow, EM_LINESCROLL, 0, 100 - FirstVisibleLine());
  const LRESULT firstLine = FirstVisibleLine();
  ASSERT_GT(firstLine, 0);
  HKL russian = LoadKeyboardLayoutA("00000419", KLF_ACTIVATE);
  HKL layout = GetKeyboardLayout(0);
  for (CodePage codePage : {Oem, Koi8, Ansi}) {
    SCOPED_TRACE(codePage);
    SetViewCodePage(codePage);
    EXPECT_EQ(SendMessageA(editorWindow, EM_GETVIEWCODEPAGE, 0, 0), codePage);
    EXPECT_EQ(FirstVisibleLine(), firstLine);
    EXPECT_EQ(GetKeyboardLayout(0), layout);
    EXPECT_FALSE(SendMessageA(editorWindow, EM_CANUNDO, 0, 0));
  }
  if (russian) UnloadKeyboardLayout(russian);
}

}  // namespace
