// The document engine under edits, undo, selection, colours, finds and streams
// decoded from a program of bytes, checked after every step against a plain
// string. The engine's fuzz target runs it on libFuzzer's inputs, the native
// tests on random ones.
#pragma once
#include "engine/document_engine.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>
#include <vector>

#include "engine/rtf_reader.h"
#include "fuzz/fuzz_support.h"
#include "native/engine_reference.h"

namespace engine_program {

constexpr std::uint32_t callbackError = 7;

// One stream transfer: bytes handed over in chunks, and optionally a failure at one call.
struct StreamScript {
  std::string_view in{};
  std::string out{};
  std::size_t chunk = 1;
  int calls = 0, failAt = -1;
  bool badCount = false;  // the failure is a count outside 0..size, not an error code
  bool failed = false;
  std::uint32_t Error() const { return !failed ? StreamErrorNone : badCount ? StreamErrorBadCount : callbackError; }
};

// Shared by both directions: a failure, else min(chunk, size) bytes given or taken.
inline std::uint32_t Transfer(std::uintptr_t cookie, unsigned char* buffer, std::int32_t size, std::int32_t* moved) {
  auto& s = *reinterpret_cast<StreamScript*>(cookie);
  if (s.calls++ == s.failAt) {
    s.failed = true;
    *moved = s.badCount ? size + 1 : 0;
    return s.badCount ? 0 : callbackError;
  }
  std::size_t n = std::min(s.chunk, static_cast<std::size_t>(size));
  if (s.in.data() != nullptr) {  // stream in
    n = std::min(n, s.in.size());
    std::memcpy(buffer, s.in.data(), n);
    s.in.remove_prefix(n);
  } else {
    s.out.append(reinterpret_cast<const char*>(buffer), n);
  }
  *moved = static_cast<std::int32_t>(n);
  return 0;
}

class EngineRun {
 public:
  explicit EngineRun(FuzzInput& input) : in_(input), base_(engine_.GetTextFormat().colour) {}

  void Run() {
    while (!in_.Empty()) {
      Step();
      Verify();
    }
  }

 private:
  // What the engine must hold: text, selection, limit, flag and its one undo step.
  struct UndoStep { Position at = 0; std::string removed; Position inserted = 0; bool typing = false; };

  static std::size_t U(Position p) { return static_cast<std::size_t>(p); }
  Position Length() const { return static_cast<Position>(text_.size()); }
  Position Clamp(Position p) const { return std::clamp(p, Position{0}, Length()); }
  // A range as the engine reads one: an end of -1 is the text's end, a reversed range is empty.
  PositionRange Clamped(Position from, Position to) const {
    const Position end = to < 0 ? Length() : Clamp(to);
    return {std::min(Clamp(from), end), end};
  }
  std::string Sub(PositionRange r) const { return text_.substr(U(r.start), U(r.end - r.start)); }
  PositionRange Selection() const { return {std::min(anchor_, caret_), std::max(anchor_, caret_)}; }

  // Mostly a position in or just past the text, now and then -1 or an extreme.
  Position Pos() {
    const std::uint8_t high = in_.Byte(), low = in_.Byte();
    static const Position specials[] = {-1, -1, -2, INT_MIN, INT_MAX, MaxTextLength};
    if (high >= 0xF8) return specials[low % std::size(specials)];
    return static_cast<Position>((high << 8 | low) % (text_.size() + 2));
  }

  bool Fits(Position removed, std::size_t inserted) const {
    return inserted <= U(removed) || U(Length() - removed) + inserted <= U(limit_);
  }

  void Step() {
    switch (in_.Byte() % 15) {
      case 0: return Select(Pos(), Pos());
      case 1: return Replace(std::string(in_.Bytes(16)), static_cast<UndoAction>(in_.Byte() % 3));
      case 2: return Replace(std::string(in_.Bytes(255)), UndoAction::Separate);
      case 3: {  // typing a few bytes at the caret one at a time, now and then over the bytes after it
        const std::uint8_t over = in_.Byte();
        if (over % 4 == 0) Select(caret_, caret_ + 1 + over / 4 % 4);
        for (char c : in_.Bytes(4)) Replace(std::string(1, c), UndoAction::Typing);
        return;
      }
      case 4:
        engine_.ClearSelection();
        return Replaced("", UndoAction::Separate, true);
      case 5: return Undo();
      case 6:
        if (in_.Byte() % 2) {
          engine_.EmptyUndoBuffer();
          undo_.reset();
        } else {
          engine_.SetModified(false);
          modified_ = false;
        }
        return;
      case 7: return SetText(std::string(in_.Bytes(64)));
      case 8: {
        const std::uint8_t b = in_.Byte();
        const Position limit = b < 0xF0 ? b : (b % 2 ? -1 : INT_MAX);
        engine_.SetTextLimit(limit);
        limit_ = limit <= 0 ? ZeroTextLimit : std::min(limit, MaxTextLength);
        return;
      }
      case 9: {
        const auto codePage = static_cast<CodePage>(in_.Byte() % 6);
        engine_.SetCodePage(codePage);
        codePage_ = codePage;
        return;
      }
      case 10: return Find();
      case 11: return Reads();
      case 12: return in_.Byte() % 2 ? StreamIn() : StreamOut();
      case 13: return Paint(Pos(), Pos(), 1 + in_.Byte() % 3);
      default: {  // tens of kilobytes, so that edits split, join and cross the storage's blocks
        const std::string_view piece = in_.Bytes(64);
        std::string bytes;
        for (int n = 128 * (1 + in_.Byte() % 16); n > 0 && !piece.empty(); --n) bytes += piece;
        return Replace(bytes, UndoAction::Separate);
      }
    }
  }

  void Select(Position anchor, Position caret) {
    engine_.SetSelection(anchor, caret);
    if (anchor == 0 && caret == -1) {
      anchor_ = 0;
      caret_ = Length();
    } else if (anchor < 0) {
      anchor_ = caret_;
    } else {
      anchor_ = Clamp(anchor);
      caret_ = caret < 0 ? Length() : Clamp(caret);
    }
  }

  void Replace(const std::string& bytes, UndoAction action) {
    Replaced(bytes, action, engine_.ReplaceSelection(bytes, action));
  }

  // The model's side of replacing the selection, given what the engine answered.
  void Replaced(const std::string& bytes, UndoAction action, bool done) {
    const PositionRange s = Selection();
    const Position removed = s.end - s.start, inserted = static_cast<Position>(bytes.size());
    FUZZ_CHECK(done == Fits(removed, bytes.size()));
    if (!done || (removed == 0 && inserted == 0)) return;
    const bool typing = action == UndoAction::Typing;
    if (action == UndoAction::None) {
      undo_.reset();
    } else if (typing && removed == 0 && undo_ && undo_->typing && undo_->at + undo_->inserted == s.start) {
      undo_->inserted += inserted;  // a typed word undoes at once
    } else {
      undo_ = UndoStep{s.start, Sub(s), inserted, typing};
    }
    ReplaceText(s.start, removed, bytes);
    anchor_ = caret_ = s.start + inserted;
    modified_ = true;
  }

  // Undo puts the removed bytes back, selects them and becomes the step that redoes.
  void Undo() {
    const bool done = engine_.Undo();
    FUZZ_CHECK(done == (undo_ && Fits(undo_->inserted, undo_->removed.size())));
    if (!done) return;
    const UndoStep step = std::move(*undo_);
    const std::string current = Sub({step.at, step.at + step.inserted});
    if (step.at == 0 && step.inserted == Length()) {  // the whole text swaps back, colours reset
      text_ = step.removed;
      colours_.assign(text_.size(), base_);
    } else {
      ReplaceText(step.at, step.inserted, step.removed);
    }
    undo_ = UndoStep{step.at, current, static_cast<Position>(step.removed.size()), false};
    anchor_ = step.at;
    caret_ = step.at + static_cast<Position>(step.removed.size());
    modified_ = true;
  }

  void SetText(const std::string& bytes) { SetText(bytes, engine_.SetText(bytes)); }

  void SetText(const std::string& bytes, bool done) {
    FUZZ_CHECK(done == Fits(Length(), bytes.size()));
    if (!done) return;
    text_ = bytes;
    colours_.assign(text_.size(), base_);
    anchor_ = caret_ = 0;
    undo_.reset();
    modified_ = true;
  }

  // New bytes join the colour before them (at 0, the one after them).
  void ReplaceText(Position at, Position removed, const std::string& bytes) {
    const auto from = colours_.begin() + at, to = from + removed;
    const Colour joined = at > 0 ? from[-1] : to < colours_.end() ? *to : base_;
    text_.replace(U(at), U(removed), bytes);
    colours_.insert(colours_.erase(from, to), bytes.size(), joined);
  }

  // A range painted; the whole text becomes the text's own colour.
  void Paint(Position from, Position to, Colour colour) {
    CharFormat format;
    format.colour = colour;
    engine_.SetRangeFormat({from, to}, format, FormatColour);
    const PositionRange r = Clamped(from, to);
    if (r.start == 0 && r.end == Length()) {
      base_ = colour;
      colours_.assign(text_.size(), base_);
    } else {
      std::fill(colours_.begin() + r.start, colours_.begin() + r.end, colour);
    }
  }

  void Find() {
    Position from = Pos(), to = Pos();
    std::string pattern;
    if (in_.Byte() % 2 && !text_.empty()) {  // a piece of the text, so that finds succeed
      pattern = text_.substr(U(Clamp(from)), 1 + in_.Byte() % 6);
    } else {
      pattern = in_.Bytes(6);
    }
    const std::uint32_t options = in_.Byte();
    const bool last = (options & 0x80) != 0;  // the first match, or the last (backward search)
    const PositionRange range{from, to};
    const Position found = last ? engine_.FindLast(range, pattern, options) : engine_.Find(range, pattern, options);
    const PositionRange r = Clamped(from, to);
    if (codePage_ == Utf8) {
      FUZZ_CHECK(found == NaiveFindUtf8(text_, r.start, r.end, pattern, options, last));
      return;
    }
    FUZZ_CHECK(found == NaiveFind(text_, r.start, r.end, pattern, (options & FindMatchCase) != 0,
                                  (options & FindWholeWord) != 0, CharClassesFor(codePage_), last));
  }

  // Reads at, inside and past the ends: a byte outside is 0, a range is clamped and a reversed one empty,
  // a line past either end is the last or the first. Word moves go the way asked and stay in the text.
  void Reads() {
    const Position p = Pos(), q = Pos(), c = Clamp(p);
    FUZZ_CHECK(engine_.GetByte(p) == (p >= 0 && p < Length() ? static_cast<std::uint8_t>(text_[U(p)]) : 0));
    FUZZ_CHECK(engine_.GetTextRange({p, q}) == Sub(Clamped(p, q)));
    FUZZ_CHECK(engine_.GetLineFromPosition(p) == engine_.GetLineFromPosition(c));
    const Position right = engine_.FindWordBreak(WordMove::Right, p), left = engine_.FindWordBreak(WordMove::Left, p);
    FUZZ_CHECK(c == Length() ? right == c : c < right && right <= Length());
    FUZZ_CHECK(c == 0 ? left == 0 : 0 <= left && left < c);
  }

  StreamScript Script() {
    const std::uint8_t b = in_.Byte();
    const bool fails = (b & 0x40) != 0;
    return {.chunk = b % 4 == 0 ? 100000u : 1u + b % 29, .failAt = fails ? (b >> 2) % 4 : -1,
            .badCount = fails && (b & 0x80) != 0};
  }

  void StreamIn() {
    static const std::uint32_t formats[] = {StreamText, StreamRtf, StreamText | StreamSelection,
                                            StreamRtf | StreamSelection, 0, StreamText | StreamRtf};
    const std::uint32_t format = formats[in_.Byte() % std::size(formats)];
    StreamScript script = Script();
    const std::string bytes(in_.Bytes(255));
    script.in = bytes;  // never a null pointer: that marks a stream out
    const bool callback = script.chunk != 100000 || !script.badCount;  // now and then none: refused
    EngineStream stream{reinterpret_cast<std::uintptr_t>(&script), 0, callback ? Transfer : nullptr};
    const Position read = engine_.StreamIn(stream, format);
    const std::uint32_t kind = format & (StreamText | StreamRtf);
    const bool refused = (kind != StreamText && kind != StreamRtf) || !callback;
    if (refused) return FUZZ_CHECK(stream.error == StreamErrorFormat && read == 0);
    if (script.failed) return FUZZ_CHECK(stream.error == script.Error());
    const std::string text = kind == StreamRtf ? RtfToText(bytes, codePage_) : bytes;
    const bool selection = (format & StreamSelection) != 0;
    const PositionRange replaced = selection ? Selection() : PositionRange{0, Length()};
    const bool fits = Fits(replaced.end - replaced.start, text.size());
    FUZZ_CHECK(stream.error == (fits ? StreamErrorNone : StreamErrorTooLong));
    FUZZ_CHECK(!fits || read == static_cast<Position>(bytes.size()));
    selection ? Replaced(text, UndoAction::Separate, fits) : SetText(text, fits);
  }

  void StreamOut() {
    const bool selection = in_.Byte() % 2;
    StreamScript script = Script();
    EngineStream stream{reinterpret_cast<std::uintptr_t>(&script), 0, Transfer};
    const Position written = engine_.StreamOut(stream, StreamText | (selection ? std::uint32_t{StreamSelection} : 0u));
    const PositionRange range = selection ? Selection() : PositionRange{0, Length()};
    const std::string expected = Sub(range);
    FUZZ_CHECK(stream.error == script.Error());
    FUZZ_CHECK(written == static_cast<Position>(script.out.size()));
    FUZZ_CHECK(script.failed ? expected.starts_with(script.out) : script.out == expected);
  }

  void Verify() const {
    FUZZ_CHECK(engine_.GetLength() == Length() && engine_.GetText() == text_);
    FUZZ_CHECK(engine_.GetSelection() == Selection() && engine_.GetCaret() == caret_);
    const PositionRange s = Selection();
    const Position n = s.end - s.start;
    FUZZ_CHECK(engine_.GetSelectedText() == Sub(s));
    const std::uint32_t type = n == 0 ? SelectionEmpty : n == 1 ? SelectionText : SelectionText | SelectionMultiChar;
    FUZZ_CHECK(engine_.GetSelectionType() == type);
    FUZZ_CHECK(engine_.CanUndo() == undo_.has_value() && engine_.GetModified() == modified_);
    FUZZ_CHECK(engine_.GetTextLimit() == limit_ && engine_.GetCodePage() == codePage_);
    // Bounded copies, none into a buffer of size 0: the byte past the size passed must stay.
    const auto size = static_cast<Position>(text_.size() % 7);
    std::vector<char> buffer(U(size) + 1, 'x');
    const Position copied = engine_.GetText(buffer.data(), size);
    FUZZ_CHECK(copied == std::max(std::min(size - 1, Length()), Position{0}) && buffer[U(size)] == 'x');
    FUZZ_CHECK((size == 0 || buffer[U(copied)] == '\0') && Sub({0, copied}) == std::string(buffer.data(), U(copied)));

    const std::vector<Position> starts = NaiveLineStarts(text_);
    const auto lines = static_cast<Position>(starts.size());
    FUZZ_CHECK(engine_.GetLineCount() == lines && engine_.GetLineIndex(lines) == -1);
    FUZZ_CHECK(engine_.GetLineIndex(-1) == starts[U(engine_.GetLineFromPosition(caret_))]);
    for (Position line = 0; line < lines; ++line) {
      const Position start = starts[U(line)], next = line + 1 < lines ? starts[U(line + 1)] : Length() + 1;
      const bool pair = next >= start + 2 && text_.compare(U(next - 2), 2, "\r\n") == 0;
      FUZZ_CHECK(engine_.GetLineIndex(line) == start && engine_.GetLineLength(line) == next - start - (pair ? 2 : 1));
      // A position between CR and LF belongs to the line the pair ends.
      FUZZ_CHECK(engine_.GetLineFromPosition(start) == line && engine_.GetLineFromPosition(next - 1) == line);
    }
    // -1: the bytes of the lines the selection touches that it does not take.
    const auto startOf = [&](Position p) { return std::upper_bound(starts.begin(), starts.end(), p)[-1]; };
    const Position lastEnd = startOf(s.end) + engine_.GetLineLength(engine_.GetLineFromPosition(s.end));
    FUZZ_CHECK(engine_.GetLineLengthAt(-1) == s.start - startOf(s.start) + std::max(Position{0}, lastEnd - s.end));
    // Colour runs: maximal, and each byte's own.
    for (Position p = 0; p < Length();) {
      const DocumentEngine::ColourRun run = engine_.GetColourRun(p);
      FUZZ_CHECK(run.start == p && p < run.end && run.end <= Length());
      for (; p < run.end; ++p) FUZZ_CHECK(colours_[U(p)] == run.colour);
      FUZZ_CHECK(p == Length() || colours_[U(p)] != run.colour);
    }
  }

  FuzzInput& in_;
  DocumentEngine engine_;
  std::string text_;
  Colour base_;
  std::vector<Colour> colours_;
  Position anchor_ = 0, caret_ = 0;
  Position limit_ = InitialTextLimit;
  CodePage codePage_ = Ansi;
  bool modified_ = false;
  std::optional<UndoStep> undo_;
};

}  // namespace engine_program

inline void RunEngineProgram(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  engine_program::EngineRun(input).Run();
}
