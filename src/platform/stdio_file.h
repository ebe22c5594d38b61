// Buffered C runtime streams opened by a code page 932 name, so that readers and writers
// of small text files (setup.ini, the created-folder log) find Japanese paths everywhere.
#pragma once
#include <stdio.h>

// fopen with a code page 932 path; nullptr when the name cannot be converted or opened.
FILE* OsOpenFile(const char* path, const char* mode);
