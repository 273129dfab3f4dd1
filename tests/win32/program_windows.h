// The program's own windows created inside the test process, as start-up
// creates them: main window, marker, menu bar, status bar and editor.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <functional>
#include <string>
#include <vector>

#include "base/commands.h"

class ProgramWindows : public ::testing::Test {
 protected:
  // With no settings stored: status bar on, word wrap off.
  static void SetUpTestSuite();
  static void TearDownTestSuite();

  static std::string EditorText();
  static void SetEditorText(const std::string& text);  // bytes, zero included
  static std::string StatusPaneText(int pane);
  static std::string WindowText(HWND window);
  static CHARRANGE Selection();
  static void Select(LONG start, LONG end);
  static void SendCommand(Command command);  // WM_COMMAND to the main window, as the menu sends it
  static void PutOnClipboard(UINT format, const std::string& bytes);  // empty: an empty clipboard
  static std::string FromClipboard(UINT format);                       // "<none>" when it has no such data
  static std::u16string WideFromClipboard();                           // CF_UNICODETEXT, the same
};

// Commands in a failure message: their numbers.
inline void PrintTo(Command command, std::ostream* out) { *out << Id(command); }

// Each test starts and ends with no settings, the journal empty and in use,
// the Windows-1251 view and (at the start) an empty document.
class FreshDocument : public ProgramWindows {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// Runs `action`; another thread plays each step in the next visible dialog of
// this process, once the one before it has closed (steps work dialogs by
// messages and must not assert). The number of steps played.
using DialogStep = std::function<void(HWND dialog)>;
int RunWithDialogs(const std::function<void()>& action, const std::vector<DialogStep>& steps);

// What a modal dialog showed before it was closed: its static texts, one per line.
struct DialogSeen { bool appeared = false; std::string texts; };

// Runs `action`, which opens a modal dialog of this process; records what it
// shows, lets `drive` work it and presses `button` (OK unless told).
DialogSeen RunClosingDialog(const std::function<void()>& action, int button = IDOK,
                            const std::function<void(HWND)>& drive = {});
