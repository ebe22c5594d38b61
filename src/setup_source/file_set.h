// The one walk over the listed files of a type mask, in file-list order.
#pragma once
#include <stddef.h>

#include "setup_source/setup_description.h"

void BeginFileSet(TypeMask mask);

// 0 with the next selected file's relative path in buffer; 1 when the walk is over
// (buffer untouched). cap must hold a whole name (kFileNameCapacity + 1).
int NextFileInSet(char* buffer, size_t cap);
