#include "app/main_window.h"

#include <new>
#include <stdexcept>

#include "app/command_dispatch.h"
#include "app/menu_bar.h"
#include "app/menu_enabling.h"
#include "app/menu_item_drawing.h"
#include "app/menu_mnemonics.h"
#include "app/session_end.h"
#include "app/shutdown.h"
#include "app/window_placement.h"
#include "app/window_scale.h"
#include "base/error_box.h"
#include "base/globals.h"
#include "base/last_resort.h"
#include "base/running_instance.h"
#include "base/window_dpi.h"
#include "base/window_messages.h"
#include "chrome/status_bar.h"
#include "chrome/toolbar.h"
#include "chrome/toolbar_notify.h"
#include "control/document_control.h"
#include "documents/document_commands.h"
#include "documents/save_prompt.h"
#include "editor/caret_report.h"
#include "editor/editor_control.h"
#include "editor/undo_commands.h"
#include "printing/print_progress.h"

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

// The document's changes reach the undo journal before they happen.
void OnNotify(const NMHDR& header) {
  if (header.code != EN_TEXTCHANGING || !editorWindow || header.hwndFrom != editorWindow) return;
  const auto& change = reinterpret_cast<const TEXTCHANGING&>(header);
  NoteDocumentChange({change.replaced.cpMin, change.replaced.cpMax}, change.inserted);
}

// The last line of defence: a command whose own work did not catch running out
// of memory tells the user instead of ending the program, as an exception
// leaving a window procedure would.
bool RunCommandTold(int command) {
  try {
    if (!RunCommand(command)) return false;
    // Keys and clicks in the editor report the caret; a command from the menu, the toolbar or an
    // accelerator may move it, or change the lines before it, without either.
    ReportCaretPositionAfresh();
  } catch (const std::bad_alloc&) {
    ReportOutOfMemory();
  } catch (const std::length_error&) {
    ReportOutOfMemory();
  }
  return true;
}

}  // namespace

static LRESULT MainWindowProcUnguarded(HWND, UINT, WPARAM, LPARAM);

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&] { return MainWindowProcUnguarded(window, message, wParam, lParam); }, LRESULT{0});
}

static LRESULT MainWindowProcUnguarded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      // A close while pages print (the taskbar's Close) stops the job and comes back after it.
      if (PrintProgress::Running()) {
        PrintProgress::Cancel();
        PostMessageW(window, WM_CLOSE, 0, 0);
        return 0;
      }
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
    case openDroppedFileMessage:
      return OpenDroppedFile(reinterpret_cast<HDROP>(wParam));
    case contextMenuMessage:
      ShowContextMenu(static_cast<ContextMenu>(wParam), lParam);
      return 0;
    case recentFilesChangedMessage:
      RefreshRecentItems();
      return 0;
    case WM_QUERYENDSESSION:
      if (!QueryCloseDocument()) return 0;
      break;
    case WM_ENDSESSION:
      if (wParam) RememberAtSessionEnd();
      return 0;
    case WM_COPYDATA:
      return AnswerInstanceRequest(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_INITMENUPOPUP:
      if (HIWORD(lParam) == 0) EnableMenuItems();
      break;
    case WM_COMMAND:
      if (editorWindow && reinterpret_cast<HWND>(lParam) == editorWindow) {
        // The editor's own notifications: only running out of memory needs telling.
        if (HIWORD(wParam) == EN_ERRSPACE) ReportOutOfMemory();
        return 0;
      }
      if (RunCommandTold(LOWORD(wParam))) return 0;
      break;
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (item->CtlType == ODT_MENU) return MeasureMenuItem(item);
      break;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlID == statusBarId && statusWindow && item->hwndItem == statusWindow) {
        DrawStatusPane(*item);
        return TRUE;
      }
      if (item->CtlType == ODT_MENU) return DrawMenuItem(item);
      break;
    }
    case WM_NOTIFY: {
      LRESULT answer;
      if (OnToolbarNotify(reinterpret_cast<NMHDR*>(lParam), &answer)) return answer;
      OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
      break;
    }
    case dpiChangedMessage:
      OnDpiChanged(wParam, *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
      OnSystemLooksChanged();
      break;
    case WM_MENUCHAR:
      return MenuChar(LOWORD(wParam), reinterpret_cast<HMENU>(lParam));
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
