// The installed game's program and the command line it is started with.
#pragma once
#include <stddef.h>

// "<installFolder>\<exe>". false when cut.
bool FormGameExecutable(char* out, size_t cap, const char* installFolder, const char* exe);

// The executable path quoted when it holds a blank or a tab (or it would split), then the
// disc folder and the argument 1. false when cut.
bool FormGameCommandLine(char* out, size_t cap, const char* installFolder, const char* exe,
                         const char* sourceFolder);
