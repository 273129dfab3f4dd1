// The largest text the editor holds and the largest file loaded, from the
// machine's physical memory.
#pragma once
#include <cstdint>

// Half the physical memory with its low 20 bits set, so never below 1,048,575
// bytes; memory of 4 GB and more (or reported as all ones) gives the largest
// positive 32-bit value instead of wrapping round.
int32_t TextLimitFromPhysicalMemory(uint64_t totalPhysicalBytes);
