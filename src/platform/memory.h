// The program's only heap memory: zero-filled fixed blocks from the system's global
// allocator (the created-folder log and the table its reader fills).
#pragma once
#include <stddef.h>

// nullptr when the block cannot be had.
void* OsAllocateZeroedBlock(size_t bytes);
// Harmless with nullptr.
void OsFreeBlock(void* block);
