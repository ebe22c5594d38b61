// Measures the listed files on the disc, at the same paths the copy pass later reads.
#pragma once
#include <stdint.h>

// The size of a listed file on the disc, found at current folder\PATH\fileLine. Reports
// the problem and returns 0 if the file cannot be read.
int32_t MeasureSourceFile(const char* fileLine);
