// The largest text the editor holds and the largest file loaded, from the
// machine's physical memory and the process's address space.
#pragma once
#include <cstdint>

// Half the physical memory with its low 20 bits set, so never below 1,048,575
// bytes; memory of 4 GB and more (or reported as all ones) gives the largest
// positive 32-bit value instead of wrapping round.
int32_t TextLimitFromPhysicalMemory(uint64_t totalPhysicalBytes);

// The same, but never more than half the address space either: a text is read
// in beside the one it replaces, so a 32-bit process of 2 GB holds at most
// about 1 GB (2 GB when it is large-address-aware on a 64-bit system).
int32_t TextLimitFromMemory(uint64_t totalPhysicalBytes, uint64_t addressSpaceBytes);
