// Drag and drop through OLE as Wine runs it: DoDragDrop follows the cursor,
// set here, and the thread's key state, so a drop lands without a real mouse.
// The control on its own, then the program's editor with its callback.
#include <gtest/gtest.h>
#include <windows.h>
#include <ole2.h>
#include <richedit.h>
#include <shlobj.h>

#include <cstring>
#include <string>

#include "base/globals.h"
#include "control/text_transfer.h"
#include "control_fixture.h"
#include "editor/editor_control.h"
#include "editor/undo_commands.h"
#include "editor/view_commands.h"
#include "program_windows.h"

namespace {

// Drops wherever the cursor is at the system's first question.
class DropAtOnce final : public IDropSource {
 public:
  STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
    *object = riid == IID_IUnknown || riid == IID_IDropSource ? this : nullptr;
    return *object ? S_OK : E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP QueryContinueDrag(BOOL, DWORD) override { return DRAGDROP_S_DROP; }
  STDMETHODIMP GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

POINT ClientPointOf(HWND window, LONG position) {
  POINTL point{};
  SendMessageA(window, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), position);
  return {point.x + 1, point.y + 3};
}

void PutCursorAt(HWND window, POINT point) {
  ClientToScreen(window, &point);
  SetCursorPos(point.x, point.y);
}

// Another program's drag of one block dropped at the cursor; the effect it reports.
DWORD DropHere(CLIPFORMAT format, std::string bytes, bool ctrl, DWORD allowed) {
  IDataObject* data = CreateTextDataObject({{format, std::move(bytes)}});
  HoldModifiers(ctrl ? Ctrl : Plain);
  DropAtOnce source;
  DWORD effect = DROPEFFECT_NONE;
  HRESULT result = DoDragDrop(data, &source, allowed, &effect);
  HoldModifiers(Plain);
  data->Release();
  return result == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}

DWORD DropBlock(HWND window, CLIPFORMAT format, std::string bytes, LONG position, bool ctrl = false,
                DWORD allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE) {
  PutCursorAt(window, ClientPointOf(window, position));
  return DropHere(format, std::move(bytes), ctrl, allowed);
}

// The user's drag: a press on the selection, then a move past the drag
// distance, which runs the whole drag; it drops where the cursor is, at `to`
// in `target` (by default the window dragged from).
void DragSelection(HWND window, LONG from, LONG to, bool ctrl = false, HWND target = nullptr) {
  POINT press = ClientPointOf(window, from);
  if (!target) target = window;
  PutCursorAt(target, ClientPointOf(target, to));
  HoldModifiers(ctrl ? Ctrl : Plain);
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
  SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(press.x + 30, press.y + 30));
  HoldModifiers(Plain);
}

class ControlDrops : public ControlTest {
 public:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    ControlTest::SetUp();
    ShowWindow(parent, SW_SHOWNORMAL);
    UpdateWindow(parent);
  }
  void TearDown() override {
    ControlTest::TearDown();
    OleUninitialize();
  }
};

TEST_F(ControlDrops, OwnSelectionMovesOrWithCtrlCopiesItsBytesAndUndoesInOneStep) {
  const std::string text("one two\0 three", 14);
  SetText(text);
  Select(4, 8);
  Click(ClientPointOf(control, 5));  // a press that never moves is a click
  EXPECT_EQ(Selected(), std::pair(5, 5));
  const struct { LONG to; bool ctrl; std::string result; std::pair<int, int> selected; } drags[] = {
      {14, false, std::string("one  threetwo\0", 14), {10, 14}},
      {0, true, std::string("two\0", 4) + text, {0, 4}},
      {6, false, text, {4, 8}},  // onto itself: nothing moves
  };
  for (const auto& drag : drags) {
    SCOPED_TRACE(drag.to);
    Select(4, 8);
    DragSelection(control, 5, drag.to, drag.ctrl);
    EXPECT_EQ(Text(), drag.result);
    if (drag.result == text) continue;
    EXPECT_EQ(Selected(), drag.selected);
    Send(EM_UNDO);
    EXPECT_EQ(Text(), text);
  }
}

TEST_F(ControlDrops, OtherProgramsTextComesAsCfTextFilesAsDropFilesAndNothingIntoReadOnly) {
  SetText("ab");
  EXPECT_EQ(DropBlock(control, CF_TEXT, std::string("xy\0z", 5), 2, true), static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_EQ(Text(), "abxy");

  const std::string path = "C:\\dropped.txt";
  DROPFILES header{};
  header.pFiles = sizeof header;
  std::string block(reinterpret_cast<const char*>(&header), sizeof header);
  EXPECT_EQ(DropBlock(control, CF_HDROP, block + path + std::string(2, '\0'), 0), static_cast<DWORD>(DROPEFFECT_COPY));
  MSG posted{};
  ASSERT_TRUE(PeekMessageA(&posted, control, WM_DROPFILES, WM_DROPFILES, PM_REMOVE));
  auto drop = reinterpret_cast<HDROP>(posted.wParam);
  char name[MAX_PATH] = {};
  DragQueryFileA(drop, 0, name, MAX_PATH);
  DragFinish(drop);
  EXPECT_EQ(std::string(name), path);
  EXPECT_EQ(Text(), "abxy");
  // A source that would only move the file is refused: a move lets it delete the original.
  EXPECT_EQ(DropBlock(control, CF_HDROP, block + path + std::string(2, '\0'), 0, false, DROPEFFECT_MOVE),
            static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_FALSE(PeekMessageA(&posted, control, WM_DROPFILES, WM_DROPFILES, PM_REMOVE));

  Send(EM_SETREADONLY, TRUE);
  EXPECT_EQ(DropBlock(control, CF_TEXT, std::string("no", 3), 0), static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(Text(), "abxy");
}

TEST_F(ControlDrops, TheUtf8ViewTakesTheDroppedCharactersInUtf8) {
  SetText("\xE4\xB8\xAD\xE6\x96\x87");  // two ideographs
  Send(EM_SETVIEWCODEPAGE, Utf8);
  const std::u16string word = u"Жx😀";
  DropBlock(control, CF_UNICODETEXT, std::string(reinterpret_cast<const char*>(word.c_str()), word.size() * 2 + 2), 3);
  EXPECT_EQ(Text(), "\xE4\xB8\xAD\xD0\x96x\xF0\x9F\x98\x80\xE6\x96\x87");
  DropBlock(control, CF_TEXT, "\xC6", 0);  // Windows-1251 Zhe
  EXPECT_EQ(Text().substr(0, 5), "\xD0\x96\xE4\xB8\xAD");

  SetText("\x90\x90x\xD0");  // two stray continuation bytes, x, a stray lead byte
  Select(0, 2);
  DragSelection(control, 1, 4);  // moved after the lead byte, the first joins it into А
  EXPECT_EQ(Text(), "x\xD0\x90\x90");
  EXPECT_EQ(Selected(), std::pair(1, 4));
}

TEST_F(ControlDrops, ADragOutOfTheUtf8ViewGivesItsCharacters) {
  SetText("\xD0\x96\xF0\x9F\x98\x80!");
  Send(EM_SETVIEWCODEPAGE, Utf8);
  HWND other = CreateWindowExA(0, documentControlClassName, "", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 300, 400, 40,
                               parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  for (CodePage view : {Ansi, Utf8}) {
    SendMessageA(other, EM_SETVIEWCODEPAGE, view, 0);
    SendMessageA(other, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    Select(0, 7);
    DragSelection(control, 0, 0, true, other);  // a copy: the text stays here
    std::string taken(16, '\0');
    taken.resize(static_cast<std::size_t>(SendMessageA(other, WM_GETTEXT, taken.size(), reinterpret_cast<LPARAM>(taken.data()))));
    if (view == Utf8) {
      EXPECT_EQ(taken, "\xD0\x96\xF0\x9F\x98\x80!");
    } else {  // Windows-1251 has Zhe, not the rest
      ASSERT_GE(taken.size(), 3u);
      EXPECT_EQ(taken.front(), '\xC6');
      EXPECT_EQ(taken.back(), '!');
    }
  }
  EXPECT_EQ(Text(), "\xD0\x96\xF0\x9F\x98\x80!");
  Select(0, 7);
  DragSelection(control, 0, 0, false, other);  // a move: the text goes from here, and one undo brings it back
  EXPECT_EQ(Text(), "");
  Send(EM_UNDO);
  EXPECT_EQ(Text(), "\xD0\x96\xF0\x9F\x98\x80!");
}

// The program's editor: its callback takes text in the view's clipboard
// format, and the undo journal takes a drop back in one step.
class EditorDrops : public FreshDocument {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    FreshDocument::SetUpTestSuite();
  }
  static void TearDownTestSuite() {
    FreshDocument::TearDownTestSuite();
    OleUninitialize();
  }
  void TearDown() override {
    SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
    FreshDocument::TearDown();
  }
};

TEST_F(EditorDrops, TextInEveryFormatLandsInTheViewCodePageAndOneUndoTakesItBack) {
  const char ansiWord[] = "Привет", oemWord[] = "\x8F\xE0\xA8\xA2\xA5\xE2", koi8Word[] = "\xF0\xD2\xC9\xD7\xC5\xD4";
  const struct { CLIPFORMAT format; std::string bytes; } offers[] = {
      {CF_TEXT, std::string(ansiWord, 7)}, {CF_OEMTEXT, std::string(oemWord, 7)}, {CF_UNICODETEXT, std::string(reinterpret_cast<const char*>(u"Привет"), 14)}};
  const std::u8string utf8Word = u8"Привет";
  const struct { CodePage view; std::string word; } views[] = {
      {Ansi, ansiWord}, {Oem, oemWord}, {Koi8, koi8Word}, {Utf8, std::string(utf8Word.begin(), utf8Word.end())}};
  for (const auto& view : views) {
    for (const auto& offer : offers) {
      SCOPED_TRACE(testing::Message() << "view " << view.view << ", format " << offer.format);
      SetViewCodePage(view.view);
      SetEditorText("ab");
      ClearUndoJournal();
      DropBlock(editorWindow, offer.format, offer.bytes, 1);
      EXPECT_EQ(EditorText(), std::string("a") + view.word + "b");
      const LONG end = 1 + static_cast<LONG>(view.word.size());
      EXPECT_EQ(std::pair(Selection().cpMin, Selection().cpMax), std::pair(1L, end));
      SendCommand(Command::Undo);
      EXPECT_EQ(EditorText(), "ab");
    }
  }
}

}  // namespace
