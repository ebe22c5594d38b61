// Fixed, zero-filled blocks from the Windows global allocator.
#include "platform/memory.h"

#include <windows.h>

void* OsAllocateZeroedBlock(size_t bytes) { return GlobalAlloc(GPTR, bytes); }

void OsFreeBlock(void* block) {
  if (block != nullptr) GlobalFree(block);
}
