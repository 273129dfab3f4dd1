// What the program's editing logic (undo journal, transformations, search)
// asks of the document control, and nothing more. The program implements it
// over the editor window with messages, tests over a DocumentEngine; each
// operation is one or two messages of the control.
//
// Positions count bytes, CR LF counts two. Bytes travel exactly, 0 included.
// Operations that copy or change text throw std::bad_alloc when memory runs
// out; none leaves the document half changed, and a copy is always whole.
#pragma once
#include <string>
#include <string_view>

#include "engine/engine_types.h"

class TextStorage;

class EditorOperations {
 public:
  virtual ~EditorOperations() = default;

  // WM_GETTEXTLENGTH.
  virtual Position GetTextLength() const = 0;

  // EM_EXGETSEL: start <= end; an empty selection is the caret.
  virtual PositionRange GetSelection() const = 0;
  // EM_EXSETSEL: selects start..end, caret at end; (0, -1) selects everything.
  virtual void SetSelection(PositionRange range) = 0;

  // EM_GETTEXTRANGE: the bytes of `range`, clamped to the text; an end of -1
  // means the end of the text.
  virtual std::string GetTextRange(PositionRange range) const = 0;
  // EM_GETSELTEXT.
  virtual std::string GetSelectedText() const = 0;

  // Replaces the selection with `bytes` (EM_REPLACEBYTES, which carries zero
  // bytes too); the caret ends after them.
  // False when the text limit refuses it: then nothing changed.
  virtual bool ReplaceSelection(std::string_view bytes) = 0;
  // WM_CLEAR: deletes the selection.
  virtual void ClearSelection() = 0;

  // EM_FINDWORDBREAK with WB_MOVEWORDLEFT or WB_MOVEWORDRIGHT.
  virtual Position FindWordBreak(WordMove move, Position position) const = 0;

  // EM_FINDTEXT: the first occurrence of `pattern` that starts at or after
  // range.start and ends at or before range.end (-1: the end of the text), or
  // -1. `options` takes FindWholeWord and FindMatchCase.
  virtual Position FindInRange(PositionRange range, std::string_view pattern, std::uint32_t options) const = 0;
  // The control's backward scan (EM_FINDTEXTBACKWARD): the last such occurrence.
  virtual Position FindLastInRange(PositionRange range, std::string_view pattern, std::uint32_t options) const = 0;

  // The whole text (StreamOutToMemory: EM_STREAMOUT with SF_TEXT).
  virtual std::string GetWholeText() const = 0;
  // Replaces the whole text (StreamInFromMemory: EM_STREAMIN with SF_TEXT);
  // the caret goes to 0. False when the text limit refuses it: then nothing changed.
  virtual bool ReplaceWholeText(std::string_view bytes) = 0;

  // Puts `text` in place of the whole text and hands the old text back in it:
  // no byte is copied (EM_EXCHANGETEXT); the caret goes to 0. False when the
  // text limit refuses it: then nothing changed.
  virtual bool ExchangeWholeText(TextStorage& text) = 0;
  // Replaces every occurrence of `pattern` at or after `from` by `replacement`
  // in one pass (EM_REPLACEALL), handing the old text back in `replaced`; the
  // caret ends after the last replacement. The count, or -1 with nothing
  // changed when it must be done match by match.
  virtual Position ReplaceAll(Position from, std::string_view pattern, std::uint32_t options,
                              std::string_view replacement, TextStorage& replaced) = 0;
};
