// Zero-filled blocks from the C allocator.
#include "platform/memory.h"

#include <stdlib.h>

void* OsAllocateZeroedBlock(size_t bytes) { return calloc(1, bytes); }
void OsFreeBlock(void* block) { free(block); }
