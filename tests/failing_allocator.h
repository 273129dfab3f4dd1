// Replaces the program's operator new so that a test can make exactly the
// n-th allocation from now fail with std::bad_alloc. Include it in one source
// file of a test program only: it defines the replacement functions. Other
// files of that program define FAILING_ALLOCATOR_COUNTER_ONLY first.
#pragma once
#include <cstdlib>
#include <new>

namespace failing_allocator {

inline long allocationsBeforeFailure = -1;  // -1: no failure planned

inline void* Allocate(std::size_t size) {
  if (allocationsBeforeFailure >= 0 && allocationsBeforeFailure-- == 0) throw std::bad_alloc();
  if (void* block = std::malloc(size ? size : 1)) return block;
  throw std::bad_alloc();
}

}  // namespace failing_allocator

#ifndef FAILING_ALLOCATOR_COUNTER_ONLY
void* operator new(std::size_t size) { return failing_allocator::Allocate(size); }
void* operator new[](std::size_t size) { return failing_allocator::Allocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
#endif
