#include "engine/utf8_matcher.h"

#include <cstring>

#include "codepages/utf8.h"
#include "engine/byte_scan.h"
#include "engine/char_classes.h"
#include "engine/char_steps.h"
#include "engine/engine_types.h"
#include "engine/word_breaks.h"

namespace {

// Appends the UTF-8 form of `c`, or `raw` when that form has another length.
void AppendForm(std::string& out, char32_t c, std::string_view raw) {
  char bytes[maxUtf8Length];
  std::size_t length = EncodeUtf8(c, bytes);
  if (length == raw.size()) {
    out.append(bytes, length);
  } else {
    out.append(raw);
  }
}

}  // namespace

Utf8Matcher::Utf8Matcher(const TextStorage& text, std::string_view pattern, std::uint32_t options)
    : text_(text), wholeWord_((options & FindWholeWord) != 0) {
  const bool fold = (options & FindMatchCase) == 0;
  const auto* bytes = reinterpret_cast<const unsigned char*>(pattern.data());
  for (std::size_t at = 0; at < pattern.size();) {
    Utf8Sequence sequence = DecodeUtf8(bytes + at, pattern.size() - at);
    // A byte that starts no character of the pattern is one of its own, as in the text.
    std::size_t length = sequence.status == Utf8Status::Valid ? sequence.length : 1;
    std::string_view raw = pattern.substr(at, length);
    if (fold && sequence.status == Utf8Status::Valid) {
      const char32_t small = ToSmall(sequence.codePoint);
      AppendForm(small_, small, raw);
      AppendForm(capital_, ToCapital(small), raw);
    } else {
      small_.append(raw);
      capital_.append(raw);
    }
    const bool word = sequence.status == Utf8Status::Valid && ClassOfCharacter(sequence.codePoint) == ByteClass::Word;
    if (at == 0) wordFirst_ = word;
    wordLast_ = word;
    characters_.push_back({static_cast<Position>(at), static_cast<Position>(length)});
    at += length;
  }
  size_ = static_cast<Position>(pattern.size());
  if (size_ == 0) return;
  headOffset_ = characters_.front().length - 1;
  const auto tail = static_cast<std::size_t>(size_ - 1);
  const auto head = static_cast<std::size_t>(headOffset_);
  head_ = byte_scan::PairOf(static_cast<unsigned char>(small_[head]), static_cast<unsigned char>(capital_[head]));
  tail_ = byte_scan::PairOf(static_cast<unsigned char>(small_[tail]), static_cast<unsigned char>(capital_[tail]));
}

Position Utf8Matcher::ScanContiguous(const unsigned char* data, Position starts, Position base) const {
  // The anchors at headOffset_ and size_ - 1: the scans look from there, starts stay as they are.
  const unsigned char* head = data + headOffset_;
  const auto tail = static_cast<std::size_t>(size_ - 1 - headOffset_), count = static_cast<std::size_t>(starts);
  auto takes = [&](std::size_t k) { return Same(data + k) && FitsAt(base + static_cast<Position>(k)); };
  std::size_t at = 0;
  if (byte_scan::TakeFirstInChunks(head, at, count, tail, head_, tail_, takes)) return base + static_cast<Position>(at);
  auto i = static_cast<Position>(at);
  for (; i < starts; ++i) {
    if (Same(data + i) && FitsAt(base + i)) return base + i;
  }
  return -1;
}

Position Utf8Matcher::ScanContiguousBackward(const unsigned char* data, Position starts, Position base) const {
  const unsigned char* head = data + headOffset_;
  const auto tail = static_cast<std::size_t>(size_ - 1 - headOffset_);
  auto takes = [&](std::size_t k) { return Same(data + k) && FitsAt(base + static_cast<Position>(k)); };
  auto at = static_cast<std::size_t>(starts);  // candidates [0, at) are left
  if (byte_scan::TakeLastInChunks(head, at, tail, head_, tail_, takes)) return base + static_cast<Position>(at);
  auto i = static_cast<Position>(at);
  for (; i > 0; --i) {
    if (Same(data + i - 1) && FitsAt(base + i - 1)) return base + i - 1;
  }
  return -1;
}

bool Utf8Matcher::MatchesAt(Position start, unsigned char first, std::string& scratch) const {
  if (first != static_cast<unsigned char>(small_.front()) && first != static_cast<unsigned char>(capital_.front())) {
    return false;
  }
  scratch.resize(static_cast<std::size_t>(size_));
  text_.CopyOut(start, start + size_, reinterpret_cast<unsigned char*>(scratch.data()));
  return Same(reinterpret_cast<const unsigned char*>(scratch.data())) && FitsAt(start);
}

bool Utf8Matcher::Same(const unsigned char* data) const {
  for (const Span& c : characters_) {
    const auto length = static_cast<std::size_t>(c.length);
    const unsigned char* at = data + c.offset;
    if (std::memcmp(at, small_.data() + c.offset, length) != 0 &&
        std::memcmp(at, capital_.data() + c.offset, length) != 0) {
      return false;
    }
  }
  return true;
}

bool Utf8Matcher::FitsAt(Position start) const {
  const Position end = start + size_;
  if (CharacterStart(text_, Utf8, start) != start || CharacterStart(text_, Utf8, end) != end) return false;
  if (!wholeWord_) return true;
  if (wordFirst_ && start > 0 && Utf8CharacterAt(text_, PreviousCharacter(text_, Utf8, start)).kind == ByteClass::Word) {
    return false;
  }
  return !(wordLast_ && end < text_.Length() && Utf8CharacterAt(text_, end).kind == ByteClass::Word);
}
