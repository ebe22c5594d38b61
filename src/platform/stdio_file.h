// Opens buffered C runtime streams by a code page 932 name, so that code reading and
// writing small text files (setup.ini, the folder log) finds Japanese paths on every
// system.
#pragma once
#include <stdio.h>

// fopen for a code page 932 path. Returns nullptr if the name cannot be converted or the
// file cannot be opened.
FILE* OsOpenFile(const char* path, const char* mode);
