// Zero-filled blocks from the C allocator, on POSIX systems.
#include "platform/memory.h"

#include <stdlib.h>

void* OsAllocateZeroedBlock(size_t bytes) { return calloc(1, bytes); }
void OsFreeBlock(void* block) { free(block); }
