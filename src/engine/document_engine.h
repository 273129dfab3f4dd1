// The document control's engine: one document as bytes, with everything the
// program asks of its rich-edit control except drawing and input. The Win32
// window class maps its messages onto these calls one for one; nothing here
// needs windows.h.
//
// Bytes are kept exactly: every value, 0 included, goes in and comes out
// unchanged. A position counts bytes; CR LF counts two. Lines are the text's
// own lines: CR LF, a lone CR and a lone LF each end one, whatever the display
// wraps. Positions passed in are clamped to the text unless said otherwise.
//
// Speed: text and line starts are kept in blocks with running sums, so an edit,
// a line lookup or a position lookup costs a few microseconds even in a text of
// hundreds of megabytes, and nothing is rebuilt whole on an edit.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "codepages/code_pages.h"
#include "engine/char_format.h"
#include "engine/engine_types.h"

class EngineState;
class TextStorage;

class DocumentEngine {
 public:
  DocumentEngine();
  ~DocumentEngine();
  DocumentEngine(const DocumentEngine&) = delete;
  DocumentEngine& operator=(const DocumentEngine&) = delete;
  // A moved-from engine may only be destroyed or assigned to.
  DocumentEngine(DocumentEngine&&) noexcept;
  DocumentEngine& operator=(DocumentEngine&&) noexcept;

  // --- Code page -----------------------------------------------------------
  // The code page of the bytes: it decides which bytes are letters (word
  // breaks, whole-word find), how case folds in find, and the target of RTF
  // stream-in. Ansi for a new engine. In Utf8 bytes above 0x7F count as
  // letters for whole-word find and fold only as themselves; word breaks go
  // by characters.
  void SetCodePage(CodePage codePage);
  CodePage GetCodePage() const;

  // --- Characters (engine/char_steps.h) ------------------------------------
  // In the code page, a UTF-8 sequence is one character; every other byte is
  // one. The start of the character holding `position`, the starts of the
  // characters after and before it, and the characters of a range.
  Position CharacterStart(Position position) const;
  Position NextCharacter(Position position) const;
  Position PreviousCharacter(Position position) const;
  Position CountCharacters(PositionRange range) const;

  // --- Text (WM_GETTEXTLENGTH, WM_GETTEXT, WM_SETTEXT) ---------------------
  Position GetLength() const;
  // Copies the first min(bufferSize - 1, length) bytes and a zero; returns the
  // count copied without the zero. Writes nothing when bufferSize <= 0.
  Position GetText(char* buffer, Position bufferSize) const;
  std::string GetText() const;
  // Replaces everything; the caret goes to 0, colour runs and the undo step are
  // dropped, the text format stays. Refused (false, nothing changes) above
  // the text limit.
  bool SetText(std::string_view text);

  // --- Text limit (EM_EXLIMITTEXT) -----------------------------------------
  // No insertion makes the text longer than the limit: an edit that would is
  // refused whole, so nothing is ever cut. Edits that do not lengthen the text
  // always work. 0 or less means ZeroTextLimit; above MaxTextLength means that.
  void SetTextLimit(Position limit);
  Position GetTextLimit() const;

  // --- Selection (EM_EXGETSEL, EM_EXSETSEL, EM_SETSEL, EM_SELECTIONTYPE) ----
  // The selection normalised, start <= end.
  PositionRange GetSelection() const;
  // The moving end of the selection, where the caret is drawn.
  Position GetCaret() const;
  // Selects from `anchor` to `caret`. (0, -1) selects everything; an anchor of
  // -1 removes the selection and leaves the caret where it is; a caret of -1
  // means the end of the text.
  void SetSelection(Position anchor, Position caret);
  std::uint32_t GetSelectionType() const;

  // --- Reading (EM_GETSELTEXT, EM_GETTEXTRANGE) -----------------------------
  // Copy at most bufferSize - 1 bytes and a zero; return the count copied. A
  // range end of -1 means the end of the text; an empty or inverted range
  // copies nothing but the zero.
  Position GetSelectedText(char* buffer, Position bufferSize) const;
  Position GetTextRange(PositionRange range, char* buffer, Position bufferSize) const;
  std::string GetTextRange(PositionRange range) const;
  std::string GetSelectedText() const;
  // The byte at `position`, or 0 outside the text.
  unsigned char GetByte(Position position) const;

  // --- Editing (EM_REPLACESEL, WM_CLEAR) ------------------------------------
  // Replaces the selection; the caret ends after the new text with nothing
  // selected. False when the text limit refuses it (then nothing changes).
  bool ReplaceSelection(std::string_view text, UndoAction undo = UndoAction::Separate);
  // Deletes the selection.
  void ClearSelection();

  // --- Lines (EM_GETLINECOUNT, EM_EXLINEFROMCHAR, EM_LINEINDEX, EM_LINELENGTH)
  Position GetLineCount() const;
  // The line holding `position`; a position between CR and LF belongs to the
  // line the pair ends.
  Position GetLineFromPosition(Position position) const;
  // First position of `line`; -1 means the caret's line; -1 past the last line.
  Position GetLineIndex(Position line) const;
  // Length of `line` without its break; 0 for a line that does not exist.
  Position GetLineLength(Position line) const;
  // EM_LINELENGTH: the length of the line holding `position`; for -1 the
  // number of unselected bytes on the lines the selection touches.
  Position GetLineLengthAt(Position position) const;

  // --- Words (EM_FINDWORDBREAK) ---------------------------------------------
  // The next word start to the right, or the word start to the left, of
  // `position`, as Ctrl+arrow moves. Letters of the code page and digits form
  // words; runs of other visible bytes form words of their own; blanks are
  // skipped; each line break is a stop of its own.
  Position FindWordBreak(WordMove move, Position position) const;

  // --- Find (EM_FINDTEXT) ---------------------------------------------------
  // The first occurrence of `pattern` that starts at or after range.start and
  // ends at or before range.end (-1: the end of the text), or -1. A negative
  // start means 0. `options` combines FindWholeWord and FindMatchCase; without
  // FindMatchCase, small and capital letters of the code page match, Yo
  // included. In Utf8 a pattern is found by characters, unless FindBytes says
  // it is bytes: then it is found at any byte and never folds. An empty
  // pattern finds nothing.
  Position Find(PositionRange range, std::string_view pattern, std::uint32_t options) const;
  // The last such occurrence (the greatest start), found by scanning from the
  // range's end backwards.
  Position FindLast(PositionRange range, std::string_view pattern, std::uint32_t options) const;

  // --- Streams (EM_STREAMIN, EM_STREAMOUT) ---------------------------------
  // StreamText or StreamRtf, optionally with StreamSelection. Reads the whole
  // stream first: on a callback error or a text over the limit nothing changes
  // and stream.error says why. Whole text: like SetText. Selection: like
  // ReplaceSelection (one undoable step). RTF is turned into plain text in the
  // engine's code page. Returns the number of bytes read from the stream.
  Position StreamIn(EngineStream& stream, std::uint32_t format);
  // StreamText, optionally with StreamSelection: hands the bytes to the
  // callback in chunks. Returns the number of bytes the callback took.
  Position StreamOut(EngineStream& stream, std::uint32_t format) const;

  // --- The whole text handed over (EM_EXCHANGETEXT, EM_REPLACEALL) -----------
  // Puts `text` in place of the whole text and hands the old text back in it:
  // blocks change hands and no byte is copied; the lines are found again.
  // Otherwise like SetText. False, with nothing changed, above the text limit;
  // std::bad_alloc with nothing changed.
  bool ExchangeText(TextStorage& text);
  // Replaces every occurrence of `pattern` that starts at or after `from`, each
  // found after the end of the one before, by `replacement`: what a run of Find
  // from the end of each replacement and ReplaceSelection would leave, built in
  // one pass beside the old text and then exchanged for it, so the old text
  // comes back in `replaced`. The caret ends after the last replacement. The
  // count replaced; 0 when there is none (nothing changes). ReplaceStepwise,
  // with nothing changed, when one pass could find other matches than the run
  // (the UTF-8 code page; a whole-word pattern whose neighbour a replacement
  // changes), when coloured ranges would have to move with the replacements,
  // or when the result would pass the text limit: the run decides.
  static constexpr Position ReplaceStepwise = -1;
  Position ReplaceAll(Position from, std::string_view pattern, std::uint32_t options, std::string_view replacement,
                      TextStorage& replaced);

  // --- Change listener -------------------------------------------------------
  // Called just before every change of the bytes, whatever its cause: the
  // bytes of `replaced` are about to give way to `inserted` new ones and can
  // still be read. Refused changes are not announced. The listener must not
  // change the text.
  using ChangeListener = std::function<void(PositionRange replaced, Position inserted)>;
  void SetChangeListener(ChangeListener listener);

  // --- Modified flag (EM_GETMODIFY, EM_SETMODIFY) ---------------------------
  // Set by every change of the text, never by a change of format.
  bool GetModified() const;
  void SetModified(bool modified);

  // --- The control's own undo (EM_CANUNDO, EM_UNDO, EM_EMPTYUNDOBUFFER) ------
  // One step: the last change. Undo selects the text it puts back and becomes
  // the new step itself, so a second Undo redoes.
  bool CanUndo() const;
  bool Undo();
  void EmptyUndoBuffer();

  // --- Character formats (EM_SETCHARFORMAT, EM_GETCHARFORMAT) ---------------
  // One face, height, character set, bold and italic hold for the whole text;
  // colours may differ by range (HTML tags), and coloured ranges move with
  // edits: text inserted inside or right after a range takes its colour.
  CharFormat GetDefaultFormat() const;
  void SetDefaultFormat(const CharFormat& format, std::uint32_t mask);
  // The whole text's format, its colour being the colour outside coloured ranges.
  CharFormat GetTextFormat() const;
  // Whole text: every field in `mask`; a colour here removes all ranges.
  void SetTextFormat(const CharFormat& format, std::uint32_t mask);
  // A range: its colour changes; any other field in `mask` changes for the
  // whole text, since those are uniform. An empty range changes no colour.
  void SetRangeFormat(PositionRange range, const CharFormat& format, std::uint32_t mask);
  // Many ranges in one colour at once (HTML tags): sorted, disjoint, each
  // non-empty and inside the text; false, and nothing painted, otherwise.
  bool PaintRanges(const PositionRange* ranges, std::size_t count, Colour colour);
  // The format at the start of `range` (for an empty range: of the byte before
  // it, or of the first byte at position 0) and the mask of the fields uniform
  // over the range.
  FormatQuery GetRangeFormat(PositionRange range) const;
  // The run of one colour holding `position`, for drawing: [start, end).
  struct ColourRun {
    Position start = 0;
    Position end = 0;
    Colour colour = 0;
  };
  ColourRun GetColourRun(Position position) const;

 private:
  std::unique_ptr<EngineState> state_;
};
