// Fixed-size text blocks. Where huge pages exist (Linux), a large text's
// blocks are carved out of 2 MB slabs that the kernel can back with one huge
// page each: a fresh 100 MB text then costs a few dozen page faults instead of
// 25,000, which would take longer than copying the text. A slab goes back to
// the system when its last block is returned. A small text (its first
// SingleBlocks blocks) always takes separate allocations, so that a one-line
// control holds no slab.
//
// Elsewhere, and under AddressSanitizer (so that a write past a block's end is
// caught instead of landing in the next block of a slab), every block is a
// separate allocation.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

class BlockPool {
 public:
  static constexpr std::size_t BlockSize = 16384;
  static constexpr std::size_t SlabSize = std::size_t{2} << 20;
  static constexpr std::uint32_t BlocksPerSlab = SlabSize / BlockSize;
  static constexpr std::uint32_t SingleBlocks = 32;

  // Slabs pay where huge pages exist; elsewhere an aligned slab would only
  // waste address space, which a 32-bit process cannot spare.
#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__)
  static constexpr bool SlabsByDefault = true;
#else
  static constexpr bool SlabsByDefault = false;
#endif

  explicit BlockPool(bool slabs = SlabsByDefault) : slabs_on_(slabs) {}
  BlockPool(BlockPool&& other) noexcept;
  BlockPool& operator=(BlockPool&& other) noexcept;
  ~BlockPool();

  // BlockSize bytes, uninitialised; throws std::bad_alloc like new. Every
  // block must be freed; slabs still held are returned when the pool goes.
  unsigned char* Allocate();
  void Free(unsigned char* block) noexcept;

  std::size_t BytesReserved() const { return slabs_.size() * SlabSize; }

 private:
  struct Slab {
    unsigned char* memory = nullptr;
    std::uint32_t used = 0;                // blocks handed out and not returned
    std::uint32_t fresh = 0;               // blocks from here on were never handed out
    std::vector<std::uint16_t> returned;   // blocks handed back, to be handed out again
    bool HasRoom() const { return fresh < BlocksPerSlab || !returned.empty(); }
  };

  static std::uintptr_t KeyOf(const unsigned char* address) {
    return reinterpret_cast<std::uintptr_t>(address) / SlabSize;
  }
  Slab* SlabWithRoom();
  void Release();

  bool slabs_on_;
  std::uint32_t singles_ = 0;              // separately allocated blocks now handed out
  std::unordered_map<std::uintptr_t, std::unique_ptr<Slab>> slabs_;
  Slab* current_ = nullptr;                // where blocks are taken from
  std::vector<std::uintptr_t> withRoom_;   // other slabs that got blocks back; may name freed slabs
};
