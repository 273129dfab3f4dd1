#include "codepages/html_tags.h"

#include <cstring>

std::vector<TagRange> FindHtmlTags(const char* text, std::size_t length) {
  std::vector<TagRange> tags;
  const char* end = text + length;
  const char* open = static_cast<const char*>(std::memchr(text, '<', length));
  while (open) {
    // The tag begins at the last "<" before the next ">": a later "<" restarts it.
    const char* start = open;
    const char* p = open + 1;
    while (p < end && *p != '>') {
      if (*p == '<') start = p;
      ++p;
    }
    if (p == end) break;  // no ">" follows: nothing more is a tag
    tags.push_back({static_cast<int32_t>(start - text), static_cast<int32_t>(p + 1 - text)});
    open = static_cast<const char*>(std::memchr(p + 1, '<', static_cast<std::size_t>(end - p - 1)));
  }
  return tags;
}
