#include "engine/text_storage.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <utility>

namespace {

// Room for n items, growing by doubling as push_back would, so that reserving
// before every edit stays amortised O(1).
template <class Vector>
void ReserveGrowing(Vector& items, std::size_t n) {
  if (n > items.capacity()) items.reserve(std::max(n, 2 * items.capacity()));
}

}  // namespace

TextStorage::TextStorage() { Clear(); }

TextStorage::TextStorage(TextStorage&& other) noexcept
    : pool_(std::move(other.pool_)), blocks_(std::move(other.blocks_)), spare_(std::move(other.spare_)),
      sources_(std::move(other.sources_)), made_(std::move(other.made_)), lengths_(std::move(other.lengths_)),
      length_(std::exchange(other.length_, 0)) {
  other.blocks_.clear();
  other.spare_.clear();
}

TextStorage& TextStorage::operator=(TextStorage&& other) noexcept {
  if (this != &other) {
    EraseBlocks(0, blocks_.size());
    FreeSpareBlocks(0);
    pool_ = std::move(other.pool_);
    blocks_ = std::move(other.blocks_);
    spare_ = std::move(other.spare_);
    sources_ = std::move(other.sources_);  // with the room Reserve made
    made_ = std::move(other.made_);
    lengths_ = std::move(other.lengths_);
    length_ = std::exchange(other.length_, 0);
    other.blocks_.clear();
    other.spare_.clear();
  }
  return *this;
}

TextStorage::~TextStorage() {
  EraseBlocks(0, blocks_.size());
  FreeSpareBlocks(0);
}

TextStorage::Block TextStorage::NewBlock() {
  if (spare_.empty()) return Block{pool_.Allocate(), 0};
  Block block{spare_.back(), 0};
  spare_.pop_back();
  return block;
}

// An empty block after the last; out of memory, nothing changes.
void TextStorage::PushNewBlock() {
  Block block = NewBlock();
  try {
    blocks_.push_back(block);
    lengths_.PushBack(0);
  } catch (...) {
    if (blocks_.size() > lengths_.Size()) blocks_.pop_back();
    pool_.Free(block.data);
    throw;
  }
}

void TextStorage::FreeSpareBlocks(std::size_t keep) noexcept {
  while (spare_.size() > keep) {
    pool_.Free(spare_.back());
    spare_.pop_back();
  }
}

// An insert that overflows its block deals the block's bytes and the new ones
// out over fresh blocks (ReplaceBlock); one that fits takes nothing. A few
// spare blocks stay between edits, so that typing allocates nothing.
void TextStorage::Reserve(Position count, std::size_t pieces) {
  constexpr std::size_t kept = 3;
  std::size_t blocks = static_cast<std::size_t>((std::int64_t{BlockCapacity} + count + BlockFill - 1) / BlockFill);
  ReserveGrowing(blocks_, blocks_.size() + blocks);
  lengths_.Reserve(blocks_.size() + blocks);
  ReserveGrowing(made_, blocks);
  ReserveGrowing(sources_, pieces + 2);
  ReserveGrowing(spare_, std::max(blocks, kept));
  while (spare_.size() < blocks) spare_.push_back(pool_.Allocate());
  FreeSpareBlocks(std::max(blocks, kept));
}

void TextStorage::Clear() {
  EraseBlocks(0, blocks_.size());
  length_ = 0;
  lengths_.Build(0, [](std::size_t) { return Position{0}; });
  PushNewBlock();
}

void TextStorage::RebuildSums() {
  lengths_.Build(blocks_.size(), [this](std::size_t b) { return blocks_[b].length; });
}

std::size_t TextStorage::BlockOf(Position position) const {
  return std::min(lengths_.CountWithin(position), blocks_.size() - 1);
}

unsigned char TextStorage::At(Position position) const {
  assert(position >= 0 && position < length_);
  std::size_t b = BlockOf(position);
  return blocks_[b].data[position - BlockStart(b)];
}

TextStorage::Segment TextStorage::SegmentAt(Position position) const {
  assert(position >= 0 && position < length_);
  std::size_t b = BlockOf(position);
  return {blocks_[b].data, BlockStart(b), blocks_[b].length};
}

void TextStorage::CopyOut(Position from, Position to, unsigned char* out) const {
  assert(from >= 0 && from <= to && to <= length_);
  while (from < to) {
    Segment segment = SegmentAt(from);
    Position offset = from - segment.start;
    Position n = std::min(to - from, segment.length - offset);
    std::memcpy(out, segment.data + offset, static_cast<std::size_t>(n));
    out += n;
    from += n;
  }
}

void TextStorage::Insert(Position at, const unsigned char* bytes, Position count) {
  Piece piece{bytes, count};
  Insert(at, &piece, 1);
}

void TextStorage::Insert(Position at, const Piece* pieces, std::size_t count) {
  std::int64_t total = 0;
  for (std::size_t i = 0; i < count; ++i) total += pieces[i].size;
  assert(at >= 0 && at <= length_ && total + length_ <= MaxTextLength);
  if (total == 0) return;
  std::size_t b = at == length_ ? blocks_.size() - 1 : BlockOf(at);
  Position offset = at - BlockStart(b);
  // At the start of a block, the end of the previous one may have room.
  if (offset == 0 && b > 0 && blocks_[b - 1].length + total <= BlockCapacity) {
    --b;
    offset = blocks_[b].length;
  }
  Block& block = blocks_[b];
  if (block.length + total > BlockCapacity) {
    ReplaceBlock(b, offset, pieces, count, total);
    return;
  }
  auto size = static_cast<Position>(total);
  unsigned char* data = block.data;
  std::memmove(data + offset + size, data + offset, static_cast<std::size_t>(block.length - offset));
  for (std::size_t i = 0; i < count; ++i) {
    std::memcpy(data + offset, pieces[i].data, static_cast<std::size_t>(pieces[i].size));
    offset += pieces[i].size;
  }
  block.length += size;
  lengths_.Add(b, size);
  length_ += size;
}

// Block b with the pieces put in at `at` no longer fits: its bytes and the
// new ones are dealt out evenly over as many filled blocks as they need.
void TextStorage::ReplaceBlock(std::size_t b, Position at, const Piece* pieces, std::size_t count, std::int64_t added) {
  Block old = blocks_[b];
  std::vector<Piece>& sources = sources_;
  sources.clear();
  sources.push_back({old.data, at});
  sources.insert(sources.end(), pieces, pieces + count);
  sources.push_back({old.data + at, old.length - at});
  std::int64_t total = std::int64_t{old.length} + added;
  std::int64_t blocks = (total + BlockFill - 1) / BlockFill;
  std::vector<Block>& made = made_;
  made.clear();
  std::size_t source = 0;
  Position used = 0;
  for (std::int64_t p = 0; p < blocks; ++p) {
    Block piece = NewBlock();
    auto want = static_cast<Position>(total * (p + 1) / blocks - total * p / blocks);
    while (want > 0) {
      if (used == sources[source].size) {
        ++source;
        used = 0;
        continue;
      }
      Position n = std::min(want, sources[source].size - used);
      std::memcpy(piece.data + piece.length, sources[source].data + used, static_cast<std::size_t>(n));
      piece.length += n;
      used += n;
      want -= n;
    }
    made.push_back(piece);
  }
  pool_.Free(old.data);
  auto where = blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(b));
  blocks_.insert(where, made.begin(), made.end());
  length_ += static_cast<Position>(added);
  RebuildSums();
}

std::vector<TextStorage::Piece> TextStorage::Pieces(Position from, Position to) const {
  std::vector<Piece> pieces;
  while (from < to) {
    Segment segment = SegmentAt(from);
    Position offset = from - segment.start;
    Position n = std::min(to - from, segment.length - offset);
    pieces.push_back({segment.data + offset, n});
    from += n;
  }
  return pieces;
}

void TextStorage::AppendRange(const TextStorage& source, Position from, Position to) {
  for (const Piece& piece : source.Pieces(from, to)) Append(piece.data, piece.size);
}

void TextStorage::Erase(Position at, Position count) {
  assert(at >= 0 && count >= 0 && at + count <= length_);
  if (count == 0) return;
  std::size_t b1 = BlockOf(at);
  std::size_t b2 = BlockOf(at + count - 1);
  Position offset = at - BlockStart(b1);
  length_ -= count;
  if (b1 == b2) {
    Block& block = blocks_[b1];
    unsigned char* data = block.data;
    std::memmove(data + offset, data + offset + count, static_cast<std::size_t>(block.length - offset - count));
    block.length -= count;
    lengths_.Add(b1, -count);
    if (block.length < BlockCapacity / 4) JoinSmallNeighbours(b1);
    return;
  }
  Position cut = at + count - BlockStart(b2);  // bytes dropped from the front of b2
  Block& last = blocks_[b2];
  std::memmove(last.data, last.data + cut, static_cast<std::size_t>(last.length - cut));
  last.length -= cut;
  blocks_[b1].length = offset;
  EraseBlocks(b1 + 1, b2);
  RebuildSums();
  JoinSmallNeighbours(b1 + 1);
  JoinSmallNeighbours(b1);
}

// Drops block b when empty, or joins it with a neighbour when both fit in one
// filled block, so that deletions never leave a trail of small blocks.
void TextStorage::JoinSmallNeighbours(std::size_t b) {
  if (b >= blocks_.size() || blocks_.size() == 1) return;
  bool changed = false;
  if (blocks_[b].length == 0) {
    EraseBlocks(b, b + 1);
    changed = true;
  } else if (b + 1 < blocks_.size() && blocks_[b].length + blocks_[b + 1].length <= BlockFill) {
    Block& into = blocks_[b];
    std::memcpy(into.data + into.length, blocks_[b + 1].data, static_cast<std::size_t>(blocks_[b + 1].length));
    into.length += blocks_[b + 1].length;
    EraseBlocks(b + 1, b + 2);
    changed = true;
  } else if (b > 0 && blocks_[b - 1].length + blocks_[b].length <= BlockFill) {
    Block& into = blocks_[b - 1];
    std::memcpy(into.data + into.length, blocks_[b].data, static_cast<std::size_t>(blocks_[b].length));
    into.length += blocks_[b].length;
    EraseBlocks(b, b + 1);
    changed = true;
  }
  if (changed) RebuildSums();
}

void TextStorage::EraseBlocks(std::size_t from, std::size_t to) {
  for (std::size_t b = from; b < to; ++b) pool_.Free(blocks_[b].data);
  blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(from), blocks_.begin() + static_cast<std::ptrdiff_t>(to));
}

unsigned char* TextStorage::AppendSpace(Position& room) {
  if (blocks_.back().length >= BlockFill) PushNewBlock();
  Block& last = blocks_.back();
  room = BlockFill - last.length;
  return last.data + last.length;
}

void TextStorage::CommitAppend(Position count) {
  assert(count >= 0 && blocks_.back().length + count <= BlockCapacity);
  blocks_.back().length += count;
  lengths_.Add(blocks_.size() - 1, count);
  length_ += count;
}

void TextStorage::Append(const unsigned char* bytes, Position count) {
  while (count > 0) {
    Position room = 0;
    unsigned char* space = AppendSpace(room);
    Position n = std::min(room, count);
    std::memcpy(space, bytes, static_cast<std::size_t>(n));
    CommitAppend(n);
    bytes += n;
    count -= n;
  }
}

std::size_t TextStorage::BytesAllocated() const {
  return blocks_.capacity() * sizeof(Block) + pool_.BytesReserved() + (lengths_.Size() + 1) * sizeof(Position);
}
