// The colour commands through the system colour dialog, and the painting of
// HTML tags on the real control.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <string>

#include "app/globals.h"
#include "app/settings_store.h"
#include "conversion/colour_commands.h"
#include "conversion/undo_commands.h"
#include "conversion/view_commands.h"
#include "editor/editor_control.h"
#include "program_windows.h"

namespace {

constexpr COLORREF blue = RGB(0, 0, 255);

class Colours : public FreshDocument {
 protected:
  static void StoreRaw(const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, settingsKeyPath, &key), ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
  }
  // The value as stored: "<none>", or its type and four bytes as a number.
  static std::string Stored(const char* name) {
    DWORD value = 0, size = sizeof value, type = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, settingsKeyPath, name, RRF_RT_ANY, &type, &value, &size) != ERROR_SUCCESS) {
      return "<none>";
    }
    return std::to_string(type) + ":" + std::to_string(value);
  }
  static std::string Dword(COLORREF colour) { return std::to_string(REG_DWORD) + ":" + std::to_string(colour); }

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

// OK stores the colour the dialog was opened with (the default for a value of
// the wrong type or size) and applies it; Cancel stores nothing.
TEST_F(Colours, ColourDialogsStoreOnOkOnly) {
  const struct { int command; const char* name; COLORREF colour; } cases[] = {
      {backgroundColourCommand, "Bk", GetSysColor(COLOR_WINDOW)},
      {textColourCommand, "Cl", 8},
      {tagColourCommand, "HTML", blue},
  };
  const char word[] = "red";
  const BYTE three[] = {1, 2, 3};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DialogSeen cancelled = RunClosingDialog([&] { Command(c.command); }, IDCANCEL);
    EXPECT_TRUE(cancelled.appeared);
    EXPECT_EQ(Stored(c.name), "<none>");
    StoreRaw(c.name, REG_SZ, word, sizeof word);
    RunClosingDialog([&] { Command(c.command); }, IDOK);
    EXPECT_EQ(Stored(c.name), Dword(c.colour));
    StoreRaw(c.name, REG_BINARY, three, sizeof three);
    RunClosingDialog([&] { Command(c.command); }, IDOK);
    EXPECT_EQ(Stored(c.name), Dword(c.colour));
  }
  WriteSettingDword("Bk", RGB(1, 2, 3));
  RunClosingDialog([&] { Command(backgroundColourCommand); }, IDOK);
  EXPECT_EQ(SendMessageA(editorWindow, EM_SETBKGNDCOLOR, 0, RGB(1, 2, 3)), static_cast<LRESULT>(RGB(1, 2, 3)));
}

// Tags take the tag colour, the rest the text colour; the bytes, the
// selection, the modified flag and the undo steps stay; a view refresh
// takes the painting away.
TEST_F(Colours, PaintingTagsChangesOnlyColours) {
  SetEditorText("a<b>c<d <<i>> x>");
  ClearUndoJournal();
  for (BOOL modified : {TRUE, FALSE}) {
    SendMessageA(editorWindow, EM_SETMODIFY, modified, 0);
    Select(2, 5);
    Command(paintTagsCommand);
    EXPECT_EQ(Painted(blue), ".###.....###....");
    EXPECT_EQ(EditorText(), "a<b>c<d <<i>> x>");
    EXPECT_EQ(SendMessageA(editorWindow, EM_GETMODIFY, 0, 0) != 0, modified != 0);
    EXPECT_EQ(Selection().cpMin, 2);
    EXPECT_EQ(Selection().cpMax, 5);
    EXPECT_FALSE(CanUndo());
  }
  WriteSettingDword("HTML", RGB(0, 128, 0));
  WriteSettingDword("Cl", RGB(9, 9, 9));
  Command(paintTagsCommand);
  EXPECT_EQ(Painted(RGB(0, 128, 0)), ".###.....###....");
  EXPECT_EQ(Painted(RGB(9, 9, 9)), "#...#####...####");
  SetViewCodePage(Ansi);
  EXPECT_EQ(Painted(RGB(9, 9, 9)), std::string(16, '#'));

  for (const char* untouched : {"", "<", "no tags > here <"}) {
    SetEditorText(untouched);
    SendMessageA(editorWindow, EM_SETMODIFY, TRUE, 0);
    Command(paintTagsCommand);
    EXPECT_EQ(EditorText(), untouched);
    EXPECT_EQ(Painted(RGB(0, 128, 0)), std::string(EditorText().size(), '.'));
    EXPECT_TRUE(SendMessageA(editorWindow, EM_GETMODIFY, 0, 0));
  }
}

}  // namespace
