// Measuring the listed files on the disc, where the copy pass later reads them from.
#pragma once
#include <stdint.h>

// Size of a file line below the disc's game folder (current folder, PATH, line).
int32_t MeasureSourceFile(const char* fileLine);

// Size of the file at path rounded up to even; 0 when it cannot be opened or measured.
int32_t EvenFileSize(const char* path);
