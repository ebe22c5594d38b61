// Measuring the listed files on the disc, where the copy pass later reads them from.
#pragma once
#include <stdint.h>

// Size of a file line below the disc's game folder (current folder, PATH, line).
int32_t MeasureSourceFile(const char* fileLine);
