// Where a listed file lies on the disc: the current folder (the disc root), the PATH
// setting, then the file line, joined by single backslashes.
#pragma once
#include <stddef.h>

// The disc path of fileLine ("E:\SAMPLE\data\a.dat" for "data\a.dat" in E:\ with PATH
// SAMPLE). false when the current folder cannot be had or the path does not fit cap.
bool ComposeSourcePath(const char* fileLine, char* out, size_t cap);
