#include "search/search_state.h"

#include <algorithm>

void SetPattern(PatternBuffer& pattern, std::string_view text) {
  text = text.substr(0, std::min(text.find('\0'), patternCapacity - 1));
  std::copy(text.begin(), text.end(), pattern);
  pattern[text.size()] = '\0';
}
