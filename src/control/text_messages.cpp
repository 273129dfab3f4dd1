// Text, selection, lines, words, find, modified flag, undo and limit: the
// messages that map one for one onto the engine.
#include <richedit.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "control/control_editing.h"
#include "control/control_messages.h"
#include "control/control_view.h"
#include "control/document_control.h"

namespace {

Position ToPosition(WPARAM value) { return static_cast<Position>(std::min<WPARAM>(value, INT_MAX)); }

// A requested range as the engine resolves it: an end of -1 is the end of the
// text, both ends are clamped, an inverted range is empty.
PositionRange Resolve(const DocumentEngine& engine, CHARRANGE range) {
  Position length = engine.GetLength();
  Position start = std::clamp<Position>(range.cpMin, 0, length);
  Position end = range.cpMax < 0 ? length : std::clamp<Position>(range.cpMax, 0, length);
  return {start, std::max(start, end)};
}

std::string_view TextOf(LPARAM lParam) {
  const char* text = reinterpret_cast<const char*>(lParam);
  return text ? std::string_view(text) : std::string_view();
}

// A selection set by the program shows its caret like one set by the user,
// but stands exactly where it is asked to, inside a UTF-8 character too: the
// program puts bytes back where they were (undo) or selects a byte pattern.
// Only the user's own moves keep to character starts.
void SelectByProgram(DocumentControl& control, Position anchor, Position caret) {
  SelectByUser(control, anchor, caret);
}

LRESULT Find(DocumentControl& control, WPARAM options, LPARAM lParam, bool extended, bool backward = false) {
  auto* find = reinterpret_cast<FINDTEXTEXA*>(lParam);
  if (!find || !find->lpstrText) return -1;
  PositionRange range{find->chrg.cpMin, find->chrg.cpMax};
  std::string_view pattern(find->lpstrText);
  auto flags = static_cast<std::uint32_t>(options);
  Position found = backward ? control.engine.FindLast(range, pattern, flags) : control.engine.Find(range, pattern, flags);
  if (extended) {
    find->chrgText.cpMin = found;
    find->chrgText.cpMax = found < 0 ? -1 : found + static_cast<Position>(pattern.size());
  }
  return found;
}

LRESULT WordBreak(const DocumentControl& control, WPARAM code, LPARAM position) {
  auto at = static_cast<Position>(position);
  switch (code) {
    case WB_MOVEWORDLEFT:
    case WB_LEFT:
    case WB_LEFTBREAK:
      return control.engine.FindWordBreak(WordMove::Left, at);
    case WB_MOVEWORDRIGHT:
    case WB_RIGHT:
    case WB_RIGHTBREAK:
      return control.engine.FindWordBreak(WordMove::Right, at);
    case WB_ISDELIMITER: {
      unsigned char b = control.engine.GetByte(at);
      return b == ' ' || b == '\t' || b == '\r' || b == '\n';
    }
    default:
      return 0;
  }
}

LRESULT GetLine(const DocumentControl& control, WPARAM line, LPARAM lParam) {
  char* buffer = reinterpret_cast<char*>(lParam);
  if (!buffer) return 0;
  WORD size = 0;
  std::memcpy(&size, buffer, sizeof size);
  Position start = control.engine.GetLineIndex(ToPosition(line));
  if (start < 0 || size == 0) return 0;
  Position length = std::min<Position>(control.engine.GetLineLength(ToPosition(line)), size);
  std::string bytes = control.engine.GetTextRange({start, start + length});
  std::memcpy(buffer, bytes.data(), bytes.size());  // no terminating zero, as the edit controls do
  return static_cast<LRESULT>(bytes.size());
}

void SetOleCallback(DocumentControl& control, IUnknown* callback) {
  if (callback) callback->AddRef();
  if (control.oleCallback) control.oleCallback->Release();
  control.oleCallback = callback;
}

}  // namespace

bool HandleTextMessage(DocumentControl& control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  DocumentEngine& engine = control.engine;
  switch (message) {
    case WM_GETTEXTLENGTH:
      result = engine.GetLength();
      return true;
    case WM_GETTEXT:
      result = engine.GetText(reinterpret_cast<char*>(lParam), ToPosition(wParam));
      return true;
    case WM_SETTEXT:
      result = ReplaceWholeText(control, TextOf(lParam));
      return true;
    case EM_GETSEL: {
      PositionRange selection = engine.GetSelection();
      if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(selection.start);
      if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(selection.end);
      result = selection.end > 0xFFFF ? -1 : MAKELONG(selection.start, selection.end);
      return true;
    }
    case EM_SETSEL:
      SelectByProgram(control, static_cast<Position>(wParam), static_cast<Position>(lParam));
      result = 0;
      return true;
    case EM_EXGETSEL: {
      PositionRange selection = engine.GetSelection();
      if (auto* range = reinterpret_cast<CHARRANGE*>(lParam)) *range = {selection.start, selection.end};
      result = 0;
      return true;
    }
    case EM_EXSETSEL:
      if (auto* range = reinterpret_cast<CHARRANGE*>(lParam)) SelectByProgram(control, range->cpMin, range->cpMax);
      result = engine.GetSelection().end;
      return true;
    case EM_SELECTIONTYPE:
      result = engine.GetSelectionType();
      return true;
    case EM_GETSELTEXT: {
      PositionRange selection = engine.GetSelection();
      result = engine.GetSelectedText(reinterpret_cast<char*>(lParam), selection.end - selection.start + 1);
      return true;
    }
    case EM_GETTEXTRANGE: {
      auto* range = reinterpret_cast<TEXTRANGEA*>(lParam);
      if (!range || !range->lpstrText) {
        result = 0;
        return true;
      }
      PositionRange r = Resolve(engine, range->chrg);
      result = engine.GetTextRange(r, range->lpstrText, r.end - r.start + 1);
      return true;
    }
    case EM_REPLACESEL:
      ReplaceSelection(control, TextOf(lParam), wParam ? UndoAction::Separate : UndoAction::None);
      result = 0;
      return true;
    case WM_CLEAR:
      if (!control.readOnly && engine.GetSelectionType() != 0) ReplaceSelection(control, {}, UndoAction::Separate);
      result = 0;
      return true;
    case EM_EXLINEFROMCHAR:
      result = engine.GetLineFromPosition(static_cast<Position>(lParam));
      return true;
    case EM_LINEFROMCHAR:
      result = engine.GetLineFromPosition(static_cast<Position>(wParam) < 0 ? engine.GetSelection().start
                                                                          : static_cast<Position>(wParam));
      return true;
    case EM_LINEINDEX:
      result = engine.GetLineIndex(static_cast<Position>(wParam));
      return true;
    case EM_LINELENGTH:
      result = engine.GetLineLengthAt(static_cast<Position>(wParam));
      return true;
    case EM_GETLINECOUNT:
      result = engine.GetLineCount();
      return true;
    case EM_GETLINE:
      result = GetLine(control, wParam, lParam);
      return true;
    case EM_FINDWORDBREAK:
      result = WordBreak(control, wParam, lParam);
      return true;
    case EM_FINDTEXT:
    case EM_FINDTEXTEX:
      result = Find(control, wParam, lParam, message == EM_FINDTEXTEX);
      return true;
    case EM_FINDTEXTBACKWARD:
      result = Find(control, wParam, lParam, false, true);
      return true;
    case EM_COUNTCHARACTERS:
      result = engine.CountCharacters({static_cast<Position>(wParam), static_cast<Position>(lParam)});
      return true;
    case EM_GETMODIFY:
      result = engine.GetModified() ? -1 : 0;
      return true;
    case EM_SETMODIFY:
      engine.SetModified(wParam != 0);
      result = 0;
      return true;
    case EM_CANUNDO:
      result = engine.CanUndo();
      return true;
    case EM_UNDO:
      result = UndoLastChange(control);
      return true;
    case EM_EMPTYUNDOBUFFER:
      engine.EmptyUndoBuffer();
      result = 0;
      return true;
    case EM_EXLIMITTEXT:
      engine.SetTextLimit(static_cast<Position>(lParam));
      result = 0;
      return true;
    case EM_LIMITTEXT:
      engine.SetTextLimit(ToPosition(wParam));
      result = 0;
      return true;
    case EM_GETLIMITTEXT:
      result = engine.GetTextLimit();
      return true;
    case EM_SETREADONLY: {
      control.readOnly = wParam != 0;
      LONG style = GetWindowLongA(control.window, GWL_STYLE);
      SetWindowLongA(control.window, GWL_STYLE, control.readOnly ? style | ES_READONLY : style & ~ES_READONLY);
      result = TRUE;
      return true;
    }
    case EM_SETEVENTMASK:
      result = static_cast<LRESULT>(control.eventMask);
      control.eventMask = static_cast<DWORD>(lParam);
      return true;
    case EM_GETEVENTMASK:
      result = static_cast<LRESULT>(control.eventMask);
      return true;
    case EM_SETOLECALLBACK:
      SetOleCallback(control, reinterpret_cast<IUnknown*>(lParam));
      result = TRUE;
      return true;
    default:
      return false;
  }
}
