#include "editor/view_refresh.h"

#include <windows.h>
#include <richedit.h>

#include "editor/editor_control.h"
#include "editor/view_format.h"

void RefreshViewFormat() {
  if (!editorWindow) return;
  SendMessageA(editorWindow, WM_SETREDRAW, FALSE, 0);
  auto firstLine = static_cast<LONG>(SendMessageA(editorWindow, EM_GETFIRSTVISIBLELINE, 0, 0));
  CHARRANGE selection{};
  SendMessageA(editorWindow, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  ApplyViewFormat();
  SendMessageA(editorWindow, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  auto nowFirst = static_cast<LONG>(SendMessageA(editorWindow, EM_GETFIRSTVISIBLELINE, 0, 0));
  if (nowFirst > firstLine) SendMessageA(editorWindow, EM_LINESCROLL, 0, firstLine - nowFirst);
  SendMessageA(editorWindow, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(editorWindow, nullptr, FALSE);
}
