// Recognises a drive ("C:") at the start of a path, the way Windows does.
#pragma once
#include <stddef.h>

// Returns 2 if path starts with a one-byte character and a colon, else 0. Windows reads
// any such start as a drive: not only "C:" but also "1:" and "ｱ:".
size_t DrivePrefixLength(const char* path);

// Whether path starts with a letter A-Z (either case) and a colon. Unlike
// DrivePrefixLength, this accepts only drives that can really exist.
bool HasDriveLetter(const char* path);

// Whether folder is a drive's root: "X:", or "X:" followed only by "\" or "/".
bool IsDriveRoot(const char* folder);
