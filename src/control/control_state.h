// Everything one document control window keeps: its engine, its looks, its
// view on the text and what the mouse is doing. The window procedure finds it
// in GWLP_USERDATA.
#pragma once
#include <windows.h>
#include <ole2.h>

#include "control/page_print.h"
#include "control/row_layout.h"
#include "control/view_font.h"
#include "engine/document_engine.h"

// How a mouse drag extends the selection: by characters, words or whole rows
// (a drag that began in the selection bar). Text: the press was on the
// selection, and moving the mouse drags the selected text away.
enum class DragUnit { None, Character, Word, Row, Text };

// The last answer to EM_GETFIRSTVISIBLELINE with word wrap and the top row it
// was given for.
struct ScreenLineMark {
  Position position = 0;
  std::int64_t value = 0;
  bool valid = false;
};

struct DocumentControl {
  DocumentControl(HWND window, DWORD style);
  ~DocumentControl();
  DocumentControl(const DocumentControl&) = delete;
  DocumentControl& operator=(const DocumentControl&) = delete;

  HWND window;
  DocumentEngine engine;

  // From the window style.
  bool multiline;
  bool wrap;
  bool readOnly;
  bool selectionBar;
  bool verticalBarWanted;
  bool horizontalBarWanted;
  bool noHideSelection;

  // Looks.
  CodePage viewCodePage = Ansi;
  ViewFont font;
  CharFormat fontFormat;  // the format `font` was made for
  int dpi = 96;           // the font's points become pixels at it; margins and caret grow with it
  COLORREF background;
  bool systemBackground = true;

  // State.
  bool redraw = true;
  bool focused = false;
  bool selectionShown = false;
  bool overwrite = false;
  IUnknown* oleCallback = nullptr;
  DWORD eventMask = 0;

  // View: the row at the top, and the horizontal scroll without word wrap.
  Row top;
  std::int64_t xOffset = 0;
  std::int64_t widestSeen = 0;
  std::int64_t goalX = -1;  // where Up, Down and the page keys aim; -1: from the caret
  bool updatingScrollBars = false;
  bool caretToShow = false;  // edited while drawing was off: bring the caret into view when it is back
  SCROLLINFO verticalBar{};  // as last set
  SCROLLINFO horizontalBar{};
  ScreenLineMark screenLineMark;
  mutable LineXCache xCache;  // x along the last long line without wrap

  // Printing.
  PrintLayout print;

  // Mouse.
  DragUnit drag = DragUnit::None;
  Position dragAnchorStart = 0;  // the word or row the drag began in
  Position dragAnchorEnd = 0;
  POINT lastMouse{};
  int wheelRest = 0;

  // Drag and drop of text.
  bool dropTargetRegistered = false;  // with OLE in the thread
  IDataObject* dragData = nullptr;    // what the control is dragging away now
  bool dragLanded = false;            // the drag was dropped in the control itself
  bool dropCaretMade = false;         // a caret made to show where a hovering drop lands

  // The rows of the text as they are now; a fresh layout is cheap.
  RowLayout Layout() const;
};

// The control a window of the class keeps; null before WM_NCCREATE and after
// WM_NCDESTROY. The drag source and drop target find theirs here too.
inline DocumentControl* ControlOf(HWND window) {
  return reinterpret_cast<DocumentControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}
