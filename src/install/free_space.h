// Checks whether the chosen install fits on the drive that will hold the install folder.
// It is checked before anything is created, so that no install starts that would run out
// of room.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include "setup_source/setup_description.h"

// The bytes an install of mask into installFolder adds: the measured size of every file
// the copy pass will copy, minus the size of those already in the folder (the copy
// replaces them), never below 0. The result is 64-bit because sets of several types near
// 2 GiB each overflow 32 bits.
uint64_t RequiredBytes(const char* installFolder, TypeMask mask);

// Finds the nearest existing folder of path: path itself or its closest parent, up to the
// root. Returns false if none exists (no such drive) or the nearest existing item is a
// file.
bool NearestExistingFolder(const char* path, char* out, size_t cap);

// Returns true when folder's drive is known to have fewer than required free bytes, and
// then sets freeBytes to what it has. A drive whose free space cannot be read never counts
// as short.
bool IsShortOfSpace(const char* folder, uint64_t required, uint64_t* freeBytes);
