#include "engine/document_engine.h"

#include <algorithm>
#include <new>
#include <utility>
#include <vector>

#include "engine/char_steps.h"
#include "engine/engine_state.h"
#include "engine/text_find.h"
#include "engine/word_breaks.h"

DocumentEngine::DocumentEngine() : state_(std::make_unique<EngineState>()) {}
DocumentEngine::~DocumentEngine() = default;
DocumentEngine::DocumentEngine(DocumentEngine&&) noexcept = default;
DocumentEngine& DocumentEngine::operator=(DocumentEngine&&) noexcept = default;

void DocumentEngine::SetCodePage(CodePage codePage) { state_->codePage = codePage <= Utf8 ? codePage : Ansi; }
CodePage DocumentEngine::GetCodePage() const { return state_->codePage; }

// --- Characters -------------------------------------------------------------------

Position DocumentEngine::CharacterStart(Position position) const {
  return ::CharacterStart(state_->text, state_->codePage, position);
}

Position DocumentEngine::NextCharacter(Position position) const {
  return ::NextCharacter(state_->text, state_->codePage, position);
}

Position DocumentEngine::PreviousCharacter(Position position) const {
  return ::PreviousCharacter(state_->text, state_->codePage, position);
}

Position DocumentEngine::CountCharacters(PositionRange range) const {
  PositionRange r = state_->Resolve(range);
  return ::CountCharacters(state_->text, state_->codePage, r.start, r.end);
}

// --- Text ---------------------------------------------------------------------

Position DocumentEngine::GetLength() const { return state_->Length(); }

Position DocumentEngine::GetText(char* buffer, Position bufferSize) const {
  return GetTextRange({0, -1}, buffer, bufferSize);
}

std::string DocumentEngine::GetText() const { return GetTextRange({0, -1}); }

bool DocumentEngine::SetText(std::string_view text) {
  if (!state_->Fits(state_->Length(), text.size())) return false;
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  auto count = static_cast<Position>(text.size());
  TextStorage storage;
  storage.Append(bytes, count);
  LineIndex lines;
  lines.Appended(bytes, count, 0);
  lines.FinishAppending();
  state_->Adopt(std::move(storage), std::move(lines));
  return true;
}

void DocumentEngine::SetTextLimit(Position limit) {
  state_->limit = limit <= 0 ? ZeroTextLimit : std::min(limit, MaxTextLength);
}

Position DocumentEngine::GetTextLimit() const { return state_->limit; }

// --- Selection ----------------------------------------------------------------

PositionRange DocumentEngine::GetSelection() const { return state_->Selection(); }
Position DocumentEngine::GetCaret() const { return state_->caret; }

void DocumentEngine::SetSelection(Position anchor, Position caret) {
  EngineState& s = *state_;
  if (anchor == 0 && caret == -1) {
    s.anchor = 0;
    s.caret = s.Length();
  } else if (anchor < 0) {
    s.anchor = s.caret;
  } else {
    s.anchor = s.Clamp(anchor);
    s.caret = caret < 0 ? s.Length() : s.Clamp(caret);
  }
}

std::uint32_t DocumentEngine::GetSelectionType() const {
  PositionRange selection = state_->Selection();
  Position size = selection.end - selection.start;
  if (size == 0) return SelectionEmpty;
  return size == 1 ? SelectionText : SelectionText | SelectionMultiChar;
}

// --- Reading ------------------------------------------------------------------

Position DocumentEngine::GetTextRange(PositionRange range, char* buffer, Position bufferSize) const {
  if (buffer == nullptr || bufferSize <= 0) return 0;
  PositionRange r = state_->Resolve(range);
  Position count = std::min(bufferSize - 1, r.end - r.start);
  state_->text.CopyOut(r.start, r.start + count, reinterpret_cast<unsigned char*>(buffer));
  buffer[count] = '\0';
  return count;
}

std::string DocumentEngine::GetTextRange(PositionRange range) const {
  PositionRange r = state_->Resolve(range);
  std::string bytes(static_cast<std::size_t>(r.end - r.start), '\0');
  state_->text.CopyOut(r.start, r.end, reinterpret_cast<unsigned char*>(bytes.data()));
  return bytes;
}

Position DocumentEngine::GetSelectedText(char* buffer, Position bufferSize) const {
  return GetTextRange(state_->Selection(), buffer, bufferSize);
}

std::string DocumentEngine::GetSelectedText() const { return GetTextRange(state_->Selection()); }

unsigned char DocumentEngine::GetByte(Position position) const {
  return position >= 0 && position < state_->Length() ? state_->text.At(position) : 0;
}

// --- Editing ------------------------------------------------------------------

bool DocumentEngine::ReplaceSelection(std::string_view text, UndoAction undo) {
  EngineState& s = *state_;
  PositionRange selection = s.Selection();
  if (!s.Replace(selection.start, selection.end - selection.start, text, undo)) return false;
  s.anchor = s.caret = selection.start + static_cast<Position>(text.size());
  return true;
}

void DocumentEngine::ClearSelection() { ReplaceSelection({}); }

// --- Lines --------------------------------------------------------------------

Position DocumentEngine::GetLineCount() const { return state_->lines.LineCount(); }

Position DocumentEngine::GetLineFromPosition(Position position) const {
  return state_->lines.LineOf(state_->Clamp(position));
}

Position DocumentEngine::GetLineIndex(Position line) const {
  const EngineState& s = *state_;
  if (line == -1) line = s.lines.LineOf(s.caret);
  if (line < 0 || line >= s.lines.LineCount()) return -1;
  return s.lines.LineStart(line);
}

Position DocumentEngine::GetLineLength(Position line) const {
  const EngineState& s = *state_;
  if (line < 0 || line >= s.lines.LineCount()) return 0;
  Position start = s.lines.LineStart(line);
  if (line + 1 == s.lines.LineCount()) return s.Length() - start;
  Position next = s.lines.LineStart(line + 1);
  bool pair = s.text.At(next - 1) == '\n' && next - 2 >= start && s.text.At(next - 2) == '\r';
  return next - start - (pair ? 2 : 1);
}

Position DocumentEngine::GetLineLengthAt(Position position) const {
  const EngineState& s = *state_;
  if (position >= 0) return GetLineLength(s.lines.LineOf(s.Clamp(position)));
  PositionRange selection = s.Selection();
  Position first = s.lines.LineOf(selection.start);
  Position last = s.lines.LineOf(selection.end);
  Position before = selection.start - s.lines.LineStart(first);
  Position after = s.lines.LineStart(last) + GetLineLength(last) - selection.end;
  return before + std::max(after, Position{0});
}

// --- Words and find -------------------------------------------------------------

namespace {

// A text pattern in the UTF-8 view is found by characters; bytes (a hex pattern) are found as
// the single-byte views find them, wherever they stand.
bool ByCharacters(CodePage codePage, std::uint32_t options) {
  return codePage == Utf8 && (options & FindBytes) == 0;
}

// In UTF-8 the bytes match exactly: a byte above 7F folds only as itself there, and the byte
// of a Latin letter must not fold either.
std::uint32_t ByteOptions(CodePage codePage, std::uint32_t options) {
  return codePage == Utf8 ? options | FindMatchCase : options;
}

}  // namespace

Position DocumentEngine::FindWordBreak(WordMove move, Position position) const {
  if (state_->codePage == Utf8) {
    return move == WordMove::Right ? NextWordStartUtf8(state_->text, position)
                                   : PreviousWordStartUtf8(state_->text, position);
  }
  const CharClasses& classes = CharClassesFor(state_->codePage);
  return move == WordMove::Right ? NextWordStart(state_->text, classes, position)
                                 : PreviousWordStart(state_->text, classes, position);
}

Position DocumentEngine::Find(PositionRange range, std::string_view pattern, std::uint32_t options) const {
  PositionRange r = state_->Resolve({std::max(range.start, Position{0}), range.end});
  const CodePage page = state_->codePage;
  if (ByCharacters(page, options)) return FindForwardUtf8(state_->text, r.start, r.end, pattern, options);
  return FindForward(state_->text, CharClassesFor(page), r.start, r.end, pattern, ByteOptions(page, options));
}

Position DocumentEngine::FindLast(PositionRange range, std::string_view pattern, std::uint32_t options) const {
  PositionRange r = state_->Resolve({std::max(range.start, Position{0}), range.end});
  const CodePage page = state_->codePage;
  if (ByCharacters(page, options)) return FindBackwardUtf8(state_->text, r.start, r.end, pattern, options);
  return FindBackward(state_->text, CharClassesFor(page), r.start, r.end, pattern, ByteOptions(page, options));
}

// --- Modified flag and undo -----------------------------------------------------

void DocumentEngine::SetChangeListener(ChangeListener listener) { state_->beforeChange = std::move(listener); }

bool DocumentEngine::GetModified() const { return state_->modified; }
void DocumentEngine::SetModified(bool modified) { state_->modified = modified; }

bool DocumentEngine::CanUndo() const { return state_->undo.has_value(); }

bool DocumentEngine::Undo() {
  EngineState& s = *state_;
  if (!s.undo) return false;
  UndoStep step = std::move(*s.undo);
  s.undo.reset();
  // Taking the step back is itself a change, remembered as the next step. A
  // step that cannot be taken back (over the limit, out of memory) stays.
  try {
    if (step.at == 0 && step.inserted == s.Length()) {
      if (!s.UndoWholeText(step)) {
        s.undo = std::move(step);
        return false;
      }
      s.anchor = 0;
      s.caret = s.Length();
      return true;
    }
    std::vector<TextStorage::Piece> pieces = step.removed.Pieces(0, step.removed.Length());
    if (!s.Replace(step.at, step.inserted, pieces.data(), pieces.size(), UndoAction::Separate)) {
      s.undo = std::move(step);
      return false;
    }
  } catch (const std::bad_alloc&) {
    s.undo = std::move(step);
    throw;
  }
  s.anchor = step.at;
  s.caret = step.at + step.removed.Length();
  return true;
}

void DocumentEngine::EmptyUndoBuffer() { state_->undo.reset(); }
