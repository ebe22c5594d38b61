// Walks the listed files whose type is in a mask, in file-list order. Every pass over the
// files uses this one walk, so they all see the same files in the same order.
#pragma once
#include <stddef.h>

#include "setup_source/setup_description.h"

void BeginFileSet(TypeMask mask);

// Puts the next selected file's relative path in buffer and returns 0. Returns 1, and
// leaves buffer untouched, when no file is left. cap must fit a whole name
// (kFileNameCapacity + 1).
int NextFileInSet(char* buffer, size_t cap);
