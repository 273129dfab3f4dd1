// Where the HTML tags of a text lie: each "<" ... ">" pair, painted from the
// last "<" before its ">". Nested and unclosed "<" paint nothing of their own.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct TagRange {
  int32_t start;  // the "<"
  int32_t end;    // one past the ">"
};

// The tags in text order; they never overlap, but may touch ("<a><b>").
std::vector<TagRange> FindHtmlTags(const char* text, std::size_t length);
