// The system's Windows folder, which no install may go into.
#pragma once
#include <stddef.h>

// The folder as code page 932 ("C:\WINDOWS"); false (out empty) when it cannot be had, has
// no code page 932 form or does not fit cap. POSIX systems have none.
bool OsGetWindowsFolder(char* out, size_t cap);
