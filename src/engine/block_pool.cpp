#include "engine/block_pool.h"

#include <new>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

// A SlabSize-aligned region of SlabSize bytes.
unsigned char* ReserveSlab() {
#if defined(__linux__)
  // Map twice the size and trim it to an aligned slab, so that the kernel can
  // back it with one huge page.
  std::size_t twice = 2 * BlockPool::SlabSize;
  void* mapped = mmap(nullptr, twice, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  auto start = reinterpret_cast<std::uintptr_t>(mapped);
  std::uintptr_t aligned = (start + BlockPool::SlabSize - 1) & ~(BlockPool::SlabSize - 1);
  if (aligned > start) munmap(mapped, aligned - start);
  std::uintptr_t end = aligned + BlockPool::SlabSize;
  if (start + twice > end) munmap(reinterpret_cast<void*>(end), start + twice - end);
  madvise(reinterpret_cast<void*>(aligned), BlockPool::SlabSize, MADV_HUGEPAGE);
  return reinterpret_cast<unsigned char*>(aligned);
#else
  return static_cast<unsigned char*>(::operator new(BlockPool::SlabSize, std::align_val_t{BlockPool::SlabSize}));
#endif
}

void ReturnSlab(unsigned char* memory) {
#if defined(__linux__)
  munmap(memory, BlockPool::SlabSize);
#else
  ::operator delete(memory, std::align_val_t{BlockPool::SlabSize});
#endif
}

}  // namespace

BlockPool::BlockPool(BlockPool&& other) noexcept
    : slabs_on_(other.slabs_on_),
      singles_(std::exchange(other.singles_, 0)),
      slabs_(std::move(other.slabs_)), current_(std::exchange(other.current_, nullptr)), withRoom_(std::move(other.withRoom_)) {
  other.slabs_.clear();
  other.withRoom_.clear();
}

BlockPool& BlockPool::operator=(BlockPool&& other) noexcept {
  if (this != &other) {
    Release();
    slabs_on_ = other.slabs_on_;
    singles_ = std::exchange(other.singles_, 0);
    slabs_ = std::move(other.slabs_);
    current_ = std::exchange(other.current_, nullptr);
    withRoom_ = std::move(other.withRoom_);
    other.slabs_.clear();
    other.withRoom_.clear();
  }
  return *this;
}

BlockPool::~BlockPool() { Release(); }

void BlockPool::Release() {
  for (auto& [key, slab] : slabs_) ReturnSlab(slab->memory);
  slabs_.clear();
  withRoom_.clear();
  current_ = nullptr;
}

BlockPool::Slab* BlockPool::SlabWithRoom() {
  if (current_ != nullptr && current_->HasRoom()) return current_;
  while (!withRoom_.empty()) {
    auto found = slabs_.find(withRoom_.back());
    withRoom_.pop_back();
    if (found != slabs_.end() && found->second->HasRoom()) return current_ = found->second.get();
  }
  // A slab takes at once the room its returned blocks need, so that freeing a
  // block does not allocate: an edit that erases text cannot run out of memory.
  auto slab = std::make_unique<Slab>();
  slab->returned.reserve(BlocksPerSlab);
  Slab* made = slab.get();
  unsigned char* memory = made->memory = ReserveSlab();
  try {
    slabs_.emplace(KeyOf(memory), std::move(slab));
  } catch (...) {
    ReturnSlab(memory);
    throw;
  }
  return current_ = made;
}

unsigned char* BlockPool::Allocate() {
  if (!slabs_on_ || singles_ < SingleBlocks) {
    auto* block = new unsigned char[BlockSize];
    ++singles_;
    return block;
  }
  Slab* slab = SlabWithRoom();
  std::uint32_t index;
  if (!slab->returned.empty()) {
    index = slab->returned.back();
    slab->returned.pop_back();
  } else {
    index = slab->fresh++;
  }
  ++slab->used;
  return slab->memory + std::size_t{index} * BlockSize;
}

void BlockPool::Free(unsigned char* block) noexcept {
  if (block == nullptr) return;
  // A slab covers all of its aligned range, so a block whose range names no
  // slab is a separate allocation.
  auto found = slabs_.find(KeyOf(block));
  if (found == slabs_.end()) {
    --singles_;
    delete[] block;
    return;
  }
  Slab* slab = found->second.get();
  bool wasFull = !slab->HasRoom();
  slab->returned.push_back(static_cast<std::uint16_t>((block - slab->memory) / BlockSize));
  --slab->used;
  if (slab == current_) return;
  if (slab->used == 0) {
    ReturnSlab(slab->memory);
    slabs_.erase(found);
  } else if (wasFull) {
    // Only a hint for reuse: without memory for it, the slab's room waits
    // until the slab empties.
    try {
      withRoom_.push_back(found->first);
    } catch (const std::bad_alloc&) {
    }
  }
}
