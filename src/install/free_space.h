// Whether the chosen extent fits on the drive that will hold the install folder, asked
// before anything is created, so that an install is never started that must run out of room.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include "setup_source/setup_description.h"

// The bytes an install of mask into installFolder adds: the measured bytes of every file the
// copy pass will take, less the bytes of those already in the folder as files (the copy
// replaces them), never below 0. In 64 bits: sets of several types near 2 GiB pass 32 bits.
uint64_t RequiredBytes(const char* installFolder, TypeMask mask);

// The nearest folder of path that exists: path itself or the closest parent, up to the
// root. false when none exists (no such drive) or the nearest existing item is a file.
bool NearestExistingFolder(const char* path, char* out, size_t cap);

// true when the drive of folder is known to hold fewer than required free bytes; freeBytes
// then holds what it has. A drive whose free space cannot be read is never short.
bool IsShortOfSpace(const char* folder, uint64_t required, uint64_t* freeBytes);
