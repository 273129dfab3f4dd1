// Chunk-at-a-time byte tests for line scanning and find: sixteen bytes per
// step with SSE2 (on every x86 build of the program), eight in portable C++
// elsewhere, so both run at memory speed without a byte loop.
#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace byte_scan {

inline constexpr std::uint64_t LowBits = 0x7F7F7F7F7F7F7F7Full;

inline std::uint64_t Load(const unsigned char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

inline constexpr std::uint64_t Broadcast(unsigned char byte) { return 0x0101010101010101ull * byte; }

// 0x80 in every byte of `word` that is zero, 0 in every other: exact, no
// borrow from one byte into the next.
inline std::uint64_t ZeroBytes(std::uint64_t word) { return ~(((word & LowBits) + LowBits) | word | LowBits); }

inline std::uint64_t EqualBytes(std::uint64_t word, std::uint64_t broadcast) { return ZeroBytes(word ^ broadcast); }

// A chunk's test result: one flag per byte, the lowest address in the lowest
// bits on a little-endian machine.
#if defined(__SSE2__)
inline constexpr std::size_t ChunkSize = 16;
using Mask = std::uint32_t;
inline constexpr int FlagBits = 1;  // one bit per byte, as movemask gives them

// Two byte values to look for at once: a letter in both cases, or one byte twice.
struct BytePair {
  __m128i first, second;
};
inline BytePair PairOf(unsigned char first, unsigned char second) {
  return {_mm_set1_epi8(static_cast<char>(first)), _mm_set1_epi8(static_cast<char>(second))};
}

inline __m128i EitherVector(const unsigned char* p, const BytePair& pair) {
  __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  return _mm_or_si128(_mm_cmpeq_epi8(chunk, pair.first), _mm_cmpeq_epi8(chunk, pair.second));
}

// Flags the bytes of p[0, ChunkSize) that are either byte of `pair`.
inline Mask Either(const unsigned char* p, const BytePair& pair) {
  return static_cast<Mask>(_mm_movemask_epi8(EitherVector(p, pair)));
}

// Flags the offsets k of the chunk where head[k] is in `first` and tail[k] in `last`.
inline Mask BothEither(const unsigned char* head, const BytePair& first, const unsigned char* tail,
                       const BytePair& last) {
  return static_cast<Mask>(_mm_movemask_epi8(_mm_and_si128(EitherVector(head, first), EitherVector(tail, last))));
}
#else
inline constexpr std::size_t ChunkSize = 8;
using Mask = std::uint64_t;
inline constexpr int FlagBits = 8;  // 0x80 in each flagged byte

struct BytePair {
  std::uint64_t first, second;
};
inline BytePair PairOf(unsigned char first, unsigned char second) { return {Broadcast(first), Broadcast(second)}; }

inline Mask Either(const unsigned char* p, const BytePair& pair) {
  std::uint64_t word = Load(p);
  return EqualBytes(word, pair.first) | EqualBytes(word, pair.second);
}

inline Mask BothEither(const unsigned char* head, const BytePair& first, const unsigned char* tail,
                       const BytePair& last) {
  return Either(head, first) & Either(tail, last);
}
#endif

// The scans of find: from chunk offset `at`, the first chunk (at, at + ChunkSize,
// ... while a whole chunk of starts is left before `starts`) where BothEither
// flags a start, with `tail` bytes between the two anchors; `at` is left at
// that chunk and its mask returned, or at the first start of no whole chunk
// and 0 returned. A loop of its
// own, so that the anchors and offsets stay in registers between the rare hits.
inline Mask SkipForward(const unsigned char* data, std::size_t& at, std::size_t starts, std::size_t tail,
                        const BytePair& first, const BytePair& last) {
  const BytePair head = first, end = last;
  std::size_t i = at;
  for (; i + ChunkSize <= starts; i += ChunkSize) {
    if (Mask mask = BothEither(data + i, head, data + i + tail, end); mask != 0) {
      at = i;
      return mask;
    }
  }
  at = i;
  return 0;
}

// The same downwards: the chunk [at - ChunkSize, at) of starts, while at >= ChunkSize.
inline Mask SkipBackward(const unsigned char* data, std::size_t& at, std::size_t tail, const BytePair& first,
                         const BytePair& last) {
  const BytePair head = first, end = last;
  std::size_t i = at;
  for (; i >= ChunkSize; i -= ChunkSize) {
    const unsigned char* chunk = data + i - ChunkSize;
    if (Mask mask = BothEither(chunk, head, chunk + tail, end); mask != 0) {
      at = i;
      return mask;
    }
  }
  at = i;
  return 0;
}

inline constexpr int MaskBits = static_cast<int>(sizeof(Mask)) * 8;
// The flag at the lowest address is at the lowest bits: little endian, or one bit per byte.
inline constexpr bool LowFirst = std::endian::native == std::endian::little || FlagBits == 1;

// Offset of the flagged byte at the lowest address in a nonzero mask.
inline std::size_t FirstFlagged(Mask mask) {
  if constexpr (LowFirst) {
    return static_cast<std::size_t>(std::countr_zero(mask)) / FlagBits;
  } else {
    return static_cast<std::size_t>(std::countl_zero(mask)) / FlagBits;
  }
}

// Offset of the flagged byte at the highest address in a nonzero mask.
inline std::size_t LastFlagged(Mask mask) {
  if constexpr (LowFirst) {
    return static_cast<std::size_t>(MaskBits - 1 - std::countl_zero(mask)) / FlagBits;
  } else {
    return static_cast<std::size_t>(MaskBits - 1 - std::countr_zero(mask)) / FlagBits;
  }
}

// Clears the flag FirstFlagged reported.
inline Mask DropFirst(Mask mask) {
  if constexpr (LowFirst) {
    return mask & (mask - 1);
  } else {
    return mask & ~(Mask{1} << (MaskBits - 1 - std::countl_zero(mask)));
  }
}

// Clears the flag LastFlagged reported.
inline Mask DropLast(Mask mask) {
  if constexpr (LowFirst) {
    return mask & ~(Mask{1} << (MaskBits - 1 - std::countl_zero(mask)));
  } else {
    return mask & (mask - 1);
  }
}

// The whole chunks of a forward scan for a pattern's candidate starts [at, starts):
// each start the two anchors flag is offered to `take`, the smallest first. True
// with `at` the start taken; false with `at` at the first start of no whole chunk,
// which the caller tries byte by byte.
template <class Take>
bool TakeFirstInChunks(const unsigned char* data, std::size_t& at, std::size_t starts, std::size_t tail,
                       const BytePair& first, const BytePair& last, Take take) {
  while (Mask mask = SkipForward(data, at, starts, tail, first, last)) {
    for (; mask != 0; mask = DropFirst(mask)) {
      if (std::size_t k = at + FirstFlagged(mask); take(k)) {
        at = k;
        return true;
      }
    }
    at += ChunkSize;
  }
  return false;
}

// The same downwards over the candidate starts [0, at), the greatest first; false
// with `at` at the end of the starts no whole chunk holds.
template <class Take>
bool TakeLastInChunks(const unsigned char* data, std::size_t& at, std::size_t tail, const BytePair& first,
                      const BytePair& last, Take take) {
  while (Mask mask = SkipBackward(data, at, tail, first, last)) {
    at -= ChunkSize;
    for (; mask != 0; mask = DropLast(mask)) {
      if (std::size_t k = at + LastFlagged(mask); take(k)) {
        at = k;
        return true;
      }
    }
  }
  return false;
}

// Calls visit(k) for the offset k of every CR and LF in data[0, size), in order.
template <class Visit>
void ForEachLineBreakByte(const unsigned char* data, std::size_t size, Visit visit) {
  const BytePair breaks = PairOf('\r', '\n');
  std::size_t i = 0;
  for (; i + ChunkSize <= size; i += ChunkSize) {
    for (Mask mask = Either(data + i, breaks); mask != 0; mask = DropFirst(mask)) visit(i + FirstFlagged(mask));
  }
  for (; i < size; ++i) {
    if (data[i] == '\r' || data[i] == '\n') visit(i);
  }
}

}  // namespace byte_scan
