// Switching the view code page and the font size on the real control: the
// bytes, the selection, the scroll position, the modified flag and the input
// language stay; the control's own undo does not survive.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <string>

#include "app/globals.h"
#include "app/settings_store.h"
#include "conversion/view_commands.h"
#include "conversion/view_format.h"
#include "editor/control/document_control.h"
#include "editor/editor_control.h"
#include "program_windows.h"

namespace {

class ViewFormat : public FreshDocument {
 protected:
  static CHARFORMATA TextFormat() {
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    SendMessageA(editorWindow, EM_SETSEL, 0, 0);
    SendMessageA(editorWindow, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format;
  }
  static LRESULT FirstVisibleLine() { return SendMessageA(editorWindow, EM_GETFIRSTVISIBLELINE, 0, 0); }
};

std::string ManyLines() {
  std::string text;
  for (int i = 0; i < 300; ++i) text += "Строка \xA0\xE0\xFF номер " + std::to_string(i) + "\r\n";
  return text;
}

TEST_F(ViewFormat, SwitchKeepsBytesSelectionScrollModifiedFlagAndLayoutAndEmptiesControlUndo) {
  SetEditorText(ManyLines());
  SendMessageA(editorWindow, EM_SETSEL, 40, 40);
  SendMessageA(editorWindow, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("x"));
  ASSERT_TRUE(SendMessageA(editorWindow, EM_CANUNDO, 0, 0));
  const std::string edited = EditorText();
  SendMessageA(editorWindow, EM_SETMODIFY, TRUE, 0);
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
    EXPECT_EQ(EditorText(), edited);
    EXPECT_EQ(std::pair(Selection().cpMin, Selection().cpMax), std::pair(2500L, 2600L));
    EXPECT_EQ(FirstVisibleLine(), firstLine);
    EXPECT_NE(SendMessageA(editorWindow, EM_GETMODIFY, 0, 0), 0);
    EXPECT_EQ(GetKeyboardLayout(0), layout);
    EXPECT_FALSE(SendMessageA(editorWindow, EM_CANUNDO, 0, 0));
  }
  SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
  SetViewCodePage(Oem);
  EXPECT_EQ(SendMessageA(editorWindow, EM_GETMODIFY, 0, 0), 0);
  if (russian) UnloadKeyboardLayout(russian);
}

// Missing settings give each code page its charset and ten-point text; the
// stored font of the DOS-866 view is applied to that view only.
TEST_F(ViewFormat, EachViewTakesItsStoredFontOrTheDefault) {
  SetEditorText("abc");
  const BYTE charsets[] = {RUSSIAN_CHARSET, OEM_CHARSET, DEFAULT_CHARSET};
  for (CodePage codePage : {Ansi, Oem, Koi8}) {
    SetViewCodePage(codePage);
    CHARFORMATA format = TextFormat();
    EXPECT_EQ(format.bCharSet, charsets[codePage]) << codePage;
    EXPECT_EQ(format.yHeight, 200) << codePage;
    EXPECT_EQ(format.crTextColor, 8u);
    EXPECT_EQ(format.dwEffects & (CFE_BOLD | CFE_ITALIC), 0u);
  }
  WriteSettingString("FontD", "DejaVu Sans Mono");
  WriteSettingDword("EffD", CFE_BOLD | CFE_ITALIC);
  WriteSettingDword("SetD", RUSSIAN_CHARSET);
  WriteSettingDword("Cl", RGB(0, 0, 200));
  SetViewCodePage(Oem);
  CHARFORMATA format = TextFormat();
  EXPECT_STREQ(format.szFaceName, "DejaVu Sans Mono");
  EXPECT_EQ(format.dwEffects & (CFE_BOLD | CFE_ITALIC), static_cast<DWORD>(CFE_BOLD | CFE_ITALIC));
  EXPECT_EQ(format.bCharSet, RUSSIAN_CHARSET);
  EXPECT_EQ(format.crTextColor, RGB(0, 0, 200));
  SetViewCodePage(Ansi);
  EXPECT_STRNE(TextFormat().szFaceName, "DejaVu Sans Mono");
}

// The text on top stays on top when the font grows.
TEST_F(ViewFormat, FontSizeStepsOnePointWithinLimitsForTheViewCodePageOnly) {
  SetEditorText(ManyLines());
  SetViewCodePage(Koi8);
  SendMessageA(editorWindow, EM_LINESCROLL, 0, 100);
  const auto caret = static_cast<LONG>(SendMessageA(editorWindow, EM_LINEINDEX, 101, 0));
  Select(caret, caret);
  Command(fontLargerCommand);
  EXPECT_EQ(FirstVisibleLine(), 100);
  EXPECT_EQ(Selection().cpMin, caret);
  EXPECT_EQ(ReadSettingDword("SizeK", 0), 220);
  EXPECT_EQ(TextFormat().yHeight, 220);
  EXPECT_EQ(ReadSettingDword("SizeW", 0), 0);
  Command(fontSmallerCommand);
  Command(fontSmallerCommand);
  EXPECT_EQ(TextFormat().yHeight, 180);
  WriteSettingDword("SizeK", 520);
  Command(fontLargerCommand);
  EXPECT_EQ(ReadSettingDword("SizeK", 0), 520);
  WriteSettingDword("SizeK", 80);
  Command(fontSmallerCommand);
  EXPECT_EQ(ReadSettingDword("SizeK", 0), 80);
  Command(fontLargerCommand);
  EXPECT_EQ(ReadSettingDword("SizeK", 0), 100);
}

}  // namespace
