// Every modified key as the message loop delivers it (TranslateMessage, then
// the editor's procedure): a key of the accelerator table does exactly what
// its command does, every other key but the editor's own edits does nothing,
// and one Ctrl+Z takes back any change a key made.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <string>
#include <vector>

#include "app/globals.h"
#include "conversion/code_page_chord.h"
#include "conversion/undo_commands.h"
#include "document_files.h"
#include "editor/editor_control.h"
#include "key_presses.h"
#include "search/search_commands.h"

namespace {

// Commands that open a modal window or end the program; their keys are
// checked elsewhere with the window closed by another thread.
bool OpensAWindow(WORD command) {
  return command == 8 || command == 9 || command == 12 || command == findCommand || command == replaceCommand ||
         command == findNextCommand || command == SC_CLOSE;
}

class EditorKeys : public DocumentFiles {
 protected:
  static constexpr char text[] = "\xEE\xE4\xE8\xED \xE4\xE2\xE0 \xF2\xF0\xE8\r\n\xF7\xE5\xF2\xFB\xF0\xE5\r\n";
  static constexpr char clip[] = "\xEA\xEB\xE8\xEF";  // "клип"

  void SetUp() override {
    DocumentFiles::SetUp();
    if (!accelerators) accelerators = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    useEditorUndo = false;
  }
  void TearDown() override {
    Command(16);
    ClearUndoJournal();
    SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
    DocumentFiles::TearDown();
  }

  static void Start(int viewCommand, CHARRANGE selection) {
    Command(viewCommand);
    SetEditorText(text);
    ClearUndoJournal();
    ResetCodePageChord();
    PutOnClipboard(CF_TEXT, clip);
    Select(selection.cpMin, selection.cpMax);
  }

  static WORD CommandOf(KeyPress press) {
    static std::vector<ACCEL> table = [] {
      std::vector<ACCEL> entries(CopyAcceleratorTableA(accelerators, nullptr, 0));
      CopyAcceleratorTableA(accelerators, entries.data(), static_cast<int>(entries.size()));
      return entries;
    }();
    BYTE wanted = FVIRTKEY | ((press.modifiers & Shift) ? FSHIFT : 0) | ((press.modifiers & Ctrl) ? FCONTROL : 0) |
                  ((press.modifiers & Alt) ? FALT : 0);
    for (const ACCEL& entry : table) {
      if (entry.key == press.key && (entry.fVirt & ~FNOINVERT) == wanted) return entry.cmd;
    }
    return 0;
  }
};

// Enter, Delete, Backspace and Ctrl+Y with their modifiers edit on their own:
// the soak's part (editor_soak_test.cpp).
bool OwnEdit(KeyPress press) {
  bool ctrl = (press.modifiers & Ctrl) != 0, shift = (press.modifiers & Shift) != 0;
  if (press.modifiers & Alt) return false;
  return (press.key == 'Y' && ctrl) || (press.key == VK_RETURN && !(ctrl && shift)) || press.key == VK_DELETE ||
         press.key == VK_BACK;
}

std::vector<KeyPress> AllPresses() {
  std::vector<KeyPress> presses;
  for (WORD letter = 'A'; letter <= 'Z'; ++letter) {
    for (int modifiers : {Ctrl, Ctrl | Shift, Alt}) presses.push_back({letter, modifiers});
  }
  for (WORD key : {VK_DELETE, VK_BACK, VK_INSERT, VK_RETURN}) {
    for (int modifiers : {Shift, Ctrl, Ctrl | Shift, Alt}) presses.push_back({key, modifiers});
  }
  // Alt+F4 closes the window, as everywhere; the plain keys of + and - type.
  for (WORD key : {VK_F2, VK_F3, VK_F4, VK_F5, VK_F7}) {
    for (int modifiers : {Plain, Ctrl, Alt}) {
      if (key != VK_F4 || modifiers != Alt) presses.push_back({key, modifiers});
    }
  }
  for (WORD key : {107, 109, 187, 189}) {
    for (int modifiers : {Ctrl, Alt}) presses.push_back({key, modifiers});
  }
  return presses;
}

TEST_F(EditorKeys, EachKeyDoesWhatItsCommandDoesOrItsOwnEditAndOneUndoTakesItBack) {
  for (int view : {16, 17, 18}) {
    for (CHARRANGE selection : {CHARRANGE{6, 6}, CHARRANGE{2, 7}}) {
      for (KeyPress press : AllPresses()) {
        WORD command = CommandOf(press);
        if (OpensAWindow(command) || (!command && OwnEdit(press))) continue;
        Start(view, selection);
        std::string expected = text;  // a key outside the table and without its own edit does nothing
        if (command) {
          Command(command);
          expected = EditorText();
          Start(view, selection);
        }
        Press(editorWindow, press);
        SCOPED_TRACE(testing::Message() << "view " << view << ", selection " << selection.cpMin << "-"
                                        << selection.cpMax << ", key " << press.key << ", modifiers "
                                        << press.modifiers << ", command " << command);
        ASSERT_EQ(EditorText(), expected);
        ASSERT_FALSE(overwriteMode);  // only the plain Insert key switches it
        if (expected == text) continue;
        Press(editorWindow, {'Z', Ctrl});
        ASSERT_EQ(EditorText(), text);
      }
    }
  }
}

}  // namespace
