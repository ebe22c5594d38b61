// The program's only heap memory: zero-filled blocks of fixed size from the system's
// global allocator. Used for the folder log and for the table its reader fills.
#pragma once
#include <stddef.h>

// Returns nullptr if the memory cannot be had.
void* OsAllocateZeroedBlock(size_t bytes);
// Does nothing for nullptr.
void OsFreeBlock(void* block);
