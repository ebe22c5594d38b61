// The free space of a drive, asked before an install starts.
#pragma once
#include <stdint.h>

// Free bytes this user may write on the drive that holds the existing folder.
bool OsGetFreeSpace(const char* folder, uint64_t* freeBytes);
