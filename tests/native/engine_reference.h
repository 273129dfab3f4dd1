// Plain-string answers to the document engine's line and find questions, for
// the model test and the engine's fuzz target to check the engine against.
#pragma once
#include <string>
#include <vector>

#include "editor/engine/char_classes.h"
#include "editor/engine/engine_types.h"

// The first position of every line: CR LF, a lone CR and a lone LF each end one.
inline std::vector<Position> NaiveLineStarts(const std::string& text) {
  std::vector<Position> starts{0};
  for (std::size_t i = 0; i < text.size(); ++i) {
    bool pairedCr = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
    if ((text[i] == '\r' && !pairedCr) || text[i] == '\n') starts.push_back(static_cast<Position>(i + 1));
  }
  return starts;
}

// The first match of `pattern` in [from, to), compared byte by byte.
inline Position NaiveFind(const std::string& text, Position from, Position to, const std::string& pattern,
                          bool matchCase, bool wholeWord, const CharClasses& classes) {
  auto fold = [&](char c) { return matchCase ? static_cast<unsigned char>(c) : classes.fold[static_cast<unsigned char>(c)]; };
  auto word = [&](char c) { return classes.classOf[static_cast<unsigned char>(c)] == ByteClass::Word; };
  auto m = static_cast<Position>(pattern.size());
  if (m == 0) return -1;
  for (Position i = from; i + m <= to; ++i) {
    bool same = true;
    for (Position k = 0; k < m && same; ++k) same = fold(text[static_cast<std::size_t>(i + k)]) == fold(pattern[static_cast<std::size_t>(k)]);
    if (!same) continue;
    if (wholeWord && i > 0 && word(text[static_cast<std::size_t>(i - 1)]) && word(pattern.front())) continue;
    if (wholeWord && i + m < static_cast<Position>(text.size()) && word(text[static_cast<std::size_t>(i + m)]) && word(pattern.back())) continue;
    return i;
  }
  return -1;
}
