// Plain-string answers to the document engine's line and find questions, for
// the model test and the engine's fuzz target to check the engine against.
#pragma once
#include <string>
#include <vector>

#include "engine/char_classes.h"
#include "engine/engine_types.h"

// The first position of every line: CR LF, a lone CR and a lone LF each end one.
inline std::vector<Position> NaiveLineStarts(const std::string& text) {
  std::vector<Position> starts{0};
  for (std::size_t i = 0; i < text.size(); ++i) {
    bool pairedCr = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
    if ((text[i] == '\r' && !pairedCr) || text[i] == '\n') starts.push_back(static_cast<Position>(i + 1));
  }
  return starts;
}

// Whether `pattern` matches at `i`, compared byte by byte.
inline bool NaiveMatchesAt(const std::string& text, Position i, const std::string& pattern, bool matchCase,
                           bool wholeWord, const CharClasses& classes) {
  auto fold = [&](char c) { return matchCase ? static_cast<unsigned char>(c) : classes.fold[static_cast<unsigned char>(c)]; };
  auto word = [&](char c) { return classes.classOf[static_cast<unsigned char>(c)] == ByteClass::Word; };
  auto m = static_cast<Position>(pattern.size());
  for (Position k = 0; k < m; ++k) {
    if (fold(text[static_cast<std::size_t>(i + k)]) != fold(pattern[static_cast<std::size_t>(k)])) return false;
  }
  if (wholeWord && i > 0 && word(text[static_cast<std::size_t>(i - 1)]) && word(pattern.front())) return false;
  return !(wholeWord && i + m < static_cast<Position>(text.size()) && word(text[static_cast<std::size_t>(i + m)]) &&
           word(pattern.back()));
}

// The first match of `pattern` in [from, to), or with `last` the last one.
inline Position NaiveFind(const std::string& text, Position from, Position to, const std::string& pattern,
                          bool matchCase, bool wholeWord, const CharClasses& classes, bool last = false) {
  auto m = static_cast<Position>(pattern.size());
  if (m == 0 || to - from < m) return -1;
  for (Position k = 0; k <= to - m - from; ++k) {
    Position i = last ? to - m - k : from + k;
    if (NaiveMatchesAt(text, i, pattern, matchCase, wholeWord, classes)) return i;
  }
  return -1;
}
