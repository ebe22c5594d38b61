// Forms the installed game's program path and the command line it is started with.
#pragma once
#include <stddef.h>

// Forms "<installFolder>\<exe>". Returns false if the result was cut.
bool FormGameExecutable(char* out, size_t cap, const char* installFolder, const char* exe);

// Forms the command line: the program path, then the disc folder, then the argument 1.
// The path is quoted if it has a blank or a tab, or it would be split in two. Returns
// false if the result was cut.
bool FormGameCommandLine(char* out, size_t cap, const char* installFolder, const char* exe,
                         const char* sourceFolder);
