#include "program_windows.h"

#include <commctrl.h>
#include <richedit.h>

#include "app/initialisation.h"
#include "app/menu_bar.h"
#include "app/window_classes.h"
#include "base/globals.h"
#include "base/settings_store.h"
#include "chrome/status_bar.h"
#include "control_fixture.h"
#include "editor/editor_control.h"
#include "editor/memory_stream.h"
#include "editor/undo_commands.h"
#include "editor/view_commands.h"

namespace {

bool classesRegistered = false;

BOOL CALLBACK AddStaticText(HWND child, LPARAM param) {
  char className[32] = {};
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, "Static") != 0) return TRUE;
  char text[1024] = {};
  GetWindowTextA(child, text, sizeof text);
  *reinterpret_cast<std::string*>(param) += std::string(text) + "\n";
  return TRUE;
}

BOOL CALLBACK FindOwnDialog(HWND window, LPARAM param) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (owner != GetCurrentProcessId() || lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(param) = window;
  return FALSE;
}

// Once the action is done, a dialog that has not come will not: no more watching.
struct Player { const std::vector<DialogStep>* steps; volatile LONG actionDone; int played; };

DWORD WINAPI PlayDialogs(void* param) {
  auto* player = static_cast<Player*>(param);
  auto done = [player] { return InterlockedCompareExchange(&player->actionDone, 0, 0) != 0; };
  for (const DialogStep& step : *player->steps) {
    HWND dialog = nullptr;
    for (int wait = 0; wait < 500 && !dialog && !done(); ++wait) {
      EnumWindows(FindOwnDialog, reinterpret_cast<LPARAM>(&dialog));
      if (!dialog) Sleep(10);
    }
    if (!dialog) return 0;
    step(dialog);
    ++player->played;
    for (int wait = 0; wait < 500 && IsWindow(dialog) && !done(); ++wait) Sleep(10);
  }
  return 0;
}

}  // namespace

int RunWithDialogs(const std::function<void()>& action, const std::vector<DialogStep>& steps) {
  Player player{&steps, 0, 0};
  HANDLE thread = CreateThread(nullptr, 0, PlayDialogs, &player, 0, nullptr);
  action();
  InterlockedExchange(&player.actionDone, 1);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  return player.played;
}

DialogSeen RunClosingDialog(const std::function<void()>& action, int button,
                            const std::function<void(HWND)>& drive) {
  DialogSeen seen;
  seen.appeared = RunWithDialogs(action, {[&](HWND dialog) {
                    EnumChildWindows(dialog, AddStaticText, reinterpret_cast<LPARAM>(&seen.texts));
                    if (drive) drive(dialog);
                    PostMessageA(dialog, WM_COMMAND, button, 0);
                  }}) == 1;
  return seen;
}

void ProgramWindows::SetUpTestSuite() {
  RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
  processHeap = GetProcessHeap();
  appInstance = GetModuleHandleA(nullptr);
  if (!classesRegistered) classesRegistered = RegisterWindowClasses(appInstance);
  ASSERT_TRUE(classesRegistered && CreateMainWindow(appInstance));
  BuildMenuBar();
  InitialiseSharedState(appInstance);
  ASSERT_TRUE(editorWindow && statusWindow);
  ShowWindow(mainWindow, SW_SHOWNORMAL);
}

void ProgramWindows::TearDownTestSuite() {
  if (mainWindow) DestroyWindow(mainWindow);
  mainWindow = nullptr;
  statusWindow = nullptr;
  // The main window's end posts WM_QUIT; it must not end a later test's modal loop.
  MSG quit;
  while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
  RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
}

std::string ProgramWindows::EditorText() { return TextOf(editorWindow); }

void ProgramWindows::SetEditorText(const std::string& text) {
  std::string bytes = text;
  auto size = static_cast<int32_t>(bytes.size());
  MemoryStream stream{0, size, reinterpret_cast<BYTE*>(bytes.data()), size};
  StreamInFromMemory(&stream, SF_TEXT);
}

CHARRANGE ProgramWindows::Selection() { return SelectionOf(editorWindow); }

void ProgramWindows::Select(LONG start, LONG end) {
  CHARRANGE range{start, end};
  SendMessageA(editorWindow, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void ProgramWindows::SendCommand(Command command) { SendMessageA(mainWindow, WM_COMMAND, Id(command), 0); }

std::string ProgramWindows::WindowText(HWND window) {
  char text[1024] = {};
  return std::string(text, GetWindowTextA(window, text, sizeof text));
}

std::string ProgramWindows::StatusPaneText(int pane) {
  std::string text(LOWORD(SendMessageA(statusWindow, SB_GETTEXTLENGTHA, pane, 0)) + 1, '\0');
  SendMessageA(statusWindow, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(text.data()));
  return text.c_str();
}

void ProgramWindows::PutOnClipboard(UINT format, const std::string& bytes) {
  ASSERT_TRUE(OpenClipboard(mainWindow));
  EmptyClipboard();
  if (!bytes.empty()) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size() + 1);
    memcpy(GlobalLock(block), bytes.data(), bytes.size());
    GlobalUnlock(block);
    SetClipboardData(format, block);
  }
  CloseClipboard();
}

namespace {

// The clipboard's text in `format` up to its zero; `text` when it has none.
template <class Text>
Text ReadClipboard(UINT format, Text text) {
  if (!OpenClipboard(mainWindow)) return text;
  if (HANDLE data = GetClipboardData(format)) {
    text = static_cast<const typename Text::value_type*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

}  // namespace

std::string ProgramWindows::FromClipboard(UINT format) { return ReadClipboard(format, std::string("<none>")); }

std::u16string ProgramWindows::WideFromClipboard() { return ReadClipboard(CF_UNICODETEXT, std::u16string(u"<none>")); }

void FreshDocument::SetUp() {
  RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
  useEditorUndo = false;
  SetViewCodePage(Ansi);
  SetEditorText("");
  ClearUndoJournal();
}

void FreshDocument::TearDown() {
  ClearUndoJournal();
  SetViewCodePage(Ansi);
  RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
}
