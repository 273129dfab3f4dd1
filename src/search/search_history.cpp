#include "search/search_history.h"

std::vector<std::string> ReadSearchHistory(const SearchHistoryValues& values) {
  std::vector<std::string> texts;
  for (int slot = 0; slot < searchHistorySize; ++slot) {
    std::string text = values.Read(slot);
    if (!text.empty()) texts.push_back(std::move(text));
  }
  return texts;
}

void RecordSearchHistory(SearchHistoryValues& values, std::string_view text) {
  int freed = 0;
  for (; freed < searchHistorySize - 1; ++freed) {
    std::string entry = values.Read(freed);
    if (entry.empty() || entry == text) break;
  }
  for (int slot = freed - 1; slot >= 0; --slot) values.Write(slot + 1, values.Read(slot));
  values.Write(0, std::string(text));
}
