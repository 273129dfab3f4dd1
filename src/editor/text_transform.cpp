#include "editor/text_transform.h"

#include <windows.h>
#include <richedit.h>

#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/error_box.h"
#include "base/globals.h"
#include "base/settings_store.h"
#include "base/view_code_pages.h"
#include "codepages/alignment.h"
#include "codepages/code_pages.h"
#include "codepages/equals_escapes.h"
#include "codepages/line_breaks.h"
#include "codepages/recoding_routes.h"
#include "codepages/transliteration.h"
#include "codepages/utf8_latin.h"
#include "codepages/utf8_recoding.h"
#include "editor/control_editor.h"
#include "editor/conversion_report.h"
#include "editor/editor_control.h"
#include "editor/undo_commands.h"
#include "editor/view_format.h"
#include "engine/rtf_reader.h"
#include "engine/text_storage.h"

namespace {

LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageA(editorWindow, message, wParam, lParam);
}

ControlEditor& Editor() {
  static ControlEditor editor;
  return editor;
}

// A recoding: with UTF-8 on a side, the text goes from `source` to `target` first and
// then through the tables; otherwise through the tables alone. FidoTarget from UTF-8 to
// UTF-8 is Fido on UTF-8 text.
struct Recoding {
  int32_t fromTable = NoTable;
  int32_t toTable = NoTable;
  int source = -1;  // CodePages when UTF-8 is on a side, else -1
  int target = -1;
  bool ViaUtf8() const { return source >= 0; }
};

// What a recoding with UTF-8 on a side replaced, counted in the single-byte `page`: out of
// UTF-8, characters it lacks, written as look-alikes or '?'; into UTF-8, its bytes that
// mean no character, written as U+FFFD.
struct Replaced {
  std::size_t count = 0;
  CodePage page = Ansi;
  bool intoUtf8 = false;
};

struct Frame {
  Command command{};
  PositionRange selection;  // as the user left it
  bool wholeText = false;   // nothing was selected
  PositionRange range;      // what the transformation works on, selected
};

bool IsAlignment(Command command) { return command >= Command::Justify && command <= Command::AlignRight; }

Alignment AlignmentOf(Command command) {
  return static_cast<Alignment>(AlignJustify + Id(command) - Id(Command::Justify));
}

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

Frame ChooseRange(Command command) {
  Frame frame;
  frame.command = command;
  frame.selection = Editor().GetSelection();
  frame.wholeText = frame.selection.start == frame.selection.end;
  frame.range = frame.selection;
  if (frame.wholeText || command == Command::RtfToAnsi) {
    frame.range = {0, Editor().GetTextLength()};
  } else if (IsAlignment(command)) {
    frame.range = WholeLines(frame.selection);
  }
  if (frame.range.start != frame.selection.start || frame.range.end != frame.selection.end) {
    Editor().SetSelection(frame.range);
  }
  return frame;
}

enum class Target { Selection, WholeText };

// The copy of the range is no longer needed once the result is made: the
// journal and the control want their memory, and a text near the limit has
// little to spare.
void Release(std::string& text) { std::string().swap(text); }

bool CoversWholeText(Target target) {
  if (target == Target::WholeText) return true;
  PositionRange selection = Editor().GetSelection();
  return selection.start == 0 && selection.end == Editor().GetTextLength();
}

// A write that did not happen: the step, and the view it switched to, go
// back; std::bad_alloc again when memory was what stopped it.
bool Unwritten(CodePage view, bool outOfMemory) {
  WithdrawUndoStep();
  if (viewCodePage != view) {
    viewCodePage = view;
    ApplyViewFormat();
  }
  if (outOfMemory) throw std::bad_alloc();
  return false;
}

// Switches the view to `newView` when one is given and runs `write`. A write
// that does not happen takes the view and the step back (Unwritten).
template <typename Write>
bool WriteInView(std::optional<CodePage> newView, Write write) {
  CodePage view = viewCodePage;
  if (newView) {
    viewCodePage = *newView;
    ApplyViewFormat();  // selects the whole text again
  }
  bool written = false, outOfMemory = false;
  try {
    written = write();
  } catch (const std::bad_alloc&) {
    outOfMemory = true;
  }
  return written || Unwritten(view, outOfMemory);
}

// Switches the view to `newView` when one is given and puts `text` in place of
// the whole text, for the step RecordHandOver has just recorded, which keeps
// the old text. False when the text limit refuses it; std::bad_alloc without
// the memory. Either way the text, the view and the journal are as they were.
bool ExchangeRecorded(TextStorage& text, std::optional<CodePage> newView) {
  if (!WriteInView(newView, [&] { return Editor().ExchangeWholeText(text); })) return false;
  KeepReplacedText(std::move(text));
  return true;
}

// A result for the whole text goes to the control in blocks of its own, and
// the old text comes back for the undo step: the text is copied once here,
// not again for the journal, the stream and the control's own undo.
bool HandOver(std::string& result, std::optional<CodePage> newView) {
  std::optional<TextStorage> text;
  try {
    text.emplace().Append(reinterpret_cast<const unsigned char*>(result.data()), static_cast<Position>(result.size()));
  } catch (const std::bad_alloc&) {
    Unwritten(viewCodePage, true);
  }
  Release(result);
  return ExchangeRecorded(*text, newView);
}

// Records `kind` and writes `result` over the selection or the whole text,
// switching the view to `newView` first when one is given. False when the text
// limit refuses it; std::bad_alloc when the memory for the step or the write
// runs out. Either way the text, the view and the journal are as they were.
// `result` may be released on the way.
bool WriteRecorded(UndoKind kind, std::string& result, Target target, std::optional<CodePage> newView = {}) {
  if (result.size() > static_cast<std::size_t>(MaxTextLength)) return false;  // no text holds it
  // A new view goes with a whole text, which it selects.
  if ((newView || CoversWholeText(target)) && RecordHandOver(kind)) return HandOver(result, newView);
  if (!RecordUndoOrRefuse(kind, static_cast<Position>(result.size()))) throw std::bad_alloc();
  return WriteInView(newView, [&] {
    return target == Target::WholeText ? Editor().ReplaceWholeText(result) : Editor().ReplaceSelection(result);
  });
}

// Replaces the working range by `result` as one undoable step and selects it.
void ReplaceRange(const Frame& frame, std::string& text, std::string result) {
  Release(text);
  auto length = static_cast<Position>(result.size());
  if (WriteRecorded(UndoReplace, result, Target::Selection)) {
    Editor().SetSelection({frame.range.start, frame.range.start + length});
  }
}

// The user is told how many characters were replaced, once the text is written and
// shown, in a box of its own (the status bar may be hidden).
void ReportReplaced(Replaced replaced) {
  if (replaced.intoUtf8) {
    ReportUndefinedBytes(replaced.count, replaced.page);
  } else {
    ReportReplacedCharacters(replaced.count, replaced.page);
  }
}

// `text` from `source` into `target`, in place, one of them UTF-8.
Replaced RecodeInPlace(std::string& text, CodePage source, CodePage target) {
  RecodedText recoded = RecodeText(text, source, target);
  Release(text);
  text = std::move(recoded.bytes);
  if (target == Utf8) return {recoded.invalid, source, true};
  return {recoded.replaced, target};
}

// The view a whole text recoded by the menu or a chord takes along.
CodePage RecodedView(Command command, const Recoding& recoding) {
  if (recoding.ViaUtf8()) return static_cast<CodePage>(recoding.target);
  if (command == Command::Fido) return Oem;
  return CodePageOf(Command::RecodeToAnsi, command);
}

// A whole text recoded from the menu or a chord takes the view along, recorded by
// a snapshot that holds both.
Replaced Recode(const Frame& frame, std::string& text, const Recoding& recoding) {
  Replaced replaced;
  if (recoding.source == Utf8 && recoding.target == Utf8 && recoding.toTable == FidoTarget) {
    std::string latin = WriteLatinInUtf8(text, LatinCommand::Fido);
    Release(text);
    text = std::move(latin);
  } else {
    if (recoding.ViaUtf8()) {
      replaced = RecodeInPlace(text, static_cast<CodePage>(recoding.source), static_cast<CodePage>(recoding.target));
    }
    RecodeBytes(reinterpret_cast<unsigned char*>(text.data()), text.size(), recoding.fromTable, recoding.toTable);
  }
  auto length = static_cast<Position>(text.size());
  bool written = false;
  if (frame.wholeText && frame.command != Command::ChooseConversion) {
    Editor().SetSelection(frame.selection);  // the snapshot's undo puts the caret back
    written = WriteRecorded(UndoSnapshot, text, Target::Selection, RecodedView(frame.command, recoding));
  } else {
    written = WriteRecorded(UndoReplace, text, Target::Selection);
  }
  // A selection recoded into or out of UTF-8 changes its length: the result is selected.
  if (written && !frame.wholeText) {
    Editor().SetSelection({frame.range.start, frame.range.start + length});
  } else {
    Editor().SetSelection(frame.selection);
  }
  return written ? replaced : Replaced{};
}

// In the UTF-8 view only the letters change: the text stays UTF-8.
void TransliterateRange(const Frame& frame, std::string& text) {
  std::string latin =
      viewCodePage == Utf8 ? WriteLatinInUtf8(text, LatinCommand::Translit) : Transliterate(text, viewCodePage);
  ReplaceRange(frame, text, std::move(latin));
}

// The control reads RTF itself, but only a text that really is RTF is replaced.
void ConvertRtf(const Frame& frame, std::string& text) {
  static constexpr char signature[] = "{\\rtf";
  if (text.compare(0, sizeof signature - 1, signature) != 0) return;
  std::string plain = RtfToText(text, viewCodePage);
  Release(text);
  Editor().SetSelection(frame.selection);
  if (WriteRecorded(UndoSnapshot, plain, Target::WholeText)) Editor().SetSelection({0, 0});
}

AlignmentSettings CurrentAlignmentSettings() {
  AlignmentSettings settings;
  settings.utf8Columns = viewCodePage == Utf8;  // the width is what the view shows
  settings.width = ReadSettingDword("RI", settings.width);
  settings.firstIndent = ReadSettingDword("FI", 0);
  settings.leftIndent = ReadSettingDword("LI", 0);
  settings.joinLines = ReadSettingDword("IG", 0) != 0;
  return settings;
}

bool AlignSelection(const Frame& frame, std::string& text, std::size_t room) {
  std::optional<std::string> aligned = AlignText(text, AlignmentOf(frame.command), CurrentAlignmentSettings(), room);
  Release(text);
  return aligned && WriteRecorded(UndoReplace, *aligned, Target::Selection);
}

// The whole text aligned goes into blocks of its own piece by piece, never
// held whole in between (justified short lines make it several times the
// text), and is handed over.
bool AlignWholeText(const Frame& frame, std::string& text, std::size_t room) {
  if (!RecordHandOver(UndoReplace)) return AlignSelection(frame, text, room);
  std::optional<TextStorage> aligned;
  bool fits = false;
  try {
    aligned.emplace();
    fits = AlignTextInPieces(text, AlignmentOf(frame.command), CurrentAlignmentSettings(), [&](std::string_view piece) {
      if (piece.size() > room - static_cast<std::size_t>(aligned->Length())) return false;
      aligned->Append(reinterpret_cast<const unsigned char*>(piece.data()), static_cast<Position>(piece.size()));
      return true;
    });
  } catch (const std::bad_alloc&) {
    Unwritten(viewCodePage, true);
  }
  Release(text);
  if (!fits) return Unwritten(viewCodePage, false);
  return ExchangeRecorded(*aligned, {});
}

// The caret ends, with nothing selected, where the range began (where it was
// when nothing was selected). A result the text limit cannot hold changes nothing.
void Align(const Frame& frame, std::string& text) {
  Position outside = Editor().GetTextLength() - (frame.range.end - frame.range.start);
  auto room = static_cast<std::size_t>(std::max<Position>(textLimit - outside, 0));
  bool whole = CoversWholeText(Target::Selection);
  if (!(whole ? AlignWholeText(frame, text, room) : AlignSelection(frame, text, room))) return;
  Position caret = frame.wholeText ? frame.selection.start : frame.range.start;
  Editor().SetSelection({caret, caret});
}

Replaced Transform(const Frame& frame, std::string& text, const Recoding& recoding) {
  switch (frame.command) {
    case Command::ChooseConversion:
    case Command::RecodeToAnsi:
    case Command::RecodeToOem:
    case Command::RecodeToKoi8:
    case Command::Fido:
    case Command::ChordUtf8:
      return Recode(frame, text, recoding);
    case Command::Translit:
      TransliterateRange(frame, text);
      break;
    case Command::RtfToAnsi:
      ConvertRtf(frame, text);
      break;
    case Command::EqualsEscapes:
      ReplaceRange(frame, text, DecodeEqualsEscapes(text));
      break;
    case Command::LineBreak:
      ReplaceRange(frame, text, RepairLineBreaks(text));
      break;
    default:
      if (IsAlignment(frame.command)) Align(frame, text);
      break;
  }
  return {};
}

// A view that the new text scrolled down comes back; one that moved up stays.
void RestoreView(LRESULT firstLine) {
  LRESULT now = Send(EM_GETFIRSTVISIBLELINE);
  if (now > firstLine) Send(EM_LINESCROLL, 0, firstLine - now);
  Send(WM_SETREDRAW, TRUE);
  InvalidateRect(editorWindow, nullptr, FALSE);
}

// Out of memory anywhere (the copy, the result, the undo step, the write),
// the text, the view, the journal and the modified flag stay as they were,
// and the user is told. So is a count of characters replaced.
void Run(Command command, const Recoding& recoding) {
  if (!editorWindow) return;
  Send(WM_SETREDRAW, FALSE);
  LRESULT firstLine = Send(EM_GETFIRSTVISIBLELINE);
  Frame frame = ChooseRange(command);
  bool outOfMemory = false;
  Replaced replaced;
  try {
    if (frame.range.end > frame.range.start) {
      std::string text = Editor().GetSelectedText();
      if (!text.empty()) replaced = Transform(frame, text, recoding);
    }
  } catch (const std::bad_alloc&) {
    outOfMemory = true;
  } catch (const std::length_error&) {  // a result longer than a string can be
    outOfMemory = true;
  }
  if (outOfMemory) Editor().SetSelection(frame.selection);
  RestoreView(firstLine);
  if (outOfMemory) ReportOutOfMemory();
  ReportReplaced(replaced);
}

}  // namespace

void TransformText(Command command, int32_t fromTable, int32_t toTable) { Run(command, {fromTable, toTable}); }

void RecodeWithUtf8(Command command, CodePage source, CodePage target) {
  Run(command, {NoTable, NoTable, source, target});
}

RecodingCommand MenuRecoding(Command command) {
  return static_cast<RecodingCommand>(RecodeToAnsi + Id(command) - Id(Command::RecodeToAnsi));
}

void RecodeFromView(Command command) {
  if (viewCodePage == Utf8) {
    // Fido keeps UTF-8 text UTF-8: only its H and p change.
    bool fido = command == Command::Fido;
    Run(command, {NoTable, fido ? FidoTarget : NoTable, Utf8, fido ? Utf8 : CodePageOf(Command::RecodeToAnsi, command)});
    return;
  }
  RecodingRoute route = MenuRecodingRoute(MenuRecoding(command), viewCodePage);
  TransformText(command, route.fromTable, route.toTable);
}
