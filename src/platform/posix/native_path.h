// A launcher path (code page 932, backslashes) as a path of this system (UTF-8, slashes).
#pragma once
#include <stddef.h>

// false when path is not valid code page 932 or does not fit.
bool ToNativePath(const char* path, char* out, size_t cap);
// UTF-8 of the system -> code page 932, separators kept. false when it cannot be converted.
bool FromNativeText(const char* text, char* out, size_t cap);
