#include "base/heap_blocks.h"

#include "base/globals.h"

void* HeapAllocZero(SIZE_T size) { return HeapAlloc(processHeap, HEAP_ZERO_MEMORY | HEAP_NO_SERIALIZE, size); }

void HeapFreeIfAny(void* block) {
  if (block) HeapFree(processHeap, HEAP_NO_SERIALIZE, block);
}
