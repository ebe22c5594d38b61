// Builds the path of a listed file on the disc: the disc folder, the PATH setting and the
// file line, joined by single backslashes. Loading (to measure the files) and the copy
// pass both use it, so the sizes shown are those of the files actually copied.
#pragma once
#include <stddef.h>

// "E:\SAMPLE\data\a.dat" for discFolder "E:\" (or "E:"), gameFolder "SAMPLE" (or
// "SAMPLE\") and fileLine "data\a.dat"; an empty gameFolder means the disc folder itself.
// Returns false if the path does not fit in cap bytes.
bool FormSourcePath(const char* discFolder, const char* gameFolder, const char* fileLine, char* out,
                    size_t cap);

// The same, from the current folder (the disc root) and g_Setup.PATH. Also returns false
// if the current folder cannot be read.
bool ComposeSourcePath(const char* fileLine, char* out, size_t cap);
