// What the Find/Replace dialog fills and every search step reads: one set for
// the program's whole run, never stored.
#pragma once
#include <cstddef>
#include <string_view>

#include "engine/engine_types.h"

// A pattern holds at most 32 bytes and its terminating zero: a zero byte ends
// it, so a pattern never contains one.
inline constexpr std::size_t patternCapacity = 33;
using PatternBuffer = char[patternCapacity];

struct SearchState {
  PatternBuffer searchPattern = {};
  PatternBuffer replacePattern = {};  // empty: a match is deleted
  bool wholeWord = false;
  bool matchCase = false;
  bool hexPattern = false;      // the patterns were typed as hex: bytes to find exactly, not text
  bool wholeText = false;       // start at the beginning (the end, backwards), not at the selection
  bool backwards = false;
  bool confirmReplace = true;   // ask before each replacement
  bool replaceMode = false;     // the dialog was last opened by Replace; also what Find next does
  bool replaceAll = false;      // the run replaces every occurrence
  Position searchPosition = 0;  // where the next search continues; -1 after a failed one
};

// Stores at most 32 bytes of `text`, up to its first zero byte, and a zero.
void SetPattern(PatternBuffer& pattern, std::string_view text);
