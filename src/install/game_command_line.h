// The command line the installed game is started with.
#pragma once
#include <stddef.h>

// The executable path quoted when it holds a blank or a tab (or it would split), then the
// disc folder and the argument 1. false when cut.
bool FormGameCommandLine(char* out, size_t cap, const char* installFolder, const char* exe,
                         const char* sourceFolder);
