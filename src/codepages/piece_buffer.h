// Output written in sixteen-byte stores: a buffer that keeps slack past every
// line it hands out, so that short words and runs of spaces are copied with
// whole chunks instead of byte loops or library calls (which, in the PE32
// under Wine, are the system's and slow for a few bytes).
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "codepages/buffer_size.h"

namespace piece_buffer {

inline constexpr std::size_t Chunk = 16;
// What the stores may write past the end of what they were asked to write.
inline constexpr std::size_t Slack = Chunk;

// Writes `n` bytes from `from` at `out`. Chunks are read while `readEnd` allows, the rest
// byte by byte; up to Slack bytes past out + n may be overwritten.
inline unsigned char* Copy(unsigned char* out, const unsigned char* from, std::size_t n,
                           const unsigned char* readEnd) {
  unsigned char* const end = out + n;
  for (; out < end && static_cast<std::size_t>(readEnd - from) >= Chunk; out += Chunk, from += Chunk) {
    std::memcpy(out, from, Chunk);
  }
  for (; out < end; ++out, ++from) *out = *from;
  return end;
}

// Writes `n` spaces at `out`; up to Slack bytes past them may be overwritten.
inline unsigned char* Spaces(unsigned char* out, std::size_t n) {
  static constexpr unsigned char spaces[Chunk] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                                  ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
  unsigned char* const end = out + n;
  for (; out < end; out += Chunk) std::memcpy(out, spaces, Chunk);
  return end;
}

// Bytes written at the end of a buffer and handed on in pieces of about `pieceSize`.
class PieceBuffer {
 public:
  explicit PieceBuffer(std::size_t pieceSize) { Grow(pieceSize); }

  // Room for `bytes` more (and the slack) at the end: hands what is written to `write` first
  // when it would not fit, and grows when even an empty buffer is too small. False when
  // `write` refused its piece.
  template <typename Write>
  bool MakeRoom(std::size_t bytes, Write& write) {
    if (capacity_ - fill_ >= bytes && capacity_ - fill_ - bytes >= Slack) return true;
    if (fill_ > 0 && !Flush(write)) return false;
    const std::size_t needed = BufferSize(1, bytes, Slack, SIZE_MAX);
    if (capacity_ < needed) Grow(needed);
    return true;
  }
  unsigned char* End() { return data_.get() + fill_; }
  void SetEnd(unsigned char* end) { fill_ = static_cast<std::size_t>(end - data_.get()); }

  template <typename Write>
  bool Flush(Write& write) {
    const bool written = fill_ == 0 || write(std::string_view(reinterpret_cast<const char*>(data_.get()), fill_));
    fill_ = 0;
    return written;
  }

 private:
  // Only ever while empty: nothing is kept.
  void Grow(std::size_t capacity) {
    data_ = std::make_unique_for_overwrite<unsigned char[]>(capacity);
    capacity_ = capacity;
  }

  std::unique_ptr<unsigned char[]> data_;
  std::size_t capacity_ = 0;
  std::size_t fill_ = 0;
};

}  // namespace piece_buffer
