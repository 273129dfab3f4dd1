#include "engine/text_find.h"

#include <algorithm>
#include <string>

#include "engine/byte_scan.h"
#include "engine/utf8_matcher.h"

namespace {

struct IdentityTable {
  unsigned char bytes[256];
  IdentityTable() {
    for (int b = 0; b < 256; ++b) bytes[b] = static_cast<unsigned char>(b);
  }
};

// Compares candidates with the pattern, both through `fold` (identity when
// case must match). The first and last pattern bytes serve as anchors: a chunk
// of candidates at a time is tested for both before any is compared in full.
class Matcher {
 public:
  Matcher(const TextStorage& text, const CharClasses& classes, std::string_view pattern, std::uint32_t options)
      : text_(text), classes_(classes), raw_(pattern), wholeWord_((options & FindWholeWord) != 0) {
    static const IdentityTable identity;
    fold_ = (options & FindMatchCase) != 0 ? identity.bytes : classes.fold;
    for (char c : pattern) folded_.push_back(static_cast<char>(fold_[static_cast<unsigned char>(c)]));
    size_ = static_cast<Position>(pattern.size());
    wordAnchors_ = Variants(folded_.front(), first_) && Variants(folded_.back(), last_);
  }

  Position size() const { return size_; }

  // Candidate starts [0, starts) of contiguous bytes that hold starts + size - 1
  // bytes, data[0] being at position `base`.
  Position ScanContiguous(const unsigned char* data, Position starts, Position base) const {
    std::size_t at = 0;
    if (wordAnchors_) {
      const auto tail = static_cast<std::size_t>(size_ - 1), count = static_cast<std::size_t>(starts);
      auto takes = [&](std::size_t k) { return Same(data + k) && WholeWordAt(base + static_cast<Position>(k)); };
      if (byte_scan::TakeFirstInChunks(data, at, count, tail, first_, last_, takes)) {
        return base + static_cast<Position>(at);
      }
    }
    auto i = static_cast<Position>(at);
    const auto head = static_cast<unsigned char>(folded_.front());
    for (; i < starts; ++i) {
      if (fold_[data[i]] == head && Same(data + i) && WholeWordAt(base + i)) return base + i;
    }
    return -1;
  }

  // The same, the greatest start first.
  Position ScanContiguousBackward(const unsigned char* data, Position starts, Position base) const {
    auto at = static_cast<std::size_t>(starts);  // candidates [0, at) are left
    if (wordAnchors_) {
      const auto tail = static_cast<std::size_t>(size_ - 1);
      auto takes = [&](std::size_t k) { return Same(data + k) && WholeWordAt(base + static_cast<Position>(k)); };
      if (byte_scan::TakeLastInChunks(data, at, tail, first_, last_, takes)) return base + static_cast<Position>(at);
    }
    auto i = static_cast<Position>(at);
    const auto head = static_cast<unsigned char>(folded_.front());
    for (; i > 0; --i) {
      const Position k = i - 1;
      if (fold_[data[k]] == head && Same(data + k) && WholeWordAt(base + k)) return base + k;
    }
    return -1;
  }

  // A candidate whose bytes lie in more than one block, `first` being its first byte.
  bool MatchesAt(Position start, unsigned char first, std::string& scratch) const {
    if (fold_[first] != static_cast<unsigned char>(folded_.front())) return false;
    scratch.resize(static_cast<std::size_t>(size_));
    text_.CopyOut(start, start + size_, reinterpret_cast<unsigned char*>(scratch.data()));
    return Same(reinterpret_cast<const unsigned char*>(scratch.data())) && WholeWordAt(start);
  }

 private:
  // The bytes that fold to `folded`; false when there are more than two and
  // the anchor test cannot be used.
  bool Variants(char folded, byte_scan::BytePair& pair) const {
    unsigned char found[2];
    int count = 0;
    for (int b = 0; b < 256; ++b) {
      if (fold_[b] != static_cast<unsigned char>(folded)) continue;
      if (count == 2) return false;
      found[count++] = static_cast<unsigned char>(b);
    }
    if (count == 0) return false;
    pair = byte_scan::PairOf(found[0], found[count - 1]);
    return true;
  }

  bool Same(const unsigned char* data) const {
    for (Position k = 0; k < size_; ++k) {
      if (fold_[data[k]] != static_cast<unsigned char>(folded_[static_cast<std::size_t>(k)])) return false;
    }
    return true;
  }

  bool IsWord(unsigned char byte) const { return classes_.classOf[byte] == ByteClass::Word; }

  bool WholeWordAt(Position start) const {
    if (!wholeWord_) return true;
    if (start > 0 && IsWord(static_cast<unsigned char>(raw_.front())) && IsWord(text_.At(start - 1))) return false;
    Position after = start + size_;
    return !(after < text_.Length() && IsWord(static_cast<unsigned char>(raw_.back())) && IsWord(text_.At(after)));
  }

  const TextStorage& text_;
  const CharClasses& classes_;
  std::string_view raw_;
  bool wholeWord_;
  const unsigned char* fold_;
  std::string folded_;
  Position size_ = 0;
  bool wordAnchors_ = false;
  byte_scan::BytePair first_{}, last_{};
};

// The scan over the blocks, the same for every way of testing a candidate.
template <class M>
Position ScanForward(const TextStorage& text, const M& matcher, Position from, Position to) {
  const Position size = matcher.size();
  const Position lastStart = to - size;
  std::string scratch;
  Position position = from;
  while (position <= lastStart) {
    TextStorage::Segment segment = text.SegmentAt(position);
    Position segmentEnd = segment.start + segment.length;
    // Starts whose match lies inside this block.
    Position insideEnd = std::min(lastStart + 1, segmentEnd - size + 1);
    if (insideEnd > position) {
      Position found = matcher.ScanContiguous(segment.data + (position - segment.start), insideEnd - position, position);
      if (found >= 0) return found;
      position = insideEnd;
    }
    // Starts whose match runs into the next block.
    Position crossingEnd = std::min(lastStart + 1, segmentEnd);
    for (; position < crossingEnd; ++position) {
      if (matcher.MatchesAt(position, segment.data[position - segment.start], scratch)) return position;
    }
  }
  return -1;
}

template <class M>
Position ScanBackward(const TextStorage& text, const M& matcher, Position from, Position to) {
  const Position size = matcher.size();
  std::string scratch;
  Position position = to - size;  // the greatest start still to test
  while (position >= from) {
    TextStorage::Segment segment = text.SegmentAt(position);
    const Position segmentEnd = segment.start + segment.length;
    // Starts whose match runs into the next block.
    const Position crossingStart = std::max({from, segment.start, segmentEnd - size + 1});
    for (; position >= crossingStart; --position) {
      if (matcher.MatchesAt(position, segment.data[position - segment.start], scratch)) return position;
    }
    // Starts whose match lies inside this block.
    const Position insideStart = std::max(from, segment.start);
    if (position >= insideStart) {
      Position found = matcher.ScanContiguousBackward(segment.data + (insideStart - segment.start),
                                                      position - insideStart + 1, insideStart);
      if (found >= 0) return found;
      position = insideStart - 1;
    }
  }
  return -1;
}

bool Fits(std::string_view pattern, Position from, Position to) {
  return !pattern.empty() && pattern.size() <= static_cast<std::size_t>(to - from);
}

}  // namespace

Position FindForward(const TextStorage& text, const CharClasses& classes, Position from, Position to,
                     std::string_view pattern, std::uint32_t options) {
  if (!Fits(pattern, from, to)) return -1;
  return ScanForward(text, Matcher(text, classes, pattern, options), from, to);
}

Position FindBackward(const TextStorage& text, const CharClasses& classes, Position from, Position to,
                      std::string_view pattern, std::uint32_t options) {
  if (!Fits(pattern, from, to)) return -1;
  return ScanBackward(text, Matcher(text, classes, pattern, options), from, to);
}

Position FindForwardUtf8(const TextStorage& text, Position from, Position to, std::string_view pattern,
                         std::uint32_t options) {
  if (!Fits(pattern, from, to)) return -1;
  return ScanForward(text, Utf8Matcher(text, pattern, options), from, to);
}

Position FindBackwardUtf8(const TextStorage& text, Position from, Position to, std::string_view pattern,
                          std::uint32_t options) {
  if (!Fits(pattern, from, to)) return -1;
  return ScanBackward(text, Utf8Matcher(text, pattern, options), from, to);
}
