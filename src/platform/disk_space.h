// Reads a drive's free space, which is checked before an install starts.
#pragma once
#include <stdint.h>

// The free bytes this user may write on the drive that holds folder, which must exist.
bool OsGetFreeSpace(const char* folder, uint64_t* freeBytes);
