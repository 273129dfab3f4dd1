// DocumentEngine: whole texts that change hands instead of being copied, and
// replace all built in one pass beside the old text.
#include <cstdint>
#include <utility>

#include "engine/char_classes.h"
#include "engine/document_engine.h"
#include "engine/engine_state.h"

namespace {

// One pass finds a match in the old text, where a run finds it in the text its
// earlier replacements left. They differ only where finding looks back past a
// match's start into the replaced bytes: a whole-word pattern that starts with
// a letter looks at one byte before it, which for a match right after another
// is the replacement's last byte in the run and the pattern's own last byte
// here; UTF-8 looks back over whole characters.
bool OnePassFindsTheSame(CodePage codePage, std::string_view pattern, std::uint32_t options,
                         std::string_view replacement) {
  if (codePage == Utf8) return false;
  if ((options & FindWholeWord) == 0) return true;
  const CharClasses& classes = CharClassesFor(codePage);
  auto word = [&](char byte) { return classes.classOf[static_cast<unsigned char>(byte)] == ByteClass::Word; };
  if (!word(pattern.front())) return true;
  return !replacement.empty() && word(replacement.back()) == word(pattern.back());
}

}  // namespace

bool DocumentEngine::ExchangeText(TextStorage& text) {
  EngineState& s = *state_;
  if (!s.Fits(s.Length(), static_cast<std::size_t>(text.Length()))) return false;
  LineIndex lines = IndexLines(text);
  s.Exchange(text, std::move(lines), 0);
  return true;
}

Position DocumentEngine::ReplaceAll(Position from, std::string_view pattern, std::uint32_t options,
                                    std::string_view replacement, TextStorage& replaced) {
  EngineState& s = *state_;
  if (pattern.empty()) return 0;
  // Coloured ranges (HTML tags) move with each replacement of a run; a new text has none.
  if (!s.colours.Empty() || !OnePassFindsTheSame(s.codePage, pattern, options, replacement)) return ReplaceStepwise;
  const auto size = static_cast<Position>(pattern.size());
  const auto* bytes = reinterpret_cast<const unsigned char*>(replacement.data());
  const auto added = static_cast<std::int64_t>(replacement.size());
  TextStorage fresh;
  Position copied = 0, count = 0, caretAfter = 0;
  for (Position at = Find({from, -1}, pattern, options); at >= 0; at = Find({copied, -1}, pattern, options)) {
    // The run stops at the first replacement the limit refuses; it tells which.
    std::int64_t grown = std::int64_t{fresh.Length()} + (at - copied) + added + (s.Length() - at - size);
    if (added > size && grown > s.limit) return ReplaceStepwise;
    fresh.AppendRange(s.text, copied, at);
    fresh.Append(bytes, static_cast<Position>(added));
    copied = at + size;
    caretAfter = fresh.Length();
    ++count;
  }
  if (count == 0) return 0;
  fresh.AppendRange(s.text, copied, s.Length());
  LineIndex lines = IndexLines(fresh);
  s.Exchange(fresh, std::move(lines), caretAfter);
  replaced = std::move(fresh);
  return count;
}
