#include "conversion/text_transform.h"

#include <windows.h>
#include <richedit.h>

#include <new>
#include <optional>
#include <string>

#include "app/settings_store.h"
#include "conversion/alignment.h"
#include "conversion/code_pages.h"
#include "conversion/equals_escapes.h"
#include "conversion/line_breaks.h"
#include "conversion/recoding_routes.h"
#include "conversion/transliteration.h"
#include "conversion/undo_commands.h"
#include "conversion/view_format.h"
#include "editor/control_editor.h"
#include "editor/editor_control.h"
#include "editor/engine/rtf_reader.h"

namespace {

LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageA(editorWindow, message, wParam, lParam);
}

ControlEditor& Editor() {
  static ControlEditor editor;
  return editor;
}

struct Frame {
  int command = 0;
  PositionRange selection;  // as the user left it
  bool wholeText = false;   // nothing was selected
  PositionRange range;      // what the transformation works on, selected
};

bool IsAlignment(int command) { return command >= AlignJustify && command <= AlignRight; }

// Alignment works on whole lines: a selection that starts inside a line grows
// to the start of that line and to the end of its last line, line break excluded.
PositionRange WholeLines(PositionRange selection) {
  LRESULT firstLine = Send(EM_EXLINEFROMCHAR, 0, selection.start);
  auto lineStart = static_cast<Position>(Send(EM_LINEINDEX, static_cast<WPARAM>(firstLine)));
  if (lineStart == selection.start) return selection;
  LRESULT lastLine = Send(EM_EXLINEFROMCHAR, 0, selection.end);
  auto lastStart = static_cast<Position>(Send(EM_LINEINDEX, static_cast<WPARAM>(lastLine)));
  auto lastLength = static_cast<Position>(Send(EM_LINELENGTH, static_cast<WPARAM>(lastStart)));
  return {lineStart, lastStart + lastLength};
}

Frame ChooseRange(int command) {
  Frame frame;
  frame.command = command;
  frame.selection = Editor().GetSelection();
  frame.wholeText = frame.selection.start == frame.selection.end;
  frame.range = frame.selection;
  if (frame.wholeText || command == rtfToTextCommand) {
    frame.range = {0, Editor().GetTextLength()};
  } else if (IsAlignment(command)) {
    frame.range = WholeLines(frame.selection);
  }
  if (frame.range.start != frame.selection.start || frame.range.end != frame.selection.end) {
    Editor().SetSelection(frame.range);
  }
  return frame;
}

// Replaces the working range by `text` as one undoable step and selects it.
void ReplaceRange(const Frame& frame, const std::string& text) {
  RecordUndo(UndoReplace, static_cast<Position>(text.size()));
  if (Editor().ReplaceSelection(text)) {
    Editor().SetSelection({frame.range.start, frame.range.start + static_cast<Position>(text.size())});
  }
}

void Recode(const Frame& frame, std::string& text, int32_t fromTable, int32_t toTable) {
  RecodeBytes(reinterpret_cast<unsigned char*>(text.data()), text.size(), fromTable, toTable);
  if (frame.wholeText && frame.command != RecodeChosen) {
    Editor().SetSelection(frame.selection);  // the snapshot's undo puts the caret back
    RecordUndo(UndoSnapshot, 0);
    viewCodePage = frame.command == RecodeToFido ? Oem : static_cast<CodePage>(frame.command - RecodeToAnsi);
    ApplyViewFormat();  // selects the whole text again
  } else {
    RecordUndo(UndoReplace, static_cast<Position>(text.size()));
  }
  Editor().ReplaceSelection(text);
  Editor().SetSelection(frame.selection);
}

// The control reads RTF itself, but only a text that really is RTF is replaced.
void ConvertRtf(const Frame& frame, const std::string& text) {
  static constexpr char signature[] = "{\\rtf";
  if (text.compare(0, sizeof signature - 1, signature) != 0) return;
  std::string plain = RtfToText(text, viewCodePage);
  Editor().SetSelection(frame.selection);
  RecordUndo(UndoSnapshot, 0);
  Editor().ReplaceWholeText(plain);
  Editor().SetSelection({0, 0});
}

AlignmentSettings StoredAlignmentSettings() {
  AlignmentSettings settings;
  settings.width = ReadSettingDword("RI", settings.width);
  settings.firstIndent = ReadSettingDword("FI", 0);
  settings.leftIndent = ReadSettingDword("LI", 0);
  settings.joinLines = ReadSettingDword("IG", 0) != 0;
  return settings;
}

// The caret ends, with nothing selected, where the range began (where it was
// when nothing was selected). A result the text limit cannot hold changes nothing.
void Align(const Frame& frame, const std::string& text) {
  Position outside = Editor().GetTextLength() - (frame.range.end - frame.range.start);
  auto room = static_cast<std::size_t>(std::max<Position>(textLimit - outside, 0));
  std::optional<std::string> aligned =
      AlignText(text, static_cast<Alignment>(frame.command), StoredAlignmentSettings(), room);
  if (!aligned) return;
  RecordUndo(UndoReplace, static_cast<Position>(aligned->size()));
  if (!Editor().ReplaceSelection(*aligned)) return;
  Position caret = frame.wholeText ? frame.selection.start : frame.range.start;
  Editor().SetSelection({caret, caret});
}

void Transform(const Frame& frame, std::string& text, int32_t fromTable, int32_t toTable) {
  switch (frame.command) {
    case RecodeChosen:
    case RecodeToAnsi:
    case RecodeToOem:
    case RecodeToKoi8:
    case RecodeToFido:
      Recode(frame, text, fromTable, toTable);
      break;
    case translitCommand:
      ReplaceRange(frame, Transliterate(text, viewCodePage));
      break;
    case rtfToTextCommand:
      ConvertRtf(frame, text);
      break;
    case equalsEscapesCommand:
      ReplaceRange(frame, DecodeEqualsEscapes(text));
      break;
    case lineBreakCommand:
      ReplaceRange(frame, RepairLineBreaks(text));
      break;
    default:
      if (IsAlignment(frame.command)) Align(frame, text);
      break;
  }
}

// A view that the new text scrolled down comes back; one that moved up stays.
void RestoreView(LRESULT firstLine) {
  LRESULT now = Send(EM_GETFIRSTVISIBLELINE);
  if (now > firstLine) Send(EM_LINESCROLL, 0, firstLine - now);
  Send(WM_SETREDRAW, TRUE);
  InvalidateRect(editorWindow, nullptr, FALSE);
}

}  // namespace

void TransformText(int command, int32_t fromTable, int32_t toTable) {
  if (!editorWindow) return;
  Send(WM_SETREDRAW, FALSE);
  LRESULT firstLine = Send(EM_GETFIRSTVISIBLELINE);
  try {
    Frame frame = ChooseRange(command);
    if (frame.range.end > frame.range.start) {
      std::string text = Editor().GetSelectedText();
      if (!text.empty()) Transform(frame, text, fromTable, toTable);
    }
  } catch (const std::bad_alloc&) {
    // Every output is built before the text is touched: nothing has changed.
  }
  RestoreView(firstLine);
}

void RecodeFromView(int command) {
  RecodingRoute route = MenuRecodingRoute(command, viewCodePage);
  TransformText(command, route.fromTable, route.toTable);
}
