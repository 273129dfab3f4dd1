#include "app/main_window.h"

#include <richedit.h>

#include "app/about_box.h"
#include "app/globals.h"
#include "app/menu_item_drawing.h"
#include "app/menu_mnemonics.h"
#include "app/shutdown.h"
#include "app/window_placement.h"
#include "chrome/status_bar.h"
#include "chrome/toolbar.h"
#include "conversion/code_page_chord.h"
#include "conversion/code_pages.h"
#include "conversion/text_transform.h"
#include "conversion/view_commands.h"
#include "app/menu_bar.h"
#include "conversion/undo_commands.h"
#include "documents/document_commands.h"
#include "documents/recent_files.h"
#include "documents/save_as.h"
#include "documents/save_prompt.h"
#include "editor/caret_report.h"
#include "editor/editor_control.h"
#include "editor/word_wrap.h"
#include "printing/print_document.h"

namespace {

// Height of a bar after it has fitted itself to the new width; 0 without one.
int FittedHeight(HWND bar) {
  if (!bar) return 0;
  SendMessageA(bar, WM_SIZE, 0, 0);
  RECT rect;
  GetWindowRect(bar, &rect);
  return rect.bottom - rect.top;
}

void LayOutChildren(int width, int height) {
  int top = FittedHeight(toolbarWindow);
  int bottom = FittedHeight(statusWindow);
  if (editorWindow) MoveWindow(editorWindow, 0, top, width, height - bottom - top, TRUE);
}

void UndoCommand() {
  if (useEditorUndo) {
    SendMessageA(editorWindow, EM_UNDO, 0, 0);
  } else {
    UndoLast();
  }
}

void DeleteCommand() {
  RecordUndo(UndoReplace, 0);
  SendMessageA(editorWindow, WM_CLEAR, 0, 0);
}

bool RunCommand(int command) {
  int recentSlot = command - static_cast<int>(firstRecentCommand);
  if (recentSlot >= 0 && recentSlot < 10) {
    OpenRecentFile(recentSlot);
    return true;
  }
  switch (command) {
    case 4: UndoCommand(); return true;
    case 6: DeleteCommand(); return true;
    case 7: NewDocument(); return true;
    case 8: OpenCommand(); return true;
    case 9: SaveCommand(); return true;
    case 26: SaveAs(); return true;
    case 38: InsertFromCommand(); return true;
    case 15: PrintDocument(); return true;
    case wordWrapCommand: ToggleWordWrap(); return true;
    case 44: SendMessageA(mainWindow, WM_CLOSE, 0, 0); return true;
    case 51: ShowAboutBox(mainWindow); return true;
    case 16: case 17: case 18: SetViewCodePage(static_cast<CodePage>(command - viewAnsiCommand)); return true;
    case 19: case 20: case 21: case 22:
    case 33: case 34: case 35: case 36: TransformText(command, NoTable, NoTable); return true;
    case 29: case 30: case 31: case 32: RecodeFromView(command); return true;
    case fontLargerCommand: ChangeFontSize(+1); return true;
    case fontSmallerCommand: ChangeFontSize(-1); return true;
    case 100: case 101: case 102: OnCodePageChord(command); return true;
    default: return false;
  }
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      if (editorWindow && !QueryCloseDocument()) return 0;
      break;
    case WM_DESTROY:
      if (placementActive) SaveWindowPlacement();
      ReleaseResources();
      PostQuitMessage(0);
      return 0;
    case WM_SIZE:
      LayOutChildren(LOWORD(lParam), HIWORD(lParam));
      break;
    case WM_SETFOCUS:
      if (editorFocusForward && editorWindow) SetFocus(editorWindow);
      break;
    case caretMovedMessage:
      ReportCaretPosition();
      break;
    case WM_COMMAND:
      if (RunCommand(LOWORD(wParam))) return 0;
      break;
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (item->CtlType == ODT_MENU) return MeasureMenuItem(item);
      break;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlType == ODT_MENU) return DrawMenuItem(item);
      break;
    }
    case WM_MENUCHAR:
      return MenuChar(LOWORD(wParam), reinterpret_cast<HMENU>(lParam));
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
