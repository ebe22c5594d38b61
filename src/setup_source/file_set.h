// Walks the listed files whose type is in a mask, in file-list order. Every pass over the
// files uses this one walk, so they all see the same files in the same order.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include "setup_source/setup_description.h"

// One walk, held by its caller, so that walks never disturb each other: the copy pass keeps
// its own across timer ticks while other code walks the list. Start one as {mask, 0}.
struct FileSetWalk {
  TypeMask mask;
  int32_t index;  // the list entry the walk looks at next
};

// Puts the next selected file's relative path in buffer and returns true. Returns false,
// and leaves buffer untouched, when no file is left. cap must fit a whole name
// (kFileNameCapacity + 1).
bool NextFileInSet(FileSetWalk* walk, char* buffer, size_t cap);
