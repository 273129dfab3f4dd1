// Find's candidate test in the UTF-8 view: a match is whole characters of the
// text, each equal to the pattern's character in its small or capital form.
// The forms are those the code pages fold with (ToSmall): both have the same
// UTF-8 length, so a match is as long as the pattern.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/byte_scan.h"
#include "engine/text_storage.h"

class Utf8Matcher {
 public:
  Utf8Matcher(const TextStorage& text, std::string_view pattern, std::uint32_t options);

  Position size() const { return size_; }

  // Candidate starts [0, starts) of contiguous bytes that hold starts + size - 1
  // bytes, data[0] being at position `base`: the first match, or -1.
  Position ScanContiguous(const unsigned char* data, Position starts, Position base) const;
  // The same, the greatest start first.
  Position ScanContiguousBackward(const unsigned char* data, Position starts, Position base) const;
  // A candidate whose bytes lie in more than one block, `first` being its first byte.
  bool MatchesAt(Position start, unsigned char first, std::string& scratch) const;

 private:
  struct Span {
    Position offset, length;
  };

  bool Same(const unsigned char* data) const;
  // Starts and ends at character starts and, for whole word, touches no word.
  bool FitsAt(Position start) const;

  const TextStorage& text_;
  bool wholeWord_;
  std::string small_, capital_;  // the pattern with every character folded one way
  std::vector<Span> characters_;
  Position size_ = 0;
  // Anchors: the last byte of the first character and the pattern's last byte,
  // in both forms.
  Position headOffset_ = 0;
  byte_scan::BytePair head_{}, tail_{};
  bool wordFirst_ = false, wordLast_ = false;
};
