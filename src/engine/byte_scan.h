// Word-at-a-time byte tests: eight bytes per step in portable C++, so line
// scanning and find run at memory speed on every target without intrinsics.
#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

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

// Offset of the flagged byte at the lowest address in a nonzero mask.
inline std::size_t FirstFlagged(std::uint64_t mask) {
  if constexpr (std::endian::native == std::endian::little) {
    return static_cast<std::size_t>(std::countr_zero(mask)) / 8;
  } else {
    return static_cast<std::size_t>(std::countl_zero(mask)) / 8;
  }
}

// Clears the flag FirstFlagged reported.
inline std::uint64_t DropFirst(std::uint64_t mask) {
  if constexpr (std::endian::native == std::endian::little) {
    return mask & (mask - 1);
  } else {
    return mask & ~(std::uint64_t{0x80} << (56 - 8 * FirstFlagged(mask)));
  }
}

// Offset of the flagged byte at the highest address in a nonzero mask.
inline std::size_t LastFlagged(std::uint64_t mask) {
  if constexpr (std::endian::native == std::endian::little) {
    return static_cast<std::size_t>(63 - std::countl_zero(mask)) / 8;
  } else {
    return static_cast<std::size_t>(63 - std::countr_zero(mask)) / 8;
  }
}

// Clears the flag LastFlagged reported.
inline std::uint64_t DropLast(std::uint64_t mask) {
  if constexpr (std::endian::native == std::endian::little) {
    return mask & ~(std::uint64_t{1} << (63 - std::countl_zero(mask)));
  } else {
    return mask & (mask - 1);
  }
}

// Offset of the first CR or LF in data[0, size), or size.
inline std::size_t FindLineBreakByte(const unsigned char* data, std::size_t size) {
  constexpr std::uint64_t cr = Broadcast('\r');
  constexpr std::uint64_t lf = Broadcast('\n');
  std::size_t i = 0;
  for (; i + 8 <= size; i += 8) {
    std::uint64_t word = Load(data + i);
    std::uint64_t mask = EqualBytes(word, cr) | EqualBytes(word, lf);
    if (mask != 0) return i + FirstFlagged(mask);
  }
  for (; i < size; ++i) {
    if (data[i] == '\r' || data[i] == '\n') return i;
  }
  return size;
}

}  // namespace byte_scan
