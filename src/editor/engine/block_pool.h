// Fixed-size text blocks carved out of 2 MB slabs. A fresh 100 MB text then
// costs a few dozen large allocations instead of thousands of small ones, and
// where the system allows, the slabs sit on huge pages, which spares the
// page faults that would otherwise cost more than copying the text. A slab
// goes back to the system when its last block is returned.
//
// Under AddressSanitizer every block is a separate allocation by default, so
// that a write past a block's end is caught rather than landing in the next
// block of its slab.
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

#if defined(__SANITIZE_ADDRESS__)
  static constexpr bool SlabsByDefault = false;
#else
  static constexpr bool SlabsByDefault = true;
#endif

  explicit BlockPool(bool slabs = SlabsByDefault) : slabs_on_(slabs) {}
  BlockPool(BlockPool&& other) noexcept;
  BlockPool& operator=(BlockPool&& other) noexcept;
  ~BlockPool();

  // BlockSize bytes, uninitialised; throws std::bad_alloc like new. Every
  // block must be freed; slabs still held are returned when the pool goes.
  unsigned char* Allocate();
  void Free(unsigned char* block);

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
  std::unordered_map<std::uintptr_t, std::unique_ptr<Slab>> slabs_;
  Slab* current_ = nullptr;                // where blocks are taken from
  std::vector<std::uintptr_t> withRoom_;   // other slabs that got blocks back; may name freed slabs
};
