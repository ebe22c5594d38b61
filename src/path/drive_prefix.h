// How Windows splits a path into a drive and components, for the checks that must read a
// path as the system will.
#pragma once
#include <stddef.h>

// A backslash or a slash; Windows takes either between components.
bool IsPathSeparator(char c);

// 2 when path begins with a one-byte character and a colon, which Windows reads as a drive
// ("C:", but also "1:" and "ｱ:"); 0 otherwise.
size_t DrivePrefixLength(const char* path);

// Whether path begins with a drive letter (A-Z in either case) and a colon: a drive that
// can exist.
bool HasDriveLetter(const char* path);

// A non-empty component made of dots and blanks only ("..", ". .", "   "): Windows reads
// it as another name, never as itself.
bool IsDotsAndBlanksOnly(const char* component, size_t length);
