// Forward find in the document's bytes, whole-word and match-case as options.
#pragma once
#include <cstdint>
#include <string_view>

#include "engine/char_classes.h"
#include "engine/text_storage.h"

// The first occurrence of `pattern` starting at or after `from` and ending at
// or before `to` (0 <= from, to <= text length), or -1; -1 for an empty
// pattern. `options` takes FindWholeWord and FindMatchCase. Whole word: the
// match neither continues a word before it nor runs into one after it.
Position FindForward(const TextStorage& text, const CharClasses& classes, Position from, Position to,
                     std::string_view pattern, std::uint32_t options);

// The last occurrence under the same rules: the one with the greatest start
// that starts at or after `from` and ends at or before `to`, or -1. Scans
// from `to` backwards, so its cost grows with the distance to that match.
Position FindBackward(const TextStorage& text, const CharClasses& classes, Position from, Position to,
                      std::string_view pattern, std::uint32_t options);

// The same in the UTF-8 view, by characters: a match starts and ends at
// character starts, case folds Latin and Cyrillic letters (Utf8Matcher), and
// whole word looks at the characters either side.
Position FindForwardUtf8(const TextStorage& text, Position from, Position to, std::string_view pattern,
                         std::uint32_t options);
Position FindBackwardUtf8(const TextStorage& text, Position from, Position to, std::string_view pattern,
                          std::uint32_t options);
