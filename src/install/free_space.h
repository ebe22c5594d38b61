// Whether the chosen extent fits on the drive that will hold the install folder, asked
// before anything is created, so that an install is never started that must run out of room.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include "setup_source/setup_description.h"

// The bytes an extent needs, counted as the install dialog counts its sizes: the type set's
// size for minimum and maximum; for custom, each ticked type's size rounded up to KiB, added
// up as the loader adds a set. 64 bits: five types near 2 GiB each pass 32 bits.
uint64_t ExtentBytes(uint32_t installKind, TypeMask mask);

// The nearest folder of path that exists: path itself or the closest parent, up to the
// root. false when none exists (no such drive) or the nearest existing item is a file.
bool NearestExistingFolder(const char* path, char* out, size_t cap);

// true when the drive of folder is known to hold fewer than required free bytes; freeBytes
// then holds what it has. A drive whose free space cannot be read is never short.
bool IsShortOfSpace(const char* folder, uint64_t required, uint64_t* freeBytes);

// Any byte count in the size labels' form ("1.42M"), also past 2 GiB. out needs 24 bytes.
void FormatByteSize(char* out, size_t cap, uint64_t bytes);
