// The global allocator's fixed, zero-filled blocks.
#include <windows.h>

#include "platform/memory.h"

void* OsAllocateZeroedBlock(size_t bytes) { return GlobalAlloc(GPTR, bytes); }

void OsFreeBlock(void* block) {
  if (block != nullptr) GlobalFree(block);
}
