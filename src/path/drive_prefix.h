// How a path begins with a drive, as Windows reads it.
#pragma once
#include <stddef.h>

// 2 when path begins with a one-byte character and a colon, which Windows reads as a drive
// ("C:", but also "1:" and "ｱ:"); 0 otherwise.
size_t DrivePrefixLength(const char* path);

// Whether path begins with a drive letter (A-Z in either case) and a colon: a drive that
// can exist.
bool HasDriveLetter(const char* path);

// "X:" and "X:\" (any run of "\" or "/" after the colon): a drive's root.
bool IsDriveRoot(const char* folder);
