// A sorted list of distinct positions in a text, each with an optional value,
// that moves with edits of the text: line starts, colour run starts.
//
// The positions live in blocks of about a thousand, each relative to its
// block's origin; running sums over the blocks' spans and counts find a block
// by position or by index in O(log blocks). An edit shifts the entries of one
// block and changes one span, so the entries after it move without being
// touched. Blocks are split and merged locally; only the block sums, one
// number per block, are ever rebuilt.
#pragma once
#include <algorithm>
#include <cassert>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "engine/engine_types.h"
#include "engine/fenwick_tree.h"

struct NoValue {};

namespace position_list_detail {

// One block's values beside its positions; nothing at all for NoValue.
template <class Value>
struct ValueColumn {
  std::vector<Value> items;
  Value Get(std::size_t i) const { return items[i]; }
  void Set(std::size_t i, Value v) { items[i] = v; }
  void InsertAt(std::size_t i, const Value* from, std::size_t n) {
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(i), from, from + n);
  }
  void EraseRange(std::size_t from, std::size_t to) {
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(from), items.begin() + static_cast<std::ptrdiff_t>(to));
  }
  void PushBack(Value v) { items.push_back(v); }
  void AppendFrom(const ValueColumn& other, std::size_t from, std::size_t to) {
    items.insert(items.end(), other.items.begin() + static_cast<std::ptrdiff_t>(from),
                 other.items.begin() + static_cast<std::ptrdiff_t>(to));
  }
};

template <>
struct ValueColumn<NoValue> {
  NoValue Get(std::size_t) const { return {}; }
  void Set(std::size_t, NoValue) {}
  void InsertAt(std::size_t, const NoValue*, std::size_t) {}
  void EraseRange(std::size_t, std::size_t) {}
  void PushBack(NoValue) {}
  void AppendFrom(const ValueColumn&, std::size_t, std::size_t) {}
};

}  // namespace position_list_detail

// TargetBlock is the usual number of entries in a block; tests make it small.
template <class Value = NoValue, std::size_t TargetBlock = 1024>
class PositionList {
 public:
  struct Entry {
    Position position;
    Value value;
  };

  explicit PositionList(Position span = 1) { Reset(span); }

  // Empty, covering the positions [0, span).
  void Reset(Position span) {
    blocks_.clear();
    blocks_.emplace_back();
    blocks_.back().span = span;
    count_ = 0;
    span_ = span;
    RebuildSums();
  }

  Position Span() const { return span_; }
  Position Count() const { return count_; }

  // Number of entries before `position`.
  Position CountBefore(Position position) const {
    if (position <= 0 || count_ == 0) return 0;
    std::size_t b = BlockOf(position);
    const Block& block = blocks_[b];
    Position offset = position - Origin(b);
    auto it = std::lower_bound(block.rel.begin(), block.rel.end(), offset);
    return counts_.Prefix(b) + static_cast<Position>(it - block.rel.begin());
  }

  // The entry with `index`, 0 <= index < Count().
  Entry At(Position index) const {
    assert(index >= 0 && index < count_);
    std::size_t b = counts_.CountWithin(index);
    std::size_t k = static_cast<std::size_t>(index - counts_.Prefix(b));
    return {Origin(b) + blocks_[b].rel[k], blocks_[b].values.Get(k)};
  }

  // The last entry at or before `position`, if any.
  bool FindAtOrBefore(Position position, Entry& entry) const {
    Position index = CountBefore(position + 1) - 1;
    if (index < 0) return false;
    entry = At(index);
    return true;
  }

  // Removes the entries with from <= position < to.
  void Erase(Position from, Position to) {
    Position first = CountBefore(from);
    Position last = CountBefore(to);
    bool structural = false;
    while (first < last) {
      std::size_t b = counts_.CountWithin(first);
      Block& block = blocks_[b];
      Position base = counts_.Prefix(b);
      std::size_t k0 = static_cast<std::size_t>(first - base);
      std::size_t k1 = std::min(block.rel.size(), static_cast<std::size_t>(last - base));
      block.rel.erase(block.rel.begin() + static_cast<std::ptrdiff_t>(k0),
                      block.rel.begin() + static_cast<std::ptrdiff_t>(k1));
      block.values.EraseRange(k0, k1);
      Position removed = static_cast<Position>(k1 - k0);
      counts_.Add(b, -removed);
      count_ -= removed;
      last -= removed;
      if (block.rel.size() < MinBlock && blocks_.size() > 1) structural = true;
    }
    if (structural) MergeSmallBlocks();
  }

  // The text [at, at + removed) became `inserted` bytes: entries after `at`
  // move by inserted - removed. No entry may lie in (at, at + removed], and
  // at + removed must be below Span().
  void Adjust(Position at, Position removed, Position inserted) {
    assert(at >= 0 && removed >= 0 && inserted >= 0 && at + removed < span_);
    Position delta = inserted - removed;
    std::size_t b1 = BlockOf(at);
    std::size_t b2 = removed > 0 ? BlockOf(at + removed) : b1;
    span_ += delta;
    if (b1 == b2) {
      Block& block = blocks_[b1];
      Position offset = at - Origin(b1);
      auto it = std::upper_bound(block.rel.begin(), block.rel.end(), offset);
      for (; it != block.rel.end(); ++it) *it += delta;
      block.span += delta;
      spans_.Add(b1, delta);
      return;
    }
    // The removed text crosses blocks: the blocks between hold no entry, so
    // b1 and b2 join into one block.
    Position origin1 = Origin(b1);
    Position origin2 = Origin(b2);
    Block& into = blocks_[b1];
    Block& from = blocks_[b2];
    assert(std::all_of(blocks_.begin() + static_cast<std::ptrdiff_t>(b1 + 1),
                       blocks_.begin() + static_cast<std::ptrdiff_t>(b2), [](const Block& m) { return m.rel.empty(); }));
    Position rebase = origin2 + delta - origin1;
    for (std::size_t k = 0; k < from.rel.size(); ++k) {
      into.rel.push_back(from.rel[k] + rebase);
    }
    into.values.AppendFrom(from.values, 0, from.rel.size());
    into.span = origin2 + from.span + delta - origin1;
    blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(b1 + 1),
                  blocks_.begin() + static_cast<std::ptrdiff_t>(b2 + 1));
    if (blocks_[b1].rel.size() > MaxBlock) SplitBlock(b1);
    RebuildSums();
  }

  // Adds the entries, sorted, none present, all below Span(), with no present
  // entry between the first and the last of them.
  void InsertSorted(const Entry* entries, std::size_t n) {
    if (n == 0) return;
    std::size_t b = BlockOf(entries[0].position);
    if (BlockOf(entries[n - 1].position) != b) {
      for (std::size_t i = 0; i < n; ++i) InsertSorted(entries + i, 1);
      return;
    }
    Block& block = blocks_[b];
    Position origin = Origin(b);
    auto it = std::lower_bound(block.rel.begin(), block.rel.end(), entries[0].position - origin);
    std::size_t k = static_cast<std::size_t>(it - block.rel.begin());
    std::vector<Position> rel(n);
    for (std::size_t i = 0; i < n; ++i) rel[i] = entries[i].position - origin;
    block.rel.insert(it, rel.begin(), rel.end());
    if constexpr (!std::is_same_v<Value, NoValue>) {
      std::vector<Value> values(n);
      for (std::size_t i = 0; i < n; ++i) values[i] = entries[i].value;
      block.values.InsertAt(k, values.data(), n);
    }
    count_ += static_cast<Position>(n);
    if (block.rel.size() > MaxBlock) {
      SplitBlock(b);
      RebuildSums();
    } else {
      counts_.Add(b, static_cast<Position>(n));
    }
  }

  void Insert(Position position, Value value) {
    Entry entry{position, value};
    InsertSorted(&entry, 1);
  }

  // Extends the covered positions by `delta` at the end.
  void Grow(Position delta) {
    span_ += delta;
    blocks_.back().span += delta;
    spans_.Add(blocks_.size() - 1, delta);
  }

  // Appends an entry after every other, below Span(), for building a list
  // from a stream.
  void PushBack(Position position, Value value) {
    Entry entry{position, value};
    PushBack(&entry, 1);
  }

  // Appends sorted entries after every other, all below Span(): the block sums
  // are touched once per block filled, not once per entry.
  void PushBack(const Entry* entries, std::size_t n) {
    for (std::size_t i = 0; i < n;) {
      if (blocks_.back().rel.size() >= TargetBlock) StartLastBlockAt(entries[i].position);
      std::size_t last = blocks_.size() - 1;
      Block& block = blocks_[last];
      Position origin = span_ - block.span;  // the blocks' spans make up the list's: no sum to walk
      std::size_t held = block.rel.size();
      std::size_t take = std::min(n - i, TargetBlock - held);
      block.rel.resize(held + take);
      for (std::size_t k = 0; k < take; ++k) {
        block.rel[held + k] = entries[i + k].position - origin;
        block.values.PushBack(entries[i + k].value);
      }
      counts_.Add(last, static_cast<Position>(take));
      count_ += static_cast<Position>(take);
      i += take;
    }
  }

  // Bytes held by the list, for memory reports.
  std::size_t BytesAllocated() const {
    std::size_t bytes = blocks_.capacity() * sizeof(Block);
    for (const Block& block : blocks_) bytes += block.rel.capacity() * sizeof(Position);
    if constexpr (!std::is_same_v<Value, NoValue>) {
      for (const Block& block : blocks_) bytes += block.values.items.capacity() * sizeof(Value);
    }
    return bytes;
  }

 private:
  static constexpr std::size_t MaxBlock = 2 * TargetBlock;
  static constexpr std::size_t MinBlock = (TargetBlock + 7) / 8;

  struct Block {
    std::vector<Position> rel;  // sorted, each relative to the block's origin, below span
    position_list_detail::ValueColumn<Value> values;
    Position span = 0;          // positions covered; always at least 1
  };

  std::size_t BlockOf(Position position) const {
    std::size_t b = spans_.CountWithin(position);
    return std::min(b, blocks_.size() - 1);
  }

  Position Origin(std::size_t b) const { return static_cast<Position>(spans_.Prefix(b)); }

  void RebuildSums() {
    spans_.Build(blocks_.size(), [this](std::size_t b) { return std::int64_t{blocks_[b].span}; });
    counts_.Build(blocks_.size(), [this](std::size_t b) { return static_cast<Position>(blocks_[b].rel.size()); });
  }

  // Cuts an oversized block into blocks of about TargetBlock entries; each new
  // block begins at its first entry. The caller rebuilds the sums.
  void SplitBlock(std::size_t b) {
    Block old = std::move(blocks_[b]);
    std::size_t n = old.rel.size();
    std::size_t pieces = (n + TargetBlock - 1) / TargetBlock;
    std::vector<Block> made(pieces);
    std::size_t begin = 0;
    for (std::size_t p = 0; p < pieces; ++p) {
      // In 64 bits: n * pieces passes 2^32 at about two million entries.
      auto end = static_cast<std::size_t>(std::uint64_t{n} * (p + 1) / pieces);
      Position shift = p == 0 ? 0 : old.rel[begin];
      Block& piece = made[p];
      piece.rel.reserve(end - begin);
      for (std::size_t k = begin; k < end; ++k) piece.rel.push_back(old.rel[k] - shift);
      piece.values.AppendFrom(old.values, begin, end);
      Position next = p + 1 < pieces ? old.rel[end] : old.span;
      piece.span = next - shift;
      begin = end;
    }
    blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(b));
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(b), std::make_move_iterator(made.begin()),
                   std::make_move_iterator(made.end()));
  }

  // Joins every block below MinBlock entries with its successor (or the last
  // one with its predecessor), then cuts any block that grew too big.
  void MergeSmallBlocks() {
    std::vector<Block> merged;
    merged.reserve(blocks_.size());
    for (Block& block : blocks_) {
      if (!merged.empty() && merged.back().rel.size() < MinBlock) {
        AppendBlock(merged.back(), block);
      } else {
        merged.push_back(std::move(block));
      }
    }
    if (merged.size() > 1 && merged.back().rel.size() < MinBlock) {
      Block tail = std::move(merged.back());
      merged.pop_back();
      AppendBlock(merged.back(), tail);
    }
    blocks_ = std::move(merged);
    for (std::size_t b = blocks_.size(); b-- > 0;) {
      if (blocks_[b].rel.size() > MaxBlock) SplitBlock(b);
    }
    RebuildSums();
  }

  // Cuts the last block at `position`, which lies in it after all its entries:
  // the rest of its span becomes a new, empty last block.
  void StartLastBlockAt(Position position) {
    std::size_t last = blocks_.size() - 1;
    Position tail = span_ - position;
    blocks_[last].span -= tail;
    spans_.Add(last, -tail);
    blocks_.emplace_back();
    blocks_.back().span = tail;
    blocks_.back().rel.reserve(TargetBlock);
    spans_.PushBack(tail);
    counts_.PushBack(0);
  }

  static void AppendBlock(Block& into, Block& from) {
    for (Position r : from.rel) into.rel.push_back(r + into.span);
    into.values.AppendFrom(from.values, 0, from.rel.size());
    into.span += from.span;
  }

  std::vector<Block> blocks_;
  FenwickTree<std::int64_t> spans_;
  FenwickTree<Position> counts_;
  Position count_ = 0;
  Position span_ = 1;
};
