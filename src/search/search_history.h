// The ten most recent search texts, named "0" (newest) to "9".
#pragma once
#include <string>
#include <string_view>
#include <vector>

inline constexpr int searchHistorySize = 10;

// Where the history's values live (the registry, in the program).
class SearchHistoryValues {
 public:
  virtual ~SearchHistoryValues() = default;
  // The value of `slot` (0..9); empty when missing.
  virtual std::string Read(int slot) const = 0;
  virtual void Write(int slot, const std::string& text) = 0;
};

// The texts newest first; empty values are skipped.
std::vector<std::string> ReadSearchHistory(const SearchHistoryValues& values);

// Makes `text` the newest entry: the first entry equal to it (byte for byte)
// or empty, else the oldest, goes, and the newer ones move down by one.
void RecordSearchHistory(SearchHistoryValues& values, std::string_view text);
