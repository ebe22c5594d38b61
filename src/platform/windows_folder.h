// The system's Windows folder, which no install may go into.
#pragma once
#include <stddef.h>

// The folder as code page 932 ("C:\WINDOWS"). Returns false, with out empty, if it cannot
// be read, cannot be written in code page 932, or does not fit cap. POSIX systems have no
// Windows folder.
bool OsGetWindowsFolder(char* out, size_t cap);
