// The system's Windows folder, which no install may go into.
#pragma once
#include <stddef.h>

// As the system reports it (C:\WINDOWS). false, out empty, where there is none (POSIX)
// or it has no code page 932 form.
bool OsGetWindowsFolder(char* out, size_t cap);
