// The document's bytes, in blocks of at most 16 KB with running sums of their
// lengths. An edit moves bytes inside one block and changes one sum, so it
// costs the same at any position of a huge text; a block that overflows is
// cut in two, and small neighbours are joined.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/block_pool.h"
#include "engine/engine_types.h"
#include "engine/fenwick_tree.h"

class TextStorage {
 public:
  // Contiguous bytes of one block: positions [start, start + length).
  struct Segment {
    const unsigned char* data = nullptr;
    Position start = 0;
    Position length = 0;
  };

  TextStorage();
  TextStorage(TextStorage&&) noexcept;
  TextStorage& operator=(TextStorage&&) noexcept;
  ~TextStorage();

  Position Length() const { return length_; }
  unsigned char At(Position position) const;  // 0 <= position < Length()
  // The block holding `position`, 0 <= position < Length().
  Segment SegmentAt(Position position) const;
  // Copies [from, to) to `out`; the range must lie in the text.
  void CopyOut(Position from, Position to, unsigned char* out) const;

  // Bytes to insert, possibly from several places.
  struct Piece {
    const unsigned char* data;
    Position size;
  };
  // Contiguous pieces of [from, to), which must lie in the text.
  std::vector<Piece> Pieces(Position from, Position to) const;

  void Insert(Position at, const unsigned char* bytes, Position count);
  void Insert(Position at, const Piece* pieces, std::size_t count);
  void Erase(Position at, Position count);

  // Takes now whatever erasing any range and then inserting `count` bytes in
  // `pieces` pieces may need, so that neither can run out of memory half way.
  // Throws std::bad_alloc with the text unchanged.
  void Reserve(Position count, std::size_t pieces);
  void Clear();

  // Appending in place, as a stream fills the text: the free bytes at the
  // end, then how many of them were filled.
  unsigned char* AppendSpace(Position& room);
  void CommitAppend(Position count);
  void Append(const unsigned char* bytes, Position count);
  void AppendRange(const TextStorage& source, Position from, Position to);

  std::size_t BytesAllocated() const;

  static constexpr Position BlockCapacity = static_cast<Position>(BlockPool::BlockSize);
  // Blocks filled by a stream or a split keep this much, so that the next
  // edits fit without cutting.
  static constexpr Position BlockFill = BlockCapacity - 1024;

 private:
  struct Block {
    unsigned char* data = nullptr;  // BlockCapacity bytes from pool_
    Position length = 0;
  };

  std::size_t BlockOf(Position position) const;
  Position BlockStart(std::size_t b) const { return static_cast<Position>(lengths_.Prefix(b)); }
  Block NewBlock();
  void PushNewBlock();
  void FreeSpareBlocks(std::size_t keep) noexcept;
  void EraseBlocks(std::size_t from, std::size_t to);
  void ReplaceBlock(std::size_t b, Position at, const Piece* pieces, std::size_t count, std::int64_t added);
  void JoinSmallNeighbours(std::size_t b);
  void RebuildSums();

  BlockPool pool_;
  std::vector<Block> blocks_;  // never empty; only an empty text has an empty block
  std::vector<unsigned char*> spare_;  // blocks taken by Reserve, handed out first
  std::vector<Piece> sources_;         // ReplaceBlock's scratch lists, kept with their room
  std::vector<Block> made_;
  FenwickTree<Position> lengths_;
  Position length_ = 0;
};

// Reads bytes one at a time in either direction, keeping the current block.
class ByteReader {
 public:
  explicit ByteReader(const TextStorage& text) : text_(text) {}
  unsigned char operator()(Position position) {
    if (position < segment_.start || position >= segment_.start + segment_.length) {
      segment_ = text_.SegmentAt(position);
    }
    return segment_.data[position - segment_.start];
  }

 private:
  const TextStorage& text_;
  TextStorage::Segment segment_;
};
