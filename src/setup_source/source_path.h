// Where a listed file lies on the disc: the disc folder, the PATH setting, then the file
// line, joined by single backslashes. Measuring on loading and the copy pass both use it,
// so the sizes shown are those of the files copied.
#pragma once
#include <stddef.h>

// "E:\SAMPLE\data\a.dat" for discFolder "E:\" (or "E:"), gameFolder "SAMPLE" (or
// "SAMPLE\") and fileLine "data\a.dat"; an empty gameFolder means the disc folder itself.
// false when the path does not fit cap.
bool FormSourcePath(const char* discFolder, const char* gameFolder, const char* fileLine, char* out,
                    size_t cap);

// The same from the current folder (the disc root) and g_Setup.PATH. false also when the
// current folder cannot be had.
bool ComposeSourcePath(const char* fileLine, char* out, size_t cap);
