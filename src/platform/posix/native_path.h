// Converts a launcher path (code page 932, backslashes) to a path of this system (UTF-8,
// slashes).
#pragma once
#include <stddef.h>

// The size of a buffer for a path of this system: UTF-8 takes up to three bytes for each
// byte of a code page 932 path (a half-width katakana), and a path has fewer than kPathSize.
enum { kNativePathSize = 4096 };

// Returns false if path is not valid code page 932 or does not fit.
bool ToNativePath(const char* path, char* out, size_t cap);
// Converts the system's UTF-8 to code page 932, keeping separators as they are. Returns
// false if it cannot be converted.
bool FromNativeText(const char* text, char* out, size_t cap);
