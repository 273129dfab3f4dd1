// The view of a document: switching its code page on a long text keeps the
// scroll position and the input language and empties the control's own undo
// (the bytes, the selection and the modified flag across views are the soak's
// part); painting HTML tags changes only colours.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <string>

#include "base/globals.h"
#include "base/settings_store.h"
#include "codepages/font_sample.h"
#include "conversion_dialogs/font_dialog.h"
#include "control/document_control.h"
#include "editor/editor_control.h"
#include "editor/undo_commands.h"
#include "editor/view_commands.h"
#include "editor/view_format.h"
#include "program_windows.h"

namespace {

class ViewFormat : public FreshDocument {
 protected:
  static LRESULT FirstVisibleLine() { return SendMessageA(editorWindow, EM_GETFIRSTVISIBLELINE, 0, 0); }
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

// The UTF-8 view keeps a font of its own: its dialog previews the sample in UTF-8 and stores
// FontU, SizeU, EffU and SetU, the size keys in that view change SizeU, and the other
// views' fonts stay unstored.
TEST_F(ViewFormat, Utf8FontIsAFourthEntryWithSettingsOfItsOwn) {
  std::string sample;
  DialogSeen seen = RunClosingDialog([] { SendCommand(Command::Utf8Font); }, FontDialogOk, [&sample](HWND dialog) {
    sample = WindowText(GetDlgItem(dialog, FontDialogPreview));
    SendDlgItemMessageA(dialog, FontDialogSizeList, CB_SETCURSEL, 13, 0);  // 14 points
    CheckDlgButton(dialog, FontDialogBold, BST_CHECKED);
  });
  ASSERT_TRUE(seen.appeared);
  EXPECT_EQ(sample, FontSampleText(Utf8));
  EXPECT_EQ(ReadSettingDword("SizeU", -1), 280);
  EXPECT_EQ(ReadSettingDword("EffU", -1), CFE_BOLD);
  EXPECT_EQ(ReadSettingDword("SetU", -1), 204);  // Cyrillic unless chosen otherwise
  DWORD type = 0, size = 0;
  EXPECT_TRUE(DescribeSetting("FontU", &type, &size));
  SetViewCodePage(Utf8);
  SendCommand(Command::FontLarger);
  EXPECT_EQ(ReadSettingDword("SizeU", -1), 300);
  for (const char* other : {"SizeW", "SizeD", "SizeK", "FontW", "SetK"}) EXPECT_FALSE(DescribeSetting(other, &type, &size)) << other;
}

// Tags take the tag colour; the bytes, the selection, the modified flag and
// the undo steps stay; a view refresh takes the painting away.
TEST_F(ViewFormat, PaintingTagsChangesOnlyColours) {
  SetEditorText("a<b>c<d <<i>> x>");
  for (BOOL modified : {TRUE, FALSE}) {
    SendMessageA(editorWindow, EM_SETMODIFY, modified, 0);
    Select(2, 5);
    SendCommand(Command::PaintTags);
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
