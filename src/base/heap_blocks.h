// Zero-filled private blocks from the process heap, used program-wide.
#pragma once
#include <windows.h>

// Null on failure; every caller tests for it and abandons its operation.
void* HeapAllocZero(SIZE_T size);

// Ignores a null block.
void HeapFreeIfAny(void* block);
