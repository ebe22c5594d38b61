// Zero-filled blocks from the C allocator.
#include <stdlib.h>

#include "platform/memory.h"

void* OsAllocateZeroedBlock(size_t bytes) { return calloc(1, bytes); }
void OsFreeBlock(void* block) { free(block); }
